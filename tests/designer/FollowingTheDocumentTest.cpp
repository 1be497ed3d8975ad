// The canvas follows the document's change signals by what they say changed: a moved
// box is re-placed, a new font is applied without re-placing, and page changes made
// anywhere reach the page on screen.
#include "ArrangeFixture.h"

#include "designer/CanvasScale.h"
#include "document/BoxEditing.h"

#include <QLabel>
#include <QSignalSpy>
#include <QUndoStack>

using FollowingTheDocument = ArrangeFixture;

TEST_F(FollowingTheDocument, AMoveReplacesTheBoxAndAFontChangeLeavesItsPlace) {
    const qint64 id = AddRecord(0, "金额", 20, 20).id;
    InputBox* box = view.BoxById(id);
    MoveBoxes(document, {id}, {2.5, -1}, PageArea(document));
    EXPECT_EQ(view.BoxById(id), box); // the same widget, not a new one
    EXPECT_EQ(box->Twips(), QRect(1125, 950, 1000, 300));
    EXPECT_EQ(box->Caption()->geometry().bottom() + 1, box->geometry().top());

    // A font change touches no geometry: a place the record does not give stays.
    box->SetTwips(QRect(0, 0, 500, 500));
    BoxRecord bigger = *format.FindBox(id);
    bigger.fontSize = 14;
    bigger.label = QStringLiteral("总额");
    document.ChangeRecord(bigger, QStringLiteral("修改内容框"));
    EXPECT_EQ(view.BoxById(id), box);
    EXPECT_DOUBLE_EQ(box->font().pointSizeF(), 14);
    EXPECT_EQ(box->Caption()->text(), "总额");
    EXPECT_EQ(box->Twips(), QRect(0, 0, 500, 500));
    // Undo of the move puts the box where the record says.
    document.UndoStack()->undo();
    document.UndoStack()->undo();
    EXPECT_EQ(box->Twips(), QRect(1000, 1000, 1000, 300));
    EXPECT_DOUBLE_EQ(box->font().pointSizeF(), 9);
}

TEST_F(FollowingTheDocument, PageChangesMadeAnywhereReachTheCanvas) {
    const qint64 id = AddRecord(0, "金额", 21, 20).id;
    const qint64 picture = AddRecord(2, "条码", 50, 50, 40, 15).id;
    QSignalSpy refitted(&view, &DesignerView::PageChanged);

    // A new size fits the page again: the same millimetres at the new scale.
    PageParams page = format.page;
    page.width = 105;
    document.SetPage(page);
    EXPECT_EQ(refitted.count(), 1);
    const CanvasScale scale = view.Canvas()->Scale();
    EXPECT_NEAR(scale.K(), view.ViewportWidthTwips() / 105, 1e-9);
    EXPECT_EQ(view.BoxById(id)->Twips().x(), scale.MmToCanvas(21));

    // The lock set through the document (a menu, the command line) locks the canvas.
    page.options.optionBoxes[kLocked] = 1;
    document.SetPage(page);
    EXPECT_TRUE(view.IsLocked());
    EXPECT_FALSE(view.BoxMenu()->findChild<QAction*>("mDeleteCtl")->isEnabled());
    EXPECT_EQ(refitted.count(), 1);

    // A new barcode standard: the picture box draws its code in it, rebuilt by nobody.
    InputBox* box = view.BoxById(picture);
    document.SetContent(picture, QStringLiteral("AB12"));
    const QImage code39 = box->grab().toImage();
    page.options.barcodeStandard = BarcodeStandard::QrCode;
    document.SetPage(page);
    EXPECT_EQ(view.BoxById(picture), box);
    EXPECT_NE(box->grab().toImage(), code39);
}
