// Clicks, drags and keys as a user gives them: check boxes, exact millimetres, Tab
// order and the arrow keys while typing.
#include "ArrangeFixture.h"

#include "designer/CheckInputBox.h"
#include "designer/TextInputBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>

namespace {
class PointerAndKeys : public ArrangeFixture {};

QPlainTextEdit* EditorOf(InputBox* box) { return qobject_cast<TextInputBox*>(box)->Editor(); }
} // namespace

TEST_F(PointerAndKeys, AClickAnywhereOnACheckBoxTicksItAndOnlyADragMovesIt) {
    const qint64 id = AddRecord(1, "同意", 20, 30).id;
    auto* box = qobject_cast<CheckInputBox*>(view.BoxById(id));
    const QSize size = box->Twips().size();
    struct Case { QPoint local; QPoint shake; bool ticked; };
    // Corners, centre, and a shaky hand within the threshold: all clicks.
    for (const Case& c : {Case{{20, 20}, {}, true}, Case{{size.width() / 2, size.height() / 2}, {}, false},
                          Case{{size.width() - 20, size.height() - 20}, {}, true},
                          Case{{30, 30}, {8, -8}, false}}) {
        DragBox(box, c.local, {c.shake});
        EXPECT_EQ(box->Check()->isChecked(), c.ticked) << c.local.x() << ',' << c.local.y();
        EXPECT_EQ(bill.Value(id), c.ticked ? "1" : "");
    }
    EXPECT_DOUBLE_EQ(format.FindBox(id)->x, 20);

    // Past the threshold it is a move, and the tick stays as it was.
    DragBox(box, {30, 30}, {{10, 0}, {500, 250}});
    EXPECT_DOUBLE_EQ(format.FindBox(id)->x, 30);
    EXPECT_DOUBLE_EQ(format.FindBox(id)->y, 35);
    EXPECT_FALSE(box->Check()->isChecked());
}

TEST_F(PointerAndKeys, DraggingWritesOnlyTheMeasuresThatChanged) {
    BoxRecord record = AddRecord(0, "金额", 20.004, 33.333, 80, 6.35);
    // A scale at which 80 mm is no whole number of twips.
    view.Canvas()->SetPage(210, 297, 10000);
    view.RebuildBoxes();
    InputBox* box = view.BoxById(record.id);

    DragBox(box, {20, 20}, {{600, 0}}); // a move to the right
    const BoxRecord* moved = format.FindBox(record.id);
    EXPECT_NE(moved->x, record.x);
    EXPECT_EQ(moved->y, 33.333);
    EXPECT_EQ(moved->w, 80);
    EXPECT_EQ(moved->h, 6.35);

    const double x = moved->x;
    const QSize size = box->Twips().size();
    DragBox(box, {size.width() - 20, size.height() - 20}, {{300, 0}}); // wider only
    const BoxRecord* resized = format.FindBox(record.id);
    EXPECT_EQ(resized->x, x);
    EXPECT_EQ(resized->y, 33.333);
    EXPECT_GT(resized->w, 80);
    EXPECT_EQ(resized->h, 6.35);
}

TEST_F(PointerAndKeys, TabGoesToTheNextBoxInBoxOrderAndTypesNoTab) {
    const qint64 first = AddRecord(0, "甲", 100, 20).id;
    AddRecord(3, "", 10, 10, 50, 10); // a line takes no input
    const qint64 second = AddRecord(0, "乙", 10, 40).id;
    const qint64 third = AddRecord(1, "丙", 10, 60).id;
    QPlainTextEdit* editor = EditorOf(view.BoxById(first));
    editor->setFocus();

    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(document.CurrentId(), second);
    EXPECT_TRUE(EditorOf(view.BoxById(second))->hasFocus());
    EXPECT_FALSE(editor->toPlainText().contains('\t'));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(document.CurrentId(), third);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // round to the first
    EXPECT_EQ(document.CurrentId(), first);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(document.CurrentId(), third);
    EXPECT_TRUE(view.BoxById(third)->hasFocus() || view.BoxById(third)->isAncestorOf(QApplication::focusWidget()));
}

// A clerk tabs through the boxes typing: Tab passes picture boxes by, lands in a text
// box with its text selected so that typing replaces it, and in a check box space
// toggles the tick.
TEST_F(PointerAndKeys, TabbingThroughTheBoxesTypesOverWhatTheyHold) {
    const qint64 first = AddRecord(0, "甲", 10, 20).id;
    const qint64 second = AddRecord(0, "乙", 10, 40).id;
    const qint64 check = AddRecord(1, "丙", 10, 60).id;
    AddRecord(2, "图", 10, 80, 30, 15);
    document.SetContent(second, QStringLiteral("旧的"));
    EditorOf(view.BoxById(first))->setFocus();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(EditorOf(view.BoxById(second))->hasFocus());
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QStringLiteral("新"),
                        Qt::NoModifier);
    EXPECT_EQ(EditorOf(view.BoxById(second))->toPlainText(), "新");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto* box = qobject_cast<CheckInputBox*>(view.BoxById(check));
    ASSERT_TRUE(box->isAncestorOf(QApplication::focusWidget()));
    EXPECT_EQ(bill.Value(second), "新"); // entered when the box was left
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(bill.Value(check), "1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(bill.Value(check), "");

    // The picture box is passed by, forwards and back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(document.CurrentId(), first);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(document.CurrentId(), check);
}

TEST_F(PointerAndKeys, ArrowsMoveTheCaretWhileTypingAndBoxesOnlyWhenSelected) {
    const qint64 typed = AddRecord(0, "甲", 20, 20).id;
    const qint64 other = AddRecord(0, "乙", 20, 40).id;
    QPlainTextEdit* editor = EditorOf(view.BoxById(typed));
    editor->setFocus();
    view.SetCurrentBox(view.BoxById(typed));
    editor->setPlainText("ab");
    editor->moveCursor(QTextCursor::End);

    // Another box is selected; typing here still owns the arrows, even at the text's end.
    document.SetSelected(other, true);
    for (int key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down})
        QTest::keyClick(editor, Qt::Key(key));
    EXPECT_EQ(editor->textCursor().position(), 0);
    EXPECT_DOUBLE_EQ(format.FindBox(typed)->x, 20);
    EXPECT_DOUBLE_EQ(format.FindBox(other)->x, 20);
    EXPECT_DOUBLE_EQ(format.FindBox(other)->y, 40);

    // Nothing selected: the canvas moves no box either.
    document.SetSelected(other, false);
    view.Canvas()->setFocus();
    Key(Qt::Key_Right);
    EXPECT_DOUBLE_EQ(format.FindBox(typed)->x, 20);

    // Selected boxes move when no text is being typed.
    document.SetSelected(other, true);
    Key(Qt::Key_Right);
    EXPECT_DOUBLE_EQ(format.FindBox(other)->x, 20.2);
}
