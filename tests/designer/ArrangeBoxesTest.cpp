// Arranging boxes with the mouse and the keyboard: hit areas, the drag threshold,
// clamping, nudging, font steps and the lock, each checked on the records in mm.
#include "ArrangeFixture.h"

#include "designer/TextInputBox.h"

#include <QPlainTextEdit>
#include <QSignalSpy>

using ArrangeBoxes = ArrangeFixture;

TEST_F(ArrangeBoxes, CornersOfABoxMoveAndResizeTheRestTakesInput) {
    AddRecord(0, "金额", 20, 20, 20, 6); // 1000, 1000, 1000 x 300 twips
    AddRecord(1, "选", 20, 60);
    view.RebuildBoxes();
    InputBox* text = view.BoxByNumber(1);
    QWidget* part = PartOf(text);
    const struct {
        QPoint local;
        DragMode mode;
        Qt::CursorShape cursor;
    } cases[] = {
        {{99, 99}, DragMode::Move, Qt::SizeAllCursor},
        {{901, 201}, DragMode::Resize, Qt::SizeFDiagCursor},
        {{100, 50}, DragMode::TextInput, Qt::IBeamCursor},
        {{900, 250}, DragMode::TextInput, Qt::IBeamCursor},
    };
    for (const auto& c : cases) {
        Hover(part, text->Twips().topLeft() + c.local);
        EXPECT_EQ(view.PointerMode(), c.mode) << c.local.x();
        EXPECT_EQ(part->cursor().shape(), c.cursor) << c.local.x();
    }
    // A check box cannot be resized: its whole face moves it (a click still ticks it).
    InputBox* check = view.BoxByNumber(1001);
    const QRect t = check->Twips();
    Hover(PartOf(check), t.topLeft() + QPoint(t.width() - 10, t.height() - 10));
    EXPECT_EQ(view.PointerMode(), DragMode::Move);
}

TEST_F(ArrangeBoxes, DragsOfTwelveTwipsOrLessAreIgnored) {
    const qint64 id = AddRecord(0, "金额", 20, 20).id;
    view.RebuildBoxes();
    InputBox* box = view.BoxByNumber(1);
    QSignalSpy changed(&document, &FormatDocument::RecordChanged);
    DragBox(box, {50, 50}, {{12, 0}, {0, -12}, {12, 12}});
    EXPECT_EQ(format.FindBox(id)->x, 20);
    EXPECT_EQ(format.FindBox(id)->y, 20);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_FALSE(view.UndoAction()->isEnabled());

    // 13 twips right; the box travels with the pointer, so a further 12 does not add.
    DragBox(box, {50, 50}, {{13, 0}, {25, 0}});
    EXPECT_DOUBLE_EQ(format.FindBox(id)->x, 20.26);
    EXPECT_EQ(format.FindBox(id)->y, 20);
    EXPECT_EQ(changed.count(), 1);

    // The resize corner grows the box, its anchor following every step.
    DragBox(box, {980, 280}, {{100, 0}, {100, 50}});
    EXPECT_DOUBLE_EQ(format.FindBox(id)->w, 22);
    EXPECT_DOUBLE_EQ(format.FindBox(id)->h, 7);
}

TEST_F(ArrangeBoxes, MovesStopAtTheCanvasEdgesAndSelectedBoxesFollow) {
    const qint64 dragged = AddRecord(0, "甲", 150, 20, 20, 6).id;
    const qint64 selected = AddRecord(4, "乙", 100, 100, 30, 6).id;
    view.RebuildBoxes();
    document.SetSelected(selected, true);
    DragBox(view.BoxById(dragged), {50, 50}, {{3000, 0}});
    EXPECT_DOUBLE_EQ(format.FindBox(dragged)->x, 190); // right edge on the page edge
    EXPECT_DOUBLE_EQ(format.FindBox(selected)->x, 160);
    DragBox(view.BoxById(dragged), {50, 50}, {{-20000, -500}});
    EXPECT_EQ(format.FindBox(dragged)->x, 0);
    EXPECT_DOUBLE_EQ(format.FindBox(dragged)->y, 10);
    EXPECT_EQ(format.FindBox(selected)->x, 0);
    // Growing past the bottom stops there too.
    DragBox(view.BoxById(dragged), {980, 280}, {{0, 20000}});
    EXPECT_DOUBLE_EQ(format.FindBox(dragged)->h, 287);
}

