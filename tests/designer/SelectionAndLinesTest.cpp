// Selecting with clicks and the rubber band, and dragging lines on the canvas.
#include "ArrangeFixture.h"

#include "designer/LineInputBox.h"

#include <QRubberBand>

using SelectionAndLines = ArrangeFixture;

TEST_F(SelectionAndLines, TheRubberBandSelectsLiveWhatItTouches) {
    const qint64 touched = AddRecord(0, "甲", 40, 40).id;     // left edge at 2000 twips
    const qint64 beyond = AddRecord(4, "乙", 40.02, 60).id;   // left edge at 2001 twips
    const qint64 line = AddRecord(3, "", 20, 45, 30, 45).id;  // first end (1000, 2250)
    const qint64 kept = AddRecord(2, "丙", 150, 200).id;
    view.RebuildBoxes();
    document.SetSelected(kept, true);

    // Steps under 100 twips across do not move the band yet.
    Mouse(QEvent::MouseButtonPress, view.Canvas(), {1000, 1000}, Qt::LeftButton);
    EXPECT_FALSE(view.BoxById(kept)->IsSelected()); // a plain press clears the selection
    Mouse(QEvent::MouseMove, view.Canvas(), {1099, 1100}, Qt::LeftButton);
    auto* band = view.Canvas()->findChild<QRubberBand*>();
    EXPECT_TRUE(!band || !band->isVisible());
    Mouse(QEvent::MouseMove, view.Canvas(), {2000, 3100}, Qt::LeftButton);
    ASSERT_TRUE(view.Canvas()->findChild<QRubberBand*>() && view.Canvas()->findChild<QRubberBand*>()->isVisible());
    EXPECT_TRUE(view.BoxById(touched)->IsSelected());
    EXPECT_FALSE(view.BoxById(beyond)->IsSelected());
    EXPECT_TRUE(view.BoxById(line)->IsSelected());
    // Shrinking it back lets go again, live.
    Mouse(QEvent::MouseMove, view.Canvas(), {1900, 1100}, Qt::LeftButton);
    EXPECT_FALSE(view.BoxById(touched)->IsSelected());
    Mouse(QEvent::MouseButtonRelease, view.Canvas(), {1900, 1100}, Qt::NoButton);
    EXPECT_FALSE(view.Canvas()->findChild<QRubberBand*>()->isVisible());

    // With Ctrl the band adds to what is selected.
    document.SetSelected(kept, true);
    DragCanvas({1000, 1000}, {{2000, 3100}}, Qt::ControlModifier);
    EXPECT_TRUE(view.BoxById(kept)->IsSelected());
    EXPECT_TRUE(view.BoxById(touched)->IsSelected());
}

TEST_F(SelectionAndLines, CtrlClickTogglesABox) {
    const qint64 id = AddRecord(0, "甲", 40, 40).id;
    view.RebuildBoxes();
    InputBox* box = view.BoxById(id);
    const QPoint inside = box->Twips().topLeft() + QPoint(500, 150);
    Mouse(QEvent::MouseButtonPress, PartOf(box), inside, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_TRUE(box->IsSelected());
    Mouse(QEvent::MouseButtonPress, PartOf(box), inside, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_FALSE(box->IsSelected());
}

TEST_F(SelectionAndLines, LinesAreHitAtTheirEndsAndBodyWithinTheTolerance) {
    BoxRecord thin = AddRecord(3, "", 20, 100, 80, 100); // (1000, 5000) - (4000, 5000)
    thin.fontSize = 1; // one pixel: the least tolerance rules
    SetUpRecord(thin);
    const qint64 id = thin.id;
    view.RebuildBoxes();
    const struct {
        QPoint at;
        DragMode mode;
        Qt::CursorShape cursor;
    } cases[] = {
        {{1030, 4970}, DragMode::Move, Qt::SizeAllCursor},
        {{3970, 5030}, DragMode::Resize, Qt::SizeFDiagCursor},
        {{2500, 5030}, DragMode::WholeLine, Qt::CrossCursor},
        {{2500, 5031}, DragMode::None, Qt::ArrowCursor},
        {{969, 5000}, DragMode::None, Qt::ArrowCursor},
    };
    for (const auto& c : cases) {
        Hover(view.Canvas(), c.at);
        EXPECT_EQ(view.PointerMode(), c.mode) << c.at.x() << "," << c.at.y();
        EXPECT_EQ(view.Canvas()->cursor().shape(), c.cursor) << c.at.x() << "," << c.at.y();
    }

    const BoxRecord& record = *format.FindBox(id);
    // The first end point alone, then the second, then the whole line.
    DragCanvas({1000, 5000}, {{1012, 5000}, {1100, 5050}});
    EXPECT_DOUBLE_EQ(record.x, 22);
    EXPECT_DOUBLE_EQ(record.y, 101);
    EXPECT_DOUBLE_EQ(record.w, 80);
    EXPECT_DOUBLE_EQ(record.h, 100);
    DragCanvas({4000, 5000}, {{4500, 4500}});
    EXPECT_DOUBLE_EQ(record.w, 90);
    EXPECT_DOUBLE_EQ(record.h, 90);
    DragCanvas({2800, 4775}, {{2900, 4775}, {3000, 4675}}); // the body's midpoint
    EXPECT_DOUBLE_EQ(record.x, 26);
    EXPECT_DOUBLE_EQ(record.y, 99);
    EXPECT_DOUBLE_EQ(record.w, 94);
    EXPECT_DOUBLE_EQ(record.h, 88);
    // A plain click on the body selects the line; lines are not kept on the page.
    EXPECT_TRUE(view.BoxById(id)->IsSelected());
    document.SetSelected(id, false);
    DragCanvas({1300, 4950}, {{-1000, 4950}});
    EXPECT_DOUBLE_EQ(record.x, -20);
}
