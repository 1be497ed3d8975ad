// The format list FmtList and the selection dialog: marking, preview, search with its
// keyword history, deleting, the stored placement, and choosing from the menu.
#include "AppFixture.h"

#include "app/FormatListDialog.h"
#include "app/FormatListTexts.h"
#include "app/FormatTreeView.h"
#include "app/MainWindow.h"
#include "app/SelectNameDialog.h"
#include "app/Session.h"
#include "core/Progress.h"
#include "formatfile/FormatTree.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"
#include "store/StoreTexts.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

using namespace FormatListText;

class FormatListDialogTest : public AppFixture {
protected:
    void SetUp() override {
        session_ = OpenSession();
        ASSERT_TRUE(session_);
        // Listed by name: 丙快递, 乙支票, 甲支票.
        for (const char* name : {"甲支票", "乙支票", "丙快递"}) StoreSampleFormat(*session_, name);
        QImage scan(400, 200, QImage::Format_RGB32);
        scan.fill(Qt::white);
        ASSERT_TRUE(scan.save(BackgroundPicturePath("甲支票"), "JPG"));
        dialog_ = std::make_unique<FormatListDialog>(session_->Db(), asker_, progress_, "乙支票");
    }
    QTableWidget* Grid() { return dialog_->findChild<QTableWidget*>("FmtGrid"); }
    QComboBox* SearchBox() { return dialog_->findChild<QComboBox*>("FindText"); }
    QStringList Column(int column) {
        QStringList cells;
        for (int row = 0; row < Grid()->rowCount(); ++row) cells << Grid()->item(row, column)->text();
        return cells;
    }
    bool PreviewShowsPicture() {
        const QLabel* preview = dialog_->findChild<QLabel*>("Preview");
        return !preview->pixmap().isNull() && preview->text().isEmpty();
    }
    void Search(const QString& key) {
        SearchBox()->setEditText(key);
        dialog_->Search();
    }
    QStringList StoredKeywords() { return session_->Params().LoadKeywordHistory(kSearchHistoryParam); }

    std::unique_ptr<Session> session_;
    SilentProgress progress_;
    std::unique_ptr<FormatListDialog> dialog_;
};

TEST_F(FormatListDialogTest, TheMarkFollowsTheSelectionAndThePreviewShowsItsPicture) {
    EXPECT_EQ(Column(3), QStringList({"丙快递", "乙支票", "甲支票"}));
    EXPECT_EQ(Column(1), QStringList({"1", "2", "3"}));
    EXPECT_EQ(Column(4), QStringList({"210", "210", "210"}));
    EXPECT_TRUE(Grid()->isColumnHidden(0));
    EXPECT_EQ(Column(2), QStringList({"", kMark, ""}));
    EXPECT_EQ(dialog_->findChild<QLabel*>("Preview")->text(), kNoPicture);

    Grid()->selectRow(2);
    EXPECT_EQ(Column(2), QStringList({"", "", kMark}));
    EXPECT_EQ(dialog_->MarkedName(), "甲支票");
    EXPECT_TRUE(PreviewShowsPicture());
    dialog_->Choose();
    EXPECT_EQ(dialog_->ChosenName(), "甲支票");
}

TEST_F(FormatListDialogTest, SearchStepsThroughMatchesAndKeepsItsKeywords) {
    for (const char* expected : {"甲支票", "乙支票", "甲支票"}) {
        Search("支票");
        EXPECT_EQ(dialog_->MarkedName(), expected);
    }
    Search("没有");
    Search("");
    EXPECT_EQ(asker_.messages, QStringList({kNothingFound, kNoKeyword}));
    EXPECT_EQ(StoredKeywords(), QStringList({"没有", "支票"}));

    // Esc in the search box asks before emptying the list; the dialog stays open.
    dialog_->show();
    asker_.No().Yes();
    QTest::keyClick(SearchBox()->lineEdit(), Qt::Key_Escape);
    EXPECT_EQ(SearchBox()->count(), 2);
    QTest::keyClick(SearchBox()->lineEdit(), Qt::Key_Escape);
    EXPECT_EQ(SearchBox()->count(), 0);
    EXPECT_TRUE(StoredKeywords().isEmpty());
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(asker_.questions, QStringList({kClearSearchHistory, kClearSearchHistory}));
}

TEST_F(FormatListDialogTest, DeletingRemovesTheRowAndTheNodeButNeverTheOpenFormat) {
    ASSERT_TRUE(AddFormatToTree(session_->Db(), "甲支票"));
    dialog_->Delete();
    EXPECT_EQ(asker_.messages, QStringList{StoreTexts::kCurrentFormatNotDeletable});

    Grid()->selectRow(2);
    asker_.Yes();
    dialog_->Delete();
    EXPECT_EQ(Column(3), QStringList({"丙快递", "乙支票"}));
    EXPECT_EQ(Column(1), QStringList({"1", "2"}));
    EXPECT_EQ(asker_.messages.last(), kDeleted);
    EXPECT_FALSE(session_->Formats().Exists("甲支票"));
    EXPECT_FALSE(StoredFormatTree(session_->Db()).Contains("甲支票"));
}

TEST_F(FormatListDialogTest, PlacementAndKeywordsAreStoredOnClosingAndRestored) {
    dialog_->show();
    dialog_->setGeometry(40, 50, 760, 480);
    SearchBox()->setEditText("快递");
    dialog_->reject();
    EXPECT_EQ(StoredKeywords(), QStringList{"快递"});
    FormatListDialog again(session_->Db(), asker_, progress_, "乙支票");
    EXPECT_EQ(again.size(), QSize(760, 480));
    EXPECT_EQ(again.findChild<QComboBox*>("FindText")->itemText(0), "快递");
}

TEST_F(FormatListDialogTest, TheMenuOpensTheChosenFormatAndTheTreeFollowsTheList) {
    dialog_.reset();
    MainWindow window(*session_, asker_);
    window.StartUp();
    // The list is modal: answer it once it shows.
    QTimer::singleShot(0, [] {
        auto* list = qobject_cast<FormatListDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(list);
        list->findChild<QTableWidget*>("FmtGrid")->selectRow(0);
        for (QPushButton* button : list->findChildren<QPushButton*>())
            if (button->text() == kChoose) button->click();
    });
    window.findChild<QAction*>("mManageFmt")->trigger();
    EXPECT_EQ(session_->CurrentFormat().name, "丙快递");
    EXPECT_TRUE(window.findChild<FormatTreeView*>("TV")->FindNode("F丙快递")->font(0).bold());
}

TEST(SelectName, ChoicesAndTheNameAChoiceStandsFor) {
    Format format;
    BoxRecord payee;
    payee.id = 12;
    payee.label = QStringLiteral("收款人");
    format.boxes = {payee};
    EXPECT_EQ(SelectNameChoices(SelectMode::Box, nullptr, &format), QStringList{"12｜收款人"});
    EXPECT_EQ(SelectNameChoices(SelectMode::BoxKind, nullptr, nullptr).value(3), "3｜线条");
    for (const auto& [entry, name] : {std::pair{"12｜收款人", "12"}, {"甲｜乙｜丙", "甲"},
                                      {"工行进账单", "工行进账单"}, {"", ""}})
        EXPECT_EQ(SelectedName(entry), name);
}

} // namespace
