// The main menu's align and same-size commands, pulling boxes onto the page, and
// undoing box edits.
#include "ArrangeFixture.h"

#include "document/BoxAlignment.h"

#include <QLabel>
#include <QSignalSpy>
#include <QUndoStack>

using AlignAndUndo = ArrangeFixture;

TEST_F(AlignAndUndo, SameWidthProposesTheWidestAndSetsEverySelectedBox) {
    const qint64 a = AddRecord(0, "甲", 10, 10, 20, 6).id;
    const qint64 b = AddRecord(2, "乙", 10, 30, 30, 8).id;
    const qint64 c = AddRecord(4, "丙", 10, 50, 25, 5).id;
    const qint64 check = AddRecord(1, "丁", 10, 70).id;
    const qint64 unselected = AddRecord(0, "戊", 10, 90, 40, 6).id;
    view.RebuildBoxes();
    for (qint64 id : {a, b, c, check}) document.SetSelected(id, true);

    EXPECT_EQ(view.AlignProposal(kSameWidth), 30.0);
    asker.Text(QStringLiteral("32.5"));
    view.AlignBoxes(kSameWidth);
    EXPECT_EQ(asker.questions.last(), "请输入设定值(毫米)：");
    for (qint64 id : {a, b, c}) EXPECT_DOUBLE_EQ(format.FindBox(id)->w, 32.5);
    EXPECT_DOUBLE_EQ(format.FindBox(unselected)->w, 40);

    // Alignment takes the check box along; the right edges meet at the largest.
    document.SetSelected(a, false);
    EXPECT_EQ(view.AlignProposal(kAlignRight), 42.5);
    asker.Text(QStringLiteral("100"));
    view.AlignBoxes(kAlignRight);
    EXPECT_DOUBLE_EQ(format.FindBox(b)->x, 67.5);
    EXPECT_DOUBLE_EQ(format.FindBox(c)->x, 67.5);
    const QRect checkPlace = view.BoxById(check)->Twips();
    EXPECT_EQ(checkPlace.x() + checkPlace.width(), 5000);

    // "统一尺寸" asks for the height, then the width.
    asker.Text(QStringLiteral("9")).Text(QStringLiteral("11"));
    view.AlignSameSize();
    EXPECT_DOUBLE_EQ(format.FindBox(b)->h, 9);
    EXPECT_DOUBLE_EQ(format.FindBox(c)->w, 11);
    // One undo step takes both back.
    view.Undo();
    EXPECT_DOUBLE_EQ(format.FindBox(b)->h, 8);
    EXPECT_DOUBLE_EQ(format.FindBox(c)->w, 32.5);
}

TEST_F(AlignAndUndo, AlignWithoutSelectionOrWithABlankAnswerChangesNothing) {
    AddRecord(0, "甲", 10, 10);
    AddRecord(3, "", 10, 10, 50, 10); // lines take no part
    view.RebuildBoxes();
    document.SetSelected(view.BoxByNumber(3001)->Id(), true);
    QList<BoxRecord> before = format.boxes;
    before.detach(); // records are changed in place
    view.AlignBoxes(kAlignLeft);
    EXPECT_EQ(asker.messages.last(), "请先选定多个输入框，再操作此功能！");
    document.SetSelected(view.BoxByNumber(1)->Id(), true);
    asker.Text(QStringLiteral("  ")).Text(std::nullopt);
    view.AlignBoxes(kAlignTop);
    view.AlignBoxes(kAlignTop);
    EXPECT_EQ(format.boxes, before);
    EXPECT_TRUE(asker.AllAnswered());
}

