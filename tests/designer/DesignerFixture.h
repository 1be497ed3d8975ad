#pragma once
// A designer on the offscreen screen with an A4 format, a bill and scripted answers.
#include "common/ScriptedAsker.h"
#include "designer/DesignerView.h"
#include "designer/InputBox.h"
#include "designer/PageCanvas.h"
#include "document/FormatDocument.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

// A record as the store would load it.
inline BoxRecord MakeRecord(qint64 id, int kind, const QString& label, double x, double y, double w,
                            double h) {
    BoxRecord record;
    record.id = id;
    record.kind = static_cast<BoxKind>(kind);
    record.label = label;
    record.x = x, record.y = y, record.w = w, record.h = h;
    record.fontName = QStringLiteral("宋体");
    record.fontSize = 9;
    return record;
}

class DesignerFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Format a4;
        a4.name = QStringLiteral("测试格式");
        a4.page.width = 210;
        a4.page.height = 297;
        document.Open(a4);
        view.SetDocument(&document);
        view.SetAsker(&asker);
        view.resize(700, 600);
        view.show();
        view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
        view.Rebuild();
    }

    // A record made by MakeRecord, in the format as if it had been stored with it (not
    // an edit: no undo step). A copy; SetUpRecord puts changes to it in place.
    BoxRecord AddRecord(int kind, const QString& label, double x, double y, double w = 20,
                        double h = 6) {
        const BoxRecord record = MakeRecord(nextId_++, kind, label, x, y, w, h);
        Format changed = document.GetFormat();
        changed.boxes.append(record);
        Reopen(changed);
        return record;
    }
    void SetUpRecord(const BoxRecord& record) {
        Format changed = document.GetFormat();
        for (BoxRecord& box : changed.boxes)
            if (box.id == record.id) box = record;
        Bill contents = document.GetBill();
        if (record.HoldsFixedText()) contents.Remove(record.id); // shows the new fixed text
        document.Open(changed, contents);
        Reopen(document.GetFormat());
    }
    void SetUpPage(const PageOptions& options) {
        Format changed = document.GetFormat();
        changed.page.options = options;
        Reopen(changed);
    }
    // Opening fits the page to the viewport again; fixtures with a fixed scale restore it.
    virtual void Reopen(const Format& changed) { document.Open(changed, document.GetBill()); }

    // Right-clicks the canvas at a point in twips and chooses a canvas-menu item.
    void ChooseCanvasItem(const QPoint& twips, const char* item) {
        const double tpp = view.Canvas()->TwipsPerPixel();
        const QPoint pixels(int(twips.x() / tpp), int(twips.y() / tpp));
        QContextMenuEvent event(QContextMenuEvent::Mouse, pixels, view.Canvas()->mapToGlobal(pixels));
        QCoreApplication::sendEvent(view.Canvas(), &event);
        TriggerItem(view.CanvasMenu(), item);
    }

    // Right-clicks a box and chooses a box-menu item.
    void ChooseBoxItem(InputBox* box, const char* item) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(box, &event);
        TriggerItem(view.BoxMenu(), item);
    }

    // A 40 × 40 JPEG of one colour in this test's own folder; its path.
    QString SavePicture(const QString& name, Qt::GlobalColor color) {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(color);
        image.save(files.filePath(name), "JPG");
        return files.filePath(name);
    }

    // Whether any pixel of `area` (the whole image if empty) is dark.
    static bool AnyDark(const QImage& image, QRect area = QRect()) {
        if (area.isEmpty()) area = image.rect();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(image.pixel(x, y)) < 100) return true;
        return false;
    }

    static void TriggerItem(QMenu* menu, const char* item) {
        ASSERT_TRUE(menu->isVisible());
        QAction* action = menu->findChild<QAction*>(QLatin1String(item));
        ASSERT_NE(action, nullptr) << item;
        ASSERT_TRUE(action->isEnabled()) << item;
        menu->hide();
        action->trigger();
    }

    FormatDocument document;
    const Format& format = document.GetFormat();
    const Bill& bill = document.GetBill();
    ScriptedAsker asker;
    DesignerView view;
    QTemporaryDir files;

private:
    qint64 nextId_ = 1;
};
