// The window's records: bills kept by printing and by the bill menu, the history tab,
// and the contents a format keeps across switching and restarting.
#include "AppFixture.h"

#include "app/ColumnOrderDialog.h"
#include "app/HistoryView.h"
#include "app/MainWindow.h"
#include "app/Session.h"
#include "designer/DesignerView.h"
#include "designer/InputBox.h"
#include "records/HistoryModel.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

namespace {

class HistoryWindowTest : public AppFixture {
protected:
    void SetUp() override { Start(); }
    // Opens the session and the window as the program starts, on the last format.
    void Start() {
        session_ = OpenSession();
        ASSERT_TRUE(session_);
        window_ = StartWindowOnSample(*session_);
        ASSERT_EQ(session_->CurrentFormat().name, "支票");
        payee_ = session_->CurrentFormat().boxes[1].id;
        cash_ = session_->CurrentFormat().boxes[2].id;
    }
    void Type(qint64 id, const QString& text) { EnterValue(*window_, id, text); }
    QString Shown(qint64 id) { return window_->Designer().BoxById(id)->Content(); }
    void Trigger(const char* name) {
        QAction* action = window_->findChild<QAction*>(name);
        ASSERT_TRUE(action) << name;
        action->trigger();
    }
    void PrintToPdf(const char* action) {
        asker_.File(folder_.File("bill.pdf"));
        ChoosePdfWhenAsked(2);
        Trigger(action);
    }
    qint64 Bills() {
        return session_->Db().Query("SELECT count(DISTINCT ID) FROM 历史").rows[0][0].toLongLong();
    }
    void OpenHistoryTab() {
        window_->findChild<QTabWidget*>("MSFTabs")->setCurrentWidget(&window_->History());
    }
    void OpenOtherTab() { window_->findChild<QTabWidget*>("MSFTabs")->setCurrentIndex(0); }
    HistoryModel& Model() { return window_->History().Model(); }
    void Click(const char* button) {
        window_->History().findChild<QPushButton*>(button)->click();
    }

