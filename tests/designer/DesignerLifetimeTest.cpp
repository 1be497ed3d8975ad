// The view and the document live apart: a view destroyed while a box is being typed
// in, or a document outliving its view, must leave nothing behind that calls into
// freed memory (the sanitizer build of the tests catches any use after free).
#include "designer/DesignerView.h"
#include "designer/TextInputBox.h"
#include "document/FormatDocument.h"

#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {
Format OneTextBox() {
    Format format;
    format.name = QStringLiteral("生命周期");
    format.page.width = 100;
    format.page.height = 60;
    BoxRecord box;
    box.id = 1;
    box.label = QStringLiteral("金额");
    box.x = 10, box.y = 10, box.w = 40, box.h = 8;
    box.fontName = QStringLiteral("宋体");
    box.fontSize = 9;
    box.cash = 105; // an amount: leaving the box converts its text
    format.boxes = {box};
    return format;
}
} // namespace

TEST(DesignerLifetime, ViewDestroyedWhileABoxHasTheFocusLeavesTheDocumentWhole) {
    FormatDocument document;
    QWidget window;
    window.resize(600, 400);
    auto* view = new DesignerView(&window);
    view->resize(600, 400);
    view->SetDocument(&document);
    document.Open(OneTextBox());
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* box = qobject_cast<TextInputBox*>(view->BoxById(1));
    ASSERT_NE(box, nullptr);
    box->Editor()->setFocus();
    QTest::keyClicks(box->Editor(), "12");
    ASSERT_TRUE(box->Editor()->hasFocus());

    delete view; // the editor loses the focus while the view goes
    EXPECT_EQ(document.Content(1), "12.00");

    // Later edits of the document reach no destroyed view.
    document.SetContent(1, QStringLiteral("3"));
    BoxRecord moved = document.GetFormat().boxes[0];
    moved.x = 20;
    document.ChangeRecord(moved, QStringLiteral("移动内容框"));
    EXPECT_EQ(document.Content(1), "3");
}
