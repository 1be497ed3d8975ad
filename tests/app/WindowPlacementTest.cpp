#include "AppFixture.h"

#include "app/Session.h"
#include "app/WindowPlacement.h"
#include "store/ParamStore.h"

#include <QScreen>
#include <QTest>
#include <QWidget>

namespace {

class Placement : public AppFixture {
protected:
    void SetUp() override { session_ = OpenSession(); }
    std::unique_ptr<Session> session_;
};

QRect FrameAfterRestore(ParamStore& params) {
    QWidget again;
    again.resize(300, 200);
    again.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&again));
    RestoreWindowPlacement(params, &again, "MF");
    return QRect(again.pos(), again.size());
}

} // namespace

TEST_F(Placement, ASavedWindowComesBackExactlyWhereItWas) {
    QRect closed;
    {
        QWidget window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.move(123, 87);
        window.resize(641, 433);
        closed = QRect(window.pos(), window.size());
        SaveWindowPlacement(session_->Params(), &window, "MF");
    }
    // Several starts in a row must not creep.
    EXPECT_EQ(FrameAfterRestore(session_->Params()), closed);
    QWidget window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    RestoreWindowPlacement(session_->Params(), &window, "MF");
    SaveWindowPlacement(session_->Params(), &window, "MF");
    EXPECT_EQ(FrameAfterRestore(session_->Params()), closed);
}

TEST_F(Placement, APlacementOffTheScreenIsBroughtBackOntoIt) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const char* stored : {"999999;999999;9000;6000", "-90000;-90000;9000;6000",
                               "0;300;999999;999999", "30000;0;9000;6000"}) {
        session_->Params().SetParam("窗口参数：MF", stored);
        QWidget window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        RestoreWindowPlacement(session_->Params(), &window, "MF");
        EXPECT_TRUE(screen.contains(window.frameGeometry())) << stored;
    }
}

TEST(KeepOnScreen, FitsAndMovesOnlyWhatReachesPastTheScreen) {
    const QRect screen(0, 0, 1000, 800);
    struct Case { QRect wanted, placed; };
    for (const Case& c : {Case{{10, 20, 300, 200}, {10, 20, 300, 200}},
                          Case{{900, 700, 300, 200}, {700, 600, 300, 200}},
                          Case{{-50, -10, 300, 200}, {0, 0, 300, 200}},
                          Case{{100, 100, 3000, 2000}, {0, 0, 1000, 800}}})
        EXPECT_EQ(KeepOnScreen(c.wanted, screen), c.placed) << c.wanted.x() << ',' << c.wanted.y();
}