    std::unique_ptr<Session> session_;
    std::unique_ptr<MainWindow> window_;
    qint64 payee_ = 0, cash_ = 0;
};

TEST_F(HistoryWindowTest, PrintingKeepsOneBillAndTheTabReadsAgainOnlyAfterAPrint) {
    Type(payee_, "张三");
    PrintToPdf("mPrint"); // two copies, one bill
    EXPECT_EQ(Bills(), 1);
    OpenHistoryTab();
    ASSERT_EQ(Model().rowCount(), 1);
    EXPECT_EQ(Model().index(0, HistoryModel::kFirstDataColumn).data(), "张三");
    EXPECT_FALSE(window_->History().findChild<QPushButton*>("CmdShowAll")->isEnabled());

    // A bill stored by someone else does not show by merely opening the tab again...
    session_->Db().Exec("INSERT INTO 历史(ID, Fmt, CID, Con) VALUES(9, '支票', ?, '外部')", {payee_});
    OpenOtherTab();
    OpenHistoryTab();
    EXPECT_EQ(Model().rowCount(), 1);
    // ...but after a print the tab reads the table again.
    OpenOtherTab();
    Type(payee_, "李四");
    PrintToPdf("mPrint");
    OpenHistoryTab();
    EXPECT_EQ(Model().rowCount(), 3);
    EXPECT_TRUE(asker_.AllAnswered());
}

TEST_F(HistoryWindowTest, TheBillMenuAddsTheBillAndStartsAnEmptyOne) {
    Type(payee_, "李四");
    Type(cash_, "1");
    Trigger("mAddBills");
    EXPECT_EQ(Bills(), 1);
    EXPECT_EQ(Shown(payee_), "");
    EXPECT_EQ(Shown(cash_), "");
    EXPECT_EQ(session_->CurrentBill().Value(session_->CurrentFormat().boxes[0].id), "固定文字");
    Trigger("mAddBills"); // nothing typed (the fixed text is no bill data): nothing added
    EXPECT_EQ(Bills(), 1);

    Type(payee_, "王五");
    PrintToPdf("mAddBillsAndPrint");
    EXPECT_EQ(Bills(), 2);
    EXPECT_EQ(Shown(payee_), "");

    // A bill that cannot be stored is reported and stays in the boxes.
    ASSERT_TRUE(session_->Db().Exec("CREATE TEMP TRIGGER refuse BEFORE INSERT ON main.历史 "
                                    "BEGIN SELECT RAISE(ABORT, 'full'); END"));
    Type(payee_, "赵六");
    Trigger("mAddBills");
    EXPECT_EQ(asker_.messages, QStringList({"单据未能保存到历史记录！"}));
    EXPECT_EQ(Shown(payee_), "赵六");
    EXPECT_EQ(Bills(), 2);
}

TEST_F(HistoryWindowTest, ContentsComeBackAfterSwitchingFormatsAndAfterARestart) {
    StoreSampleFormat(*session_, "汇票");
    Type(payee_, "张三");
    Type(cash_, "1");
    ASSERT_TRUE(window_->OpenFormat("汇票", false));
    EXPECT_EQ(session_->CurrentBill().Value(payee_), "");
    ASSERT_TRUE(window_->OpenFormat("支票", false));
    EXPECT_EQ(Shown(payee_), "张三");
    EXPECT_EQ(Shown(cash_), "1");

    Type(payee_, "赵六");
    window_->close();
    window_.reset();
    session_.reset();
    Start();
    EXPECT_EQ(Shown(payee_), "赵六");
    EXPECT_EQ(Shown(cash_), "1");
    EXPECT_EQ(session_->CurrentBill().Value(payee_), "赵六");
}

TEST_F(HistoryWindowTest, AStoredBillReloadsIntoTheBoxesAloneWithoutAddingOne) {
    Type(payee_, "甲");
    Type(cash_, "1");
    Trigger("mAddBills");
    Type(payee_, "乙");
    Trigger("mAddBills");
    Type(payee_, "正在填");
    OpenHistoryTab();
    QTableView* table = window_->History().Table();

    table->setCurrentIndex(Model().index(1, HistoryModel::kFirstDataColumn));
    window_->History().LoadCurrentBill();
    EXPECT_EQ(Shown(payee_), "甲");
    EXPECT_EQ(Shown(cash_), "1");
    table->setCurrentIndex(Model().index(0, HistoryModel::kFirstDataColumn));
    Click("CmdLoadBill");
    EXPECT_EQ(Shown(payee_), "乙");
    EXPECT_EQ(Shown(cash_), ""); // not left over from the bill shown before
    EXPECT_EQ(Bills(), 2);
}

TEST_F(HistoryWindowTest, ColumnOrderSearchAndDeletingWorkOnTheTab) {
    for (const char* payee : {"甲", "乙", "丙"}) {
        Type(payee_, payee);
        Trigger("mAddBills");
    }
    OpenHistoryTab();
    // The dialog: show 现金 first, then 收款人.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<ColumnOrderDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        QTableWidget* grid = dialog->Grid();
        // The fixed text box holds no bill data: it is no column.
        ASSERT_EQ(grid->rowCount(), 2);
        EXPECT_EQ(grid->horizontalHeaderItem(4)->text(), "名称");
        dialog->ToggleShown(0); // 收款人
        dialog->ToggleShown(1); // 现金
        grid->setCurrentCell(1, 1);
        dialog->MoveCurrent(-1);
        dialog->accept();
    });
    Click("CmdColumnOrder");
    EXPECT_EQ(session_->Params().GetParam("支票_列顺序"), QStringLiteral("%1;%2").arg(cash_).arg(payee_));
    ASSERT_EQ(Model().columnCount(), HistoryModel::kFirstDataColumn + 2);
    EXPECT_EQ(Model().headerData(HistoryModel::kFirstDataColumn, Qt::Horizontal).toString(), "现金");
    EXPECT_EQ(Model().index(0, HistoryModel::kFirstDataColumn + 1).data(), "丙");

    window_->History().FindInGrid("丁");
    EXPECT_EQ(asker_.messages, QStringList({"没有查到相关的记录！"}));
    window_->History().FindInGrid("乙");
    EXPECT_EQ(window_->History().Table()->currentIndex().row(), 1);

    QTableView* table = window_->History().Table();
    table->selectRow(0);
    table->selectionModel()->select(Model().index(1, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    asker_.Yes();
    Click("CmdDeleteBills");
    EXPECT_EQ(asker_.questions.last(), "您确定要删除第1至第2行？");
    EXPECT_EQ(Model().rowCount(), 1);
    EXPECT_EQ(Bills(), 1);
    asker_.No();
    Click("CmdDeleteAllBills");
    EXPECT_EQ(asker_.questions.last(), "您确定要删除第1至第1行？");
    EXPECT_EQ(Bills(), 1);
    EXPECT_TRUE(asker_.AllAnswered());
}

} // namespace
