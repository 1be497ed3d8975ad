// 从扫描图生成内容框 in the main window: the proposal reviewed over the scan, one edit,
// accept as one undoable step; the offer after a background picture is set.
#include "../app/AppFixture.h"
#include "BillGenerator.h"
#include "app/MainWindow.h"
#include "app/ProposalItem.h"
#include "app/ScanProposalDialog.h"
#include "app/Session.h"
#include "scan/ScanTexts.h"
#include "core/Progress.h"
#include "designer/DesignerView.h"
#include "document/FormatDocument.h"
#include "store/FormatStore.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QGraphicsView>
#include <QImage>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include <functional>

namespace {

// Runs `review` on the proposal dialog once it shows: the analysis before it keeps
// the event loop turning, so the dialog is looked for until it is there.
void ReviewWhenShown(std::function<void(ScanProposalDialog&)> review) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, review] {
        auto* dialog = qobject_cast<ScanProposalDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        poll->stop();
        poll->deleteLater();
        review(*dialog);
    });
    poll->start(20);
}

class ScanWindow : public AppFixture {
protected:
    ScanWindow() {
        bill_ = GenerateBill(3, LightScan(0.8));
        scan_ = folder_.File(QStringLiteral("扫描.jpg"));
        bill_.image.save(scan_, "JPG", 92);
        session_ = OpenSession();
        Format blank;
        blank.name = QStringLiteral("进账单");
        blank.page.width = bill_.pageMm.width();
        blank.page.height = bill_.pageMm.height();
        blank.page.options.optionBoxes = {1, 0, 0, 0, 1};
        SilentProgress progress;
        EXPECT_TRUE(session_->Formats().SaveFormat(blank, QString(), 15360, progress));
        EXPECT_TRUE(session_->Formats().WriteLastUse(blank.name, {0, 0, 0}));
        window_ = std::make_unique<MainWindow>(*session_, asker_);
        window_->StartUp();
        window_->show();
    }

    FormatDocument& Document() { return session_->Document(); }
    // The open format's page as the size prompt writes it.
    QString PageText() const {
        return QStringLiteral("%1x%2").arg(bill_.pageMm.width()).arg(bill_.pageMm.height());
    }
    void ChooseScan() { asker_.File(scan_).PreselectedItem().Text(PageText()); }
    void ProposeFromScan() { window_->findChild<QAction*>(QStringLiteral("mScanFmt"))->trigger(); }