TEST_F(ArrangeBoxes, ArrowKeysMoveResizeAndStepTheFont) {
    BoxRecord thin = AddRecord(0, "窄", 20, 20, 0.1, 6); // 5 twips wide
    thin.fontSize = 10.5;
    SetUpRecord(thin);
    const qint64 id = thin.id;
    document.SetSelected(id, true);
    view.Canvas()->setFocus();

    Key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(format.FindBox(id)->w, 0); // not negative
    Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(format.FindBox(id)->w, 0.2);
    Key(Qt::Key_Right);
    Key(Qt::Key_Down);
    EXPECT_DOUBLE_EQ(format.FindBox(id)->x, 20.2);
    EXPECT_DOUBLE_EQ(format.FindBox(id)->y, 20.2);
    Key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(format.FindBox(id)->fontSize, 11);
    EXPECT_DOUBLE_EQ(view.BoxById(id)->font().pointSizeF(), 11);
    Key(Qt::Key_Up, Qt::ControlModifier);
    Key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(format.FindBox(id)->fontSize, 10);

    // Keys reach the boxes through their inputs too, and are used up there.
    auto* box = qobject_cast<TextInputBox*>(view.BoxById(id));
    QTest::keyClick(box->Editor(), Qt::Key_Left);
    EXPECT_DOUBLE_EQ(format.FindBox(id)->x, 20);
    // With nothing selected and no current box the caret keeps its keys.
    view.ClearSelection();
    box->Editor()->setPlainText("ab");
    box->Editor()->moveCursor(QTextCursor::End);
    QTest::keyClick(box->Editor(), Qt::Key_Left);
    EXPECT_EQ(box->Editor()->textCursor().position(), 1);
    EXPECT_DOUBLE_EQ(format.FindBox(id)->x, 20);
}

TEST_F(ArrangeBoxes, TheLockStopsKeysDragsLineDragsAndTheEditor) {
    const BoxRecord textBefore = AddRecord(0, "金额", 20, 20);
    BoxRecord line = AddRecord(3, "", 20, 100, 80, 100); // (1000, 5000) - (4000, 5000)
    line.fontSize = 1;
    SetUpRecord(line);
    const BoxRecord lineBefore = line;
    document.SetSelected(textBefore.id, true);
    view.SetOption(kLocked, true);
    EXPECT_EQ(format.page.options.optionBoxes[kLocked], 1);
    view.Canvas()->setFocus();
    Key(Qt::Key_Right);
    Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_Right, Qt::ControlModifier);
    InputBox* box = view.BoxById(textBefore.id);
    Hover(PartOf(box), box->Twips().topLeft() + QPoint(50, 50));
    EXPECT_EQ(view.PointerMode(), DragMode::None);
    DragBox(box, {50, 50}, {{500, 500}});
    Hover(view.Canvas(), {2500, 5010});
    EXPECT_EQ(view.PointerMode(), DragMode::None);
    DragCanvas({1000, 5000}, {{1500, 5500}});
    DragCanvas({2500, 5000}, {{3000, 5500}});
    EXPECT_EQ(*format.FindBox(textBefore.id), textBefore);
    EXPECT_EQ(*format.FindBox(lineBefore.id), lineBefore);

    // The box menu opens, but without the items that change the format.
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(box, &menu);
    EXPECT_TRUE(view.BoxMenu()->isVisible());
    for (const char* item : {"mAddCtl", "mCopyCtl", "mDeleteCtl", "mCtlSet"})
        EXPECT_FALSE(view.BoxMenu()->findChild<QAction*>(QLatin1String(item))->isEnabled()) << item;
    EXPECT_TRUE(view.BoxMenu()->findChild<QAction*>("mCopy")->isEnabled());
    view.BoxMenu()->hide();
    view.SetOption(kLocked, false);
    EXPECT_TRUE(view.BoxMenu()->findChild<QAction*>("mDeleteCtl")->isEnabled());
}
