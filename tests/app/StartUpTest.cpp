#include "AppFixture.h"

#include "app/BoxGridModel.h"
#include "app/MainWindow.h"
#include "app/Session.h"
#include "app/SingleInstance.h"
#include "app/WindowApp.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"
#include "store/StoreTexts.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

namespace {

class StartUp : public AppFixture {
protected:
    QString Label(MainWindow& window, const char* name) {
        return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    std::array<bool, 5> OptionBoxes(MainWindow& window) {
        std::array<bool, 5> states{};
        for (QCheckBox* box : window.findChildren<QCheckBox*>("O2"))
            states[box->property("index").toInt()] = box->isChecked();
        return states;
    }
};

} // namespace

TEST_F(StartUp, ANewDataFolderOpensAnEmptyWindowThatSaysHowToBegin) {
    std::unique_ptr<Session> session = OpenSession();
    ASSERT_TRUE(session);
    EXPECT_TRUE(QFile::exists(folder_.File("DATA.db")));

    MainWindow window(*session, asker_);
    window.StartUp();
    window.show();
    EXPECT_TRUE(QDir(folder_.File("Temp")).exists());
    EXPECT_FALSE(session->HasFormat());
    EXPECT_TRUE(Label(window, "LFMT").isEmpty());
    auto* hint = window.findChild<QLabel*>("NoFormatHint");
    ASSERT_TRUE(hint);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_TRUE(hint->text().contains("新建格式"));
    EXPECT_FALSE(window.findChild<QWidget*>("PFrm")->isVisible()); // no page to show yet
    EXPECT_EQ(window.BoxGrid().rowCount(), 0);
    EXPECT_EQ(session->LineBreakMarker(), "//");
    EXPECT_EQ(session->RoundingMethod(), 0);
    EXPECT_TRUE(asker_.shown.isEmpty());
}

TEST_F(StartUp, ReopensTheLastFormatWithItsOptionBoxesAndSettings) {
    {
        std::unique_ptr<Session> session = OpenSession();
        StoreSampleFormat(*session, "进账单", {1, 0, 1, 0, 1});
        ASSERT_TRUE(session->Formats().WriteLastUse("进账单", {0, 1, 0}));
        ASSERT_TRUE(session->Params().SetParam("NumCutMethod", "2"));
    }
    std::unique_ptr<Session> session = OpenSession();
    MainWindow window(*session, asker_);
    window.StartUp();
    window.show();

    EXPECT_EQ(Label(window, "LFMT"), "进账单");
    // The stored 11.5 and 9 are shifts of 1.5 mm left and 1 mm down, as typed.
    EXPECT_EQ(Label(window, "Wid"), "宽 210 mm");
    EXPECT_EQ(Label(window, "Hie"), "高 99 mm");
    EXPECT_EQ(Label(window, "M_X"), "向左移 1.5 mm");
    EXPECT_EQ(Label(window, "M_Y"), "向上移 -1 mm");
    EXPECT_FALSE(window.findChild<QLabel*>("NoFormatHint")->isVisible());
    // The format's own options win over the last-use row's.
    EXPECT_EQ(OptionBoxes(window), (std::array<bool, 5>{true, false, true, false, true}));
    EXPECT_EQ(window.BoxGrid().rowCount(), 3);
    EXPECT_EQ(session->RoundingMethod(), 2);

    // The unlabelled text box shows its saved text.
    const BoxRecord& fixed = session->CurrentFormat().boxes[0];
    EXPECT_EQ(session->CurrentBill().Value(fixed.id), "固定文字");

    // Opening rewrote the last-use row with the shown option boxes.
    const FormatStore::LastUse last = session->Formats().ReadLastUse();
    EXPECT_EQ(last.formatName, "进账单");
    ASSERT_TRUE(last.optionBoxes);
    EXPECT_EQ(*last.optionBoxes, (std::array<int, 3>{1, 0, 1}));
}

TEST_F(StartUp, ALastFormatThatNoLongerExistsLeavesTheWindowEmpty) {
    {
        std::unique_ptr<Session> session = OpenSession();
        ASSERT_TRUE(session->Formats().WriteLastUse("已删除", {1, 1, 1}));
    }
    std::unique_ptr<Session> session = OpenSession();
    MainWindow window(*session, asker_);
    window.StartUp();
    EXPECT_FALSE(session->HasFormat());
    EXPECT_TRUE(Label(window, "LFMT").isEmpty());
    EXPECT_EQ(OptionBoxes(window), (std::array<bool, 5>{true, true, true, false, false}));
}

TEST_F(StartUp, AnUnreadableDatabaseIsReportedAndLeftAlone) {
    const QByteArray junk("this is not a database file, but somebody's data");
    {
        QFile file(folder_.File("DATA.db"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(junk);
    }
    EXPECT_FALSE(::OpenSession(asker_));
    EXPECT_EQ(asker_.messages, QStringList({StoreTexts::Damaged(folder_.File("DATA.db")) + "\n"
                                            + StoreTexts::kNoBackup}));
    QFile file(folder_.File("DATA.db"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), junk);
}

TEST_F(StartUp, OnlyOneWindowPerDataFolder) {
    auto first = std::make_unique<SingleInstance>(folder_.Path());
    EXPECT_TRUE(first->Acquired());
    EXPECT_FALSE(SingleInstance(folder_.Path()).Acquired());
    QTemporaryDir other;
    EXPECT_TRUE(SingleInstance(other.path()).Acquired());
    first.reset();
    EXPECT_TRUE(SingleInstance(folder_.Path()).Acquired());
}

TEST_F(StartUp, ClosingStoresThePlacementThatTheNextStartRestores) {
    std::unique_ptr<Session> session = OpenSession();
    QSize closedSize;
    {
        MainWindow window(*session, asker_);
        window.StartUp();
        window.show();
        window.setGeometry(40, 50, 700, 500);
        closedSize = window.size();
        window.close();
    }
    const std::optional<ParamStore::Placement> stored =
        session->Params().ReadWindowPlacement("MF");
    ASSERT_TRUE(stored);
    EXPECT_GT(stored->width, 0);

    MainWindow again(*session, asker_);
    again.StartUp();
    EXPECT_EQ(again.size(), closedSize);
}
