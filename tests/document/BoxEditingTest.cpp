// Moving, resizing, arrow presses, font steps and pulling boxes onto the page, in the
// document's millimetres, each an undo step of its own name.
#include "EditingFixture.h"

#include "document/BoxAlignment.h"

using BoxEditing = EditingFixture;

TEST_F(BoxEditing, NineHundredNinetyNineBoxesMoveResizeAndAlignInOneStepEach) {
    Format format = document.GetFormat();
    QSet<qint64> all;
    for (int i = 0; i < 999; ++i) {
        BoxRecord box;
        box.id = i + 1;
        box.kind = BoxKind::Text;
        box.label = QString::number(i);
        box.x = 5 + (i % 30) * 6, box.y = 5 + (i / 30) * 8, box.w = 5, box.h = 4;
        format.boxes.append(box);
        all.insert(box.id);
    }
    document.Open(format);
    document.SetSelection(all);
    const QList<BoxRecord> before = document.GetFormat().boxes;

    MoveBoxes(document, document.IdsToActOn(), {1.5, 0.25}, Page());
    ResizeBoxes(document, document.IdsToActOn(), {0.5, 0}, Page());
    ASSERT_TRUE(AlignBoxes(document, kAlignLeft, 3, Page()));
    EXPECT_EQ(Steps(), QStringList({"移动内容框", "改变内容框大小", "内容框对齐"}));
    for (qsizetype i = 0; i < before.size(); ++i) {
        const BoxRecord& box = document.GetFormat().boxes[i];
        ASSERT_DOUBLE_EQ(box.x, 3) << i;
        ASSERT_DOUBLE_EQ(box.y, before[i].y + 0.25) << i;
        ASSERT_DOUBLE_EQ(box.w, 5.5) << i;
    }
    // Each step undoes whole.
    document.UndoStack()->undo();
    EXPECT_DOUBLE_EQ(document.GetFormat().boxes[998].x, before[998].x + 1.5);
    document.UndoStack()->undo();
    document.UndoStack()->undo();
    EXPECT_EQ(document.GetFormat().boxes, before);

    // A thousand arrow presses are one step too; the boxes stop at the right edge.
    for (int press = 0; press < 1000; ++press) NudgeBoxes(document, {0.25, 0}, false, Page());
    EXPECT_EQ(Steps(), QStringList({"移动内容框"}));
    EXPECT_DOUBLE_EQ(document.GetFormat().boxes[0].x, 205);
    document.UndoStack()->undo();
    EXPECT_EQ(document.GetFormat().boxes, before);
}

TEST_F(BoxEditing, BoxesStayOnThePageLinesGoFree) {
    const qint64 box = Add(BoxKind::Text, 150, 20, 20, 6);
    const qint64 check = Add(BoxKind::Check, 100, 20, 5, 5);
    const qint64 line = Add(BoxKind::Line, 10, 100, 80, 100);
    const EditArea area{210, 297, 3.8};

    MoveBoxes(document, {box, check, line}, {150, -30}, area);
    EXPECT_DOUBLE_EQ(At(box).x, 190); // right edge on the page's
    EXPECT_DOUBLE_EQ(At(box).y, 0);
    EXPECT_DOUBLE_EQ(At(check).x, 206.2); // as wide as the view shows it
    EXPECT_DOUBLE_EQ(At(line).x, 160);   // not held back
    EXPECT_DOUBLE_EQ(At(line).w, 230);
    EXPECT_DOUBLE_EQ(At(line).h, 70);

    // A line held by one end moves that end only.
    MoveBoxes(document, {line}, {-5, 5}, area, EditRun::None, {line, LineEnd::First});
    EXPECT_DOUBLE_EQ(At(line).x, 155);
    EXPECT_DOUBLE_EQ(At(line).w, 230);
    MoveBoxes(document, {line}, {-5, 5}, area, EditRun::None, {line, LineEnd::Second});
    EXPECT_DOUBLE_EQ(At(line).x, 155);
    EXPECT_DOUBLE_EQ(At(line).w, 225);

    // Growing: never past the edge, never below nothing; a check box keeps its size
    // and a line grows at its second end.
    ResizeBoxes(document, {box, check, line}, {50, -10}, area);
    EXPECT_DOUBLE_EQ(At(box).w, 20);
    EXPECT_DOUBLE_EQ(At(box).h, 0);
    EXPECT_DOUBLE_EQ(At(check).w, 5);
    EXPECT_DOUBLE_EQ(At(line).w, 275);
    EXPECT_DOUBLE_EQ(At(line).h, 65);
    ResizeBoxes(document, {box}, {-25, 300}, area);
    EXPECT_DOUBLE_EQ(At(box).w, 0);
    EXPECT_DOUBLE_EQ(At(box).h, 297);
}

