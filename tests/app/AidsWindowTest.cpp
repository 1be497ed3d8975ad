// The entry aids in the window: leaving a box fills sums and rings, tied boxes are
// tinted, numeric boxes drop letters, tick boxes toggle, typing completes.
#include "AppFixture.h"

#include "aids/Relations.h"
#include "app/MainWindow.h"
#include "app/Session.h"
#include "core/Progress.h"
#include "designer/DesignerView.h"
#include "designer/PageCanvas.h"
#include "designer/TextInputBox.h"
#include "records/History.h"
#include "store/Bill.h"
#include "store/FormatStore.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

namespace {

class AidsWindowTest : public AppFixture {
protected:
    void SetUp() override {
        session_ = OpenSession();
        ASSERT_TRUE(session_);
        // 1 数量 and 2 加项 add into 3 合计, which shares a ring with 4 大写; 5 单价
        // takes numbers only; 6 is a tick box; 7 is plain text.
        const double t = double(kFirstTemporaryId);
        const QList<std::tuple<QString, double, double, double>> boxes = {
            {"数量", 0, 0, t + 2}, {"加项", 0, 0, t + 2}, {"合计", 104, t + 3, 0},
            {"大写", 103, t + 2, 0}, {"单价", 11, 0, 0},   {"勾", 115, 0, 0},
            {"客户", 0, 0, 0}};
        Format format;
        format.name = "销货单";
        format.page.width = 210;
        format.page.height = 99;
        for (int i = 0; i < boxes.size(); ++i) {
            BoxRecord box;
            box.id = kFirstTemporaryId + i;
            std::tie(box.label, box.cash, box.rctl, box.sumId) = boxes[i];
            box.x = 10, box.y = 5 + 12 * i, box.w = 50, box.h = 8, box.fontSize = 12;
            format.boxes << box;
        }
        SilentProgress progress;
        ASSERT_TRUE(session_->Formats().SaveFormat(format, QString(), 15360, progress));
        const Format stored = *session_->Formats().LoadFormat("销货单", 15360);
        Bill earlier;
        earlier.SetValue(stored.boxes[6].id, "甲公司");
        SaveHistory(session_->Db(), stored, earlier);

        window_ = std::make_unique<MainWindow>(*session_, asker_);
        window_->show();
        ASSERT_TRUE(window_->OpenFormat("销货单", true));
        // The progress window of the loading may take the activation as it goes.
        QTest::qWait(50);
        window_->activateWindow();
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    TextInputBox* Box(int index) {
        return qobject_cast<TextInputBox*>(window_->Designer().Boxes().value(index));
    }
    QString Text(int index) { return Box(index)->Content(); }
    // Key presses as a keyboard (or input method) sends them, one per character.
    void Keys(QWidget* target, const QString& keys) {
        for (QChar c : keys)
            QTest::sendKeyEvent(QTest::Click, target, c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
    }
    void TypeInto(int index, const QString& keys) {
        Box(index)->Editor()->setFocus();
        Keys(Box(index)->Editor(), keys);
    }

    std::unique_ptr<Session> session_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(AidsWindowTest, LeavingABoxFillsItsSumAndRingAndTintsTheTiedBoxes) {
    TypeInto(0, "12");
    TypeInto(1, "0.5");
    EXPECT_EQ(Text(2), "￥12.00"); // the first box was left; the second not yet
    TypeInto(6, "");
    EXPECT_EQ(Text(2), "￥12.50");
    EXPECT_EQ(Text(3), "壹拾贰元伍角整");

    // Focus on 数量 tints its sum target; a plain click on the page removes it.
    Box(0)->Editor()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(Box(2)->Editor()->palette().color(QPalette::Base), kSumTint);
    QTest::mouseClick(window_->Designer().Canvas(), Qt::LeftButton, Qt::KeyboardModifiers(), QPoint(700, 5));
    EXPECT_EQ(Box(2)->Editor()->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(AidsWindowTest, NumericBoxesDropLettersAndTickBoxesToggle) {
    TypeInto(4, "1a2.b5");
    EXPECT_EQ(Text(4), "12.5");
    QWidget* tick = Box(5)->Editor()->viewport();
    QTest::mouseClick(tick, Qt::LeftButton);
    EXPECT_EQ(Text(5), "√");
    QTest::mouseClick(tick, Qt::LeftButton);
    EXPECT_EQ(Text(5), "");
}

TEST_F(AidsWindowTest, TypingCompletesTheOneEarlierValueWithTheRestSelected) {
    TypeInto(6, "甲");
    QTest::qWait(150);
    EXPECT_EQ(Text(6), "甲公司");
    EXPECT_EQ(Box(6)->Editor()->textCursor().selectedText(), "公司");
    Keys(Box(6)->Editor(), "方");
    EXPECT_EQ(Text(6), "甲方");
}

} // namespace
