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