TEST_F(BoxEditing, AnAxisThatDoesNotMoveKeepsItsExactMillimetres) {
    const qint64 id = Add(BoxKind::Text, 20.0004, 33.33333, 80.00001, 6.35);
    MoveBoxes(document, {id}, {0, 1.2}, Page());
    EXPECT_EQ(At(id).x, 20.0004);
    EXPECT_DOUBLE_EQ(At(id).y, 34.533); // three decimals, as records keep them
    ResizeBoxes(document, {id}, {0, 0.1}, Page());
    EXPECT_EQ(At(id).w, 80.00001);
    EXPECT_DOUBLE_EQ(At(id).h, 6.45);
}

TEST_F(BoxEditing, ArrowPressesMergeUntilTheRunEndsAndFontStepsTakeTheSelectionOnly) {
    const qint64 selected = Add(BoxKind::Text, 20, 20);
    const qint64 current = Add(BoxKind::Label, 50, 50, 20, 6, false);
    document.SetCurrent(current);
    for (int press = 0; press < 5; ++press) ASSERT_TRUE(NudgeBoxes(document, {0.2, 0}, false, Page()));
    NudgeBoxes(document, {0, 0.2}, true, Page());
    EXPECT_DOUBLE_EQ(At(selected).x, 21);
    EXPECT_DOUBLE_EQ(At(current).x, 51);
    EXPECT_DOUBLE_EQ(At(current).h, 6.2);
    EXPECT_EQ(Steps(), QStringList({"移动内容框", "改变内容框大小"}));

    // Ctrl+arrows step the font of the selected boxes, without bound.
    for (int press = 0; press < 3; ++press) StepFontSize(document, -kFontStep);
    EXPECT_DOUBLE_EQ(At(selected).fontSize, 7.5);
    EXPECT_DOUBLE_EQ(At(current).fontSize, 9);
    EXPECT_EQ(Steps().size(), 3);
    // An ended run starts a new step.
    document.EndRun();
    StepFontSize(document, kFontStep);
    EXPECT_EQ(Steps(), QStringList({"移动内容框", "改变内容框大小", "改变字体大小", "改变字体大小"}));

    // Nothing to act on: the key is not used and nothing changes.
    document.ClearSelection();
    document.SetCurrent(0);
    EXPECT_FALSE(NudgeBoxes(document, {0.2, 0}, false, Page()));
    EXPECT_FALSE(StepFontSize(document, kFontStep));
    EXPECT_EQ(Steps().size(), 4);
}

TEST_F(BoxEditing, PullsBoxesAndLineEndsOntoThePageAsOneStep) {
    const qint64 left = Add(BoxKind::Text, -5, -2);
    const qint64 low = Add(BoxKind::Picture, 200, 295);
    const qint64 inside = Add(BoxKind::Label, 10.0004, 10);
    const qint64 line = Add(BoxKind::Line, -10, 20, 230, 300);
    EXPECT_EQ(PullOntoPage(document, Page()), 3);
    EXPECT_EQ(PullOntoPage(document, Page()), 0);
    EXPECT_EQ(Steps(), QStringList({"检查凭据外内容框"}));
    EXPECT_EQ(At(left).x, 0);
    EXPECT_EQ(At(left).y, 0);
    EXPECT_DOUBLE_EQ(At(low).x, 190);
    EXPECT_DOUBLE_EQ(At(low).y, 291);
    EXPECT_EQ(At(inside).x, 10.0004);
    EXPECT_EQ(At(line).x, 0);
    EXPECT_DOUBLE_EQ(At(line).w, 210);
    EXPECT_DOUBLE_EQ(At(line).h, 297);
}