TEST_F(AlignAndUndo, PullsBoxesAndLineEndsBackOntoThePage) {
    const qint64 left = AddRecord(0, "甲", -5, -2, 20, 6).id;
    const qint64 right = AddRecord(2, "乙", 200, 295, 20, 6).id;
    const qint64 inside = AddRecord(4, "丙", 10, 10).id;
    const qint64 line = AddRecord(3, "", -10, 20, 230, 300).id;
    view.RebuildBoxes();
    const BoxRecord insideBefore = *format.FindBox(inside);
    QSignalSpy changed(&document, &FormatDocument::RecordChanged);
    EXPECT_EQ(view.PullBoxesOntoPage(), 3);
    EXPECT_EQ(view.PullBoxesOntoPage(), 0);
    EXPECT_EQ(format.FindBox(left)->x, 0);
    EXPECT_EQ(format.FindBox(left)->y, 0);
    EXPECT_DOUBLE_EQ(format.FindBox(right)->x, 190);
    EXPECT_DOUBLE_EQ(format.FindBox(right)->y, 291);
    const BoxRecord& l = *format.FindBox(line);
    EXPECT_EQ(l.x, 0);
    EXPECT_DOUBLE_EQ(l.y, 20);
    EXPECT_DOUBLE_EQ(l.w, 210);
    EXPECT_DOUBLE_EQ(l.h, 297);
    EXPECT_EQ(*format.FindBox(inside), insideBefore);
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(AlignAndUndo, UndoPutsADraggedBoxBackToItsMillimetre) {
    const qint64 id = AddRecord(0, "金额", 20.123, 30.456).id; // between twips
    view.RebuildBoxes();
    DragBox(view.BoxById(id), {50, 50}, {{300, 100}});
    EXPECT_DOUBLE_EQ(format.FindBox(id)->x, 26.12);
    QSignalSpy changed(&document, &FormatDocument::RecordChanged);
    view.Canvas()->setFocus();
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(format.FindBox(id)->x, 20.123);
    EXPECT_DOUBLE_EQ(format.FindBox(id)->y, 30.456);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(view.BoxById(id)->Twips().topLeft(), QPoint(1006, 1523));
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(format.FindBox(id)->x, 26.12);
}

TEST_F(AlignAndUndo, UndoBringsDeletedBoxesBackWithTheirContent) {
    const qint64 id = AddRecord(0, "金额", 20, 20).id;
    document.SetContent(id, QStringLiteral("123.00"));
    view.RebuildBoxes();
    document.SetSelected(id, true);
    asker.Yes();
    view.DeleteSelectedBoxes();
    ASSERT_TRUE(format.boxes.isEmpty());
    QSignalSpy inserted(&document, &FormatDocument::RecordInserted);
    view.Undo();
    ASSERT_EQ(format.boxes.size(), 1);
    EXPECT_EQ(view.BoxById(id)->Content(), "123.00");
    EXPECT_EQ(bill.Value(id), "123.00");
    EXPECT_EQ(inserted.count(), 1);
    view.Redo();
    EXPECT_TRUE(format.boxes.isEmpty());
    EXPECT_FALSE(bill.Values().contains(id));

    // Adding is a step of its own.
    view.Undo();
    InputBox* added = view.AddBox(4);
    ASSERT_NE(added, nullptr);
    view.Undo();
    EXPECT_EQ(format.boxes.size(), 1);
    EXPECT_EQ(view.BoxByNumber(4001), nullptr);
}

TEST_F(AlignAndUndo, GridEditsAreStepsAndAnotherFormatDropsTheSteps) {
    const qint64 id = AddRecord(0, "金额", 20, 20).id;
    document.SetSelected(id, true);
    view.Canvas()->setFocus();
    Key(Qt::Key_Right);
    // The box grid changes the record through the document: a step of its own.
    BoxRecord renamed = *format.FindBox(id);
    renamed.label = QStringLiteral("总额");
    document.ChangeRecord(renamed, QStringLiteral("修改内容框"));
    EXPECT_EQ(view.BoxById(id)->Caption()->text(), "总额");
    view.Undo();
    EXPECT_EQ(format.FindBox(id)->label, "金额");
    EXPECT_EQ(view.BoxById(id)->Caption()->text(), "金额");
    EXPECT_DOUBLE_EQ(format.FindBox(id)->x, 20.2);
    view.Undo();
    EXPECT_DOUBLE_EQ(format.FindBox(id)->x, 20);
    EXPECT_FALSE(view.UndoAction()->isEnabled());

    Key(Qt::Key_Right);
    ASSERT_EQ(view.UndoStack()->count(), 1);
    Format other;
    other.name = QStringLiteral("另一个");
    document.Open(other);
    EXPECT_EQ(view.UndoStack()->count(), 0);
}

TEST_F(AlignAndUndo, ArrowPressesAreOneStepEvenWhenABoxStopsAtTheEdge) {
    // The first box's right edge is 0.4 mm from the page's: it stops after two presses
    // while the other goes on, and the run still undoes as one step.
    const qint64 nearEdge = AddRecord(0, "边", 189.6, 20, 20, 6).id;
    const qint64 free = AddRecord(0, "中", 50, 50, 20, 6).id;
    document.SetSelection({nearEdge, free});
    view.Canvas()->setFocus();
    for (int press = 0; press < 5; ++press) Key(Qt::Key_Right);
    EXPECT_DOUBLE_EQ(format.FindBox(nearEdge)->x, 190);
    EXPECT_DOUBLE_EQ(format.FindBox(free)->x, 51);
    EXPECT_EQ(view.UndoStack()->count(), 1);
    view.Undo();
    EXPECT_DOUBLE_EQ(format.FindBox(nearEdge)->x, 189.6);
    EXPECT_DOUBLE_EQ(format.FindBox(free)->x, 50);
}