    GeneratedBill bill_;
    QString scan_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(ScanWindow, EditedProposalEntersAsOneUndoableStep) {
    ASSERT_TRUE(Document().GetFormat().boxes.isEmpty());
    ChooseScan();
    asker_.Text(QStringLiteral("付款人全称"));
    int proposed = 0;
    QPointF movedTo;
    ReviewWhenShown([&](ScanProposalDialog& dialog) {
        QList<ProposalItem*> items = dialog.Items();
        proposed = int(items.size());
        ASSERT_GE(proposed, 3);
        // Nothing is in the format while the proposal is reviewed.
        EXPECT_TRUE(Document().GetFormat().boxes.isEmpty());
        items[0]->setSelected(true);
        dialog.RenameSelected();
        items[0]->setSelected(false);
        items[1]->setSelected(true);
        QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        QApplication::sendEvent(dialog.findChild<QGraphicsView*>(), &del);
        EXPECT_EQ(dialog.Items().size(), proposed - 1);
        movedTo = items[2]->pos() + QPointF(1.5, -0.5);
        items[2]->setPos(movedTo);
        dialog.findChild<QPushButton*>(QStringLiteral("scanAccept"))->click();
    });
    ProposeFromScan();
    ASSERT_GE(proposed, 3);
    EXPECT_TRUE(asker_.AllAnswered());

    const QList<BoxRecord>& boxes = Document().GetFormat().boxes;
    ASSERT_EQ(boxes.size(), proposed - 1);
    EXPECT_EQ(boxes[0].label, QStringLiteral("付款人全称"));
    EXPECT_NEAR(boxes[1].x, movedTo.x(), 0.01);
    EXPECT_NEAR(boxes[1].y, movedTo.y(), 0.01);
    EXPECT_EQ(window_->Designer().Boxes().size(), boxes.size());
    EXPECT_TRUE(QFileInfo::exists(BackgroundPicturePath(QStringLiteral("进账单"))));

    QUndoStack* undo = Document().UndoStack();
    EXPECT_EQ(undo->count(), 1);
    undo->undo();
    EXPECT_TRUE(Document().GetFormat().boxes.isEmpty());
    EXPECT_TRUE(window_->Designer().Boxes().isEmpty());
}

// Presses at `from` on the page, drags by `by` screen pixels and lets go; returns how
// far that moved on the page.
QPointF DragOnPage(QGraphicsView& view, const QPointF& from, const QPoint& by) {
    QWidget* port = view.viewport();
    const QPoint start = view.mapFromScene(from);
    QTest::mousePress(port, Qt::LeftButton, {}, start);
    QTest::mouseMove(port, start + by / 2);
    QTest::mouseMove(port, start + by);
    QTest::mouseRelease(port, Qt::LeftButton, {}, start + by);
    return view.mapToScene(start + by) - view.mapToScene(start);
}

TEST_F(ScanWindow, ProposedBoxIsResizedByDraggingItsEdgeAndCorner) {
    ChooseScan();
    QString label;
    QRectF expected;
    ReviewWhenShown([&](ScanProposalDialog& dialog) {
        const QList<ProposalItem*> items = dialog.Items();
        const auto wide = std::find_if(items.begin(), items.end(), [](ProposalItem* item) {
            return item->Box().mm.width() > 20 && item->Box().mm.height() > 5;
        });
        ASSERT_NE(wide, items.end());
        auto* view = dialog.findChild<QGraphicsView*>();
        view->ensureVisible(*wide, 200, 200);
        const QRectF before = (*wide)->Box().mm;
        label = (*wide)->Label();
        // Just inside the right edge, then just inside the top-left corner.
        const QPointF right = DragOnPage(*view, QPointF(before.right() - 0.3, before.center().y()), QPoint(20, 0));
        const QPointF corner = DragOnPage(*view, before.topLeft() + QPointF(0.3, 0.3), QPoint(-8, -12));
        expected = before.adjusted(corner.x(), corner.y(), right.x(), 0);
        EXPECT_GT(expected.width(), before.width() + 6);
        EXPECT_GT(expected.height(), before.height() + 2);
        // The middle still moves the box whole.
        const QPointF moved = DragOnPage(*view, expected.center(), QPoint(8, 4));
        expected.translate(moved);
        const QRectF shown = (*wide)->Box().mm;
        EXPECT_NEAR(shown.width(), expected.width(), 0.01);
        dialog.findChild<QPushButton*>(QStringLiteral("scanAccept"))->click();
    });
    ProposeFromScan();
    ASSERT_FALSE(label.isEmpty());
    const QList<BoxRecord>& boxes = Document().GetFormat().boxes;
    const auto box = std::find_if(boxes.begin(), boxes.end(), [&](const BoxRecord& b) { return b.label == label; });
    ASSERT_NE(box, boxes.end());
    EXPECT_NEAR(box->x, expected.x(), 0.01);
    EXPECT_NEAR(box->y, expected.y(), 0.01);
    EXPECT_NEAR(box->w, expected.width(), 0.01);
    EXPECT_NEAR(box->h, expected.height(), 0.01);
}

// A chosen scan is measured as the user says: by its resolution (the one its file
// records to start with) or by a page size (the format's to start with); a wrong
// answer is explained and asked again, and cancelling analyses nothing.
TEST_F(ScanWindow, ScanIsMeasuredByTheResolutionOrPageSizeChosen) {
    QSizeF shown;
    auto pageShown = [&shown] {
        ReviewWhenShown([&shown](ScanProposalDialog& dialog) {
            shown = dialog.findChild<QGraphicsView*>()->sceneRect().size();
            dialog.reject();
        });
    };
    // Twice the recorded resolution measures the page half as large.
    asker_.File(scan_).Item(1).Text(QStringLiteral("x")).Text(QStringLiteral("400"));
    pageShown();
    ProposeFromScan();
    EXPECT_TRUE(asker_.AllAnswered());
    EXPECT_EQ(asker_.presets.first(), QStringLiteral("200"));
    EXPECT_EQ(asker_.messages.value(0), ScanTexts::kBadDpi.arg(kLeastGivenDpi).arg(kMostGivenDpi));
    EXPECT_NEAR(shown.width(), bill_.pageMm.width() / 2, 1);
    EXPECT_NEAR(shown.height(), bill_.pageMm.height() / 2, 1);

    asker_.File(scan_).Item(0).Text(QStringLiteral("300")).Text(QStringLiteral("300x200"));
    pageShown();
    ProposeFromScan();
    EXPECT_TRUE(asker_.AllAnswered());
    EXPECT_EQ(asker_.presets.value(2), PageText());
    EXPECT_EQ(asker_.messages.value(1), ScanTexts::kBadSize);
    EXPECT_EQ(shown, QSizeF(300, 200));

    asker_.File(scan_).Item(std::nullopt);
    ProposeFromScan();
    EXPECT_TRUE(asker_.AllAnswered());
    EXPECT_EQ(asker_.messages.size(), 2);
    EXPECT_TRUE(Document().GetFormat().boxes.isEmpty());
}

TEST_F(ScanWindow, BackgroundOtherThanTheScanIsReplacedOnlyWhenAgreed) {
    const QString picture = BackgroundPicturePath(QStringLiteral("进账单"));
    QImage own(40, 20, QImage::Format_RGB32);
    own.fill(Qt::gray);
    ASSERT_TRUE(own.save(picture, "JPG"));
    // Boxes first: the format then has some, so setting a picture offers nothing more.
    ChooseScan();
    asker_.No();
    ReviewWhenShown([](ScanProposalDialog& dialog) { dialog.accept(); });
    ProposeFromScan();
    EXPECT_TRUE(asker_.AllAnswered());
    EXPECT_FALSE(Document().GetFormat().boxes.isEmpty());
    EXPECT_EQ(QImage(picture).size(), own.size());

    ChooseScan();
    asker_.Yes();
    ReviewWhenShown([](ScanProposalDialog& dialog) { dialog.accept(); });
    ProposeFromScan();
    EXPECT_TRUE(asker_.AllAnswered());
    EXPECT_GT(QImage(picture).width(), own.width());
}

TEST_F(ScanWindow, NewBackgroundOnAFormatWithoutBoxesOffersTheProposal) {
    // Declined offer: nothing changes.
    asker_.File(scan_).No();
    window_->Designer().ReplaceBackground();
    EXPECT_TRUE(asker_.AllAnswered());
    EXPECT_TRUE(Document().GetFormat().boxes.isEmpty());

    // Accepted offer, proposal cancelled in review: still nothing.
    asker_.File(scan_).Yes().Yes();
    ReviewWhenShown([](ScanProposalDialog& dialog) { dialog.reject(); });
    window_->Designer().ReplaceBackground();
    EXPECT_TRUE(asker_.AllAnswered());
    EXPECT_TRUE(Document().GetFormat().boxes.isEmpty());
    EXPECT_EQ(Document().UndoStack()->count(), 0);

    // Accepted as proposed.
    asker_.File(scan_).Yes().Yes();
    int proposed = 0;
    ReviewWhenShown([&](ScanProposalDialog& dialog) {
        proposed = int(dialog.Items().size());
        dialog.accept();
    });
    window_->Designer().ReplaceBackground();
    EXPECT_GT(proposed, 0);
    EXPECT_EQ(Document().GetFormat().boxes.size(), proposed);
    EXPECT_EQ(Document().UndoStack()->count(), 1);
}

} // namespace
