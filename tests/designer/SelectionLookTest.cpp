// What a person sees of the selection in a grab of the canvas: boxes picked with
// Ctrl-click look picked, the current box has grips, and a box let go looks as before.
#include "DesignerFixture.h"

#include "designer/LineInputBox.h"
#include "designer/SelectionMark.h"
#include "designer/TextInputBox.h"

#include <QPlainTextEdit>

namespace {
class SelectionLook : public DesignerFixture {
protected:
    // The box as the canvas shows it.
    QImage Grab(const InputBox* box) { return view.Canvas()->grab(box->geometry()).toImage(); }
    static bool InSelectionColor(const QImage& image, QPoint at) {
        return image.pixelColor(at) == kSelectionColor;
    }
    static void CtrlClick(InputBox* box) {
        QWidget* target = box;
        if (auto* text = qobject_cast<TextInputBox*>(box)) target = text->Editor()->viewport();
        QTest::mouseClick(target, Qt::LeftButton, Qt::ControlModifier, QPoint(3, 3));
    }
};
} // namespace

TEST_F(SelectionLook, CtrlClickedBoxesAreFramedAndOnlyTheCurrentOneHasGrips) {
    AddRecord(0, "甲", 20, 20, 40, 10);
    AddRecord(0, "乙", 20, 40, 40, 10);
    AddRecord(2, "丙", 20, 60, 30, 15);
    InputBox* current = view.BoxByNumber(1);
    InputBox* picked = view.BoxByNumber(2);
    InputBox* picture = view.Boxes().at(2);
    const QImage pickedBefore = Grab(picked);
    const QImage pictureBefore = Grab(picture);

    view.SetCurrentBox(current);
    CtrlClick(current);
    CtrlClick(picked);
    CtrlClick(picture);
    ASSERT_TRUE(current->IsSelected() && picked->IsSelected() && picture->IsSelected());

    for (InputBox* box : {current, picked, picture}) {
        const QImage look = Grab(box);
        const QPoint middle(look.width() / 2, look.height() / 2);
        // A strong frame round the box, and a face that is no longer the plain one.
        EXPECT_TRUE(InSelectionColor(look, {1, middle.y()})) << box->Number();
        EXPECT_TRUE(InSelectionColor(look, {look.width() - 2, middle.y()})) << box->Number();
        EXPECT_NE(look.pixelColor(middle), QColor(Qt::white)) << box->Number();
    }
    // A grip sits in the middle of the current box's top edge, a few pixels in; other
    // boxes show their face there.
    const auto gripPoint = [](const QImage& look) { return QPoint(look.width() / 2 - 1, 3); };
    const QImage currentLook = Grab(current);
    EXPECT_TRUE(InSelectionColor(currentLook, gripPoint(currentLook)));
    const QImage pickedLook = Grab(picked);
    EXPECT_FALSE(InSelectionColor(pickedLook, gripPoint(pickedLook)));

    // Ctrl-clicked again, a box is let go and looks exactly as it did.
    CtrlClick(picked);
    CtrlClick(picture);
    EXPECT_EQ(Grab(picked), pickedBefore);
    EXPECT_EQ(Grab(picture), pictureBefore);
}

TEST_F(SelectionLook, GripsFollowTheCurrentBoxAndSurviveARebuild) {
    AddRecord(0, "甲", 20, 20, 40, 10);
    AddRecord(0, "乙", 20, 40, 40, 10);
    const auto hasGrip = [this](int number) {
        const QImage look = Grab(view.BoxByNumber(number));
        return InSelectionColor(look, {look.width() / 2 - 1, 3});
    };
    view.SetCurrentBox(view.BoxByNumber(1));
    EXPECT_TRUE(hasGrip(1));
    view.SetCurrentBox(view.BoxByNumber(2));
    EXPECT_FALSE(hasGrip(1));
    EXPECT_TRUE(hasGrip(2));
    view.RebuildBoxes(); // new box widgets for the same records
    EXPECT_TRUE(hasGrip(2));
}

// A line has no face to tint: a selected line is drawn in the selection colour.
TEST_F(SelectionLook, ASelectedLineIsDrawnInTheSelectionColour) {
    AddRecord(3, "", 20, 20, 60, 0);
    auto* line = qobject_cast<LineInputBox*>(view.Boxes().at(0));
    ASSERT_NE(line, nullptr);
    document.SetSelected(line->Id(), true);
    const QImage look = Grab(line);
    bool found = false;
    for (int y = 0; y < look.height() && !found; ++y)
        for (int x = 0; x < look.width() && !found; ++x) found = InSelectionColor(look, {x, y});
    EXPECT_TRUE(found);
}
