// The align and same-size commands over the selected boxes, in millimetres.
#include "EditingFixture.h"

#include "document/BoxAlignment.h"

using BoxAlignment = EditingFixture;

TEST_F(BoxAlignment, ReferencesComeFromTheSelectedBoxesThatTakePart) {
    const qint64 a = Add(BoxKind::Text, 10, 10, 20, 6);
    const qint64 b = Add(BoxKind::Picture, 15, 30, 30, 8);
    const qint64 check = Add(BoxKind::Check, 5, 70, 4, 4);
    Add(BoxKind::Line, 1, 1, 200, 1); // a line has no sides
    const qint64 unselected = Add(BoxKind::Text, 1, 1, 100, 100, false);
    const EditArea area{210, 297, 3.8};

    EXPECT_EQ(AlignReference(document, kAlignLeft, area), 5.0);
    EXPECT_EQ(AlignReference(document, kAlignTop, area), 10.0);
    EXPECT_EQ(AlignReference(document, kAlignRight, area), 45.0);
    EXPECT_DOUBLE_EQ(*AlignReference(document, kAlignBottom, area), 73.8); // the check box as shown
    EXPECT_EQ(AlignReference(document, kSameWidth, area), 30.0);           // not the check box
    EXPECT_EQ(AlignReference(document, kSameHeight, area), 8.0);

    ASSERT_TRUE(AlignBoxes(document, kAlignRight, 100, area));
    EXPECT_DOUBLE_EQ(At(a).x, 80);
    EXPECT_DOUBLE_EQ(At(b).x, 70);
    EXPECT_DOUBLE_EQ(At(check).x, 96.2);
    EXPECT_EQ(At(unselected).x, 1);
    // Kept on the page like any move.
    AlignBoxes(document, kAlignBottom, 400, area);
    EXPECT_DOUBLE_EQ(At(a).y, 291);
    EXPECT_DOUBLE_EQ(At(check).y, 293.2);
    EXPECT_EQ(Steps(), QStringList({"内容框对齐", "内容框对齐"}));
}

TEST_F(BoxAlignment, SameSizeIsOneStepAndNothingSelectedChangesNothing) {
    const qint64 a = Add(BoxKind::Text, 10, 10, 20, 6);
    const qint64 b = Add(BoxKind::Label, 10, 30, 30, 8);
    const qint64 check = Add(BoxKind::Check, 10, 70, 4, 4);
    ASSERT_TRUE(SameSize(document, 9, 11, Page()));
    for (qint64 id : {a, b}) {
        EXPECT_DOUBLE_EQ(At(id).h, 9);
        EXPECT_DOUBLE_EQ(At(id).w, 11);
    }
    EXPECT_DOUBLE_EQ(At(check).w, 4);
    // A blank answer for the height leaves the heights.
    SameSize(document, std::nullopt, 12, Page());
    EXPECT_DOUBLE_EQ(At(a).h, 9);
    EXPECT_DOUBLE_EQ(At(a).w, 12);
    EXPECT_EQ(Steps().size(), 2);
    document.UndoStack()->undo();
    document.UndoStack()->undo();
    EXPECT_DOUBLE_EQ(At(a).h, 6);
    EXPECT_DOUBLE_EQ(At(b).w, 30);

    document.ClearSelection();
    EXPECT_EQ(AlignReference(document, kAlignTop, Page()), std::nullopt);
    EXPECT_FALSE(AlignBoxes(document, kAlignTop, 5, Page()));
    EXPECT_FALSE(SameSize(document, 5, 5, Page()));
    EXPECT_EQ(document.UndoStack()->count(), 2);
    EXPECT_EQ(document.UndoStack()->index(), 0);
}

TEST_F(BoxAlignment, DistributingKeepsTheOuterBoxesAndEvensTheGapsInOneStep) {
    // Out of order on purpose: the order along the axis counts, not the order of adding.
    const qint64 c = Add(BoxKind::Text, 100, 10, 20, 6);
    const qint64 a = Add(BoxKind::Text, 10, 40, 10, 6);
    const qint64 b = Add(BoxKind::Picture, 25, 70, 30, 8);
    const qint64 check = Add(BoxKind::Check, 90, 5, 4, 4);
    Add(BoxKind::Line, 1, 1, 200, 1); // a line has no width to space
    const qint64 unselected = Add(BoxKind::Text, 50, 50, 5, 5, false);
    const EditArea area{210, 297, 3.8};

    ASSERT_TRUE(DistributeBoxes(document, true, area));
    // Span 10..120 holds 10 + 30 + 3.8 (the check box as shown) + 20 mm: three gaps of 15.4.
    EXPECT_DOUBLE_EQ(At(a).x, 10);
    EXPECT_DOUBLE_EQ(At(b).x, 35.4);
    EXPECT_DOUBLE_EQ(At(check).x, 80.8);
    EXPECT_DOUBLE_EQ(At(c).x, 100);
    EXPECT_EQ(At(b).y, 70) << "across only";
    EXPECT_EQ(At(unselected).x, 50);
    EXPECT_EQ(Steps(), QStringList({"内容框等距分布"}));
    document.UndoStack()->undo();
    EXPECT_EQ(At(b).x, 25);
    EXPECT_EQ(At(check).x, 90);

    ASSERT_TRUE(DistributeBoxes(document, false, area));
    // Down: the check box (top 5) and b (bottom 78) stay; c, a between them.
    EXPECT_DOUBLE_EQ(At(check).y, 5);
    EXPECT_DOUBLE_EQ(At(b).y, 70);
    const double gap = (78 - 5 - (3.8 + 6 + 6 + 8)) / 3;
    EXPECT_DOUBLE_EQ(At(c).y, 5 + 3.8 + gap);
    EXPECT_DOUBLE_EQ(At(a).y, 5 + 3.8 + gap + 6 + gap);

    document.ClearSelection();
    document.SetSelected(a, true);
    document.SetSelected(b, true);
    const int steps = document.UndoStack()->count();
    EXPECT_FALSE(DistributeBoxes(document, true, area)) << "two boxes have no gap between them to even";
    EXPECT_EQ(document.UndoStack()->count(), steps);
}
