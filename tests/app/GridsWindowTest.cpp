// What the window's grids and their dialogs show: running numbers without gaps,
// columns wide enough for their texts, labels rather than internal numbers; and the
// progress window over the main window.
#include "AppFixture.h"

#include "app/BillDataView.h"
#include "app/ColumnOrderDialog.h"
#include "app/HistoryView.h"
#include "app/MainWindow.h"
#include "app/MappingDialog.h"
#include "app/ProgressWindow.h"
#include "app/Session.h"
#include "designer/DesignerView.h"
#include "exchange/BillData.h"
#include "records/HistoryModel.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

namespace {

class GridsWindowTest : public AppFixture {
protected:
    void SetUp() override {
        session_ = OpenSession();
        ASSERT_TRUE(session_);
        window_ = StartWindowOnSample(*session_);
        window_->resize(1100, 760);
        payee_ = session_->CurrentFormat().boxes[1].id;
        cash_ = session_->CurrentFormat().boxes[2].id;
    }
    void Trigger(const char* name) {
        QAction* action = window_->findChild<QAction*>(name);
        ASSERT_TRUE(action) << name;
        action->trigger();
    }
    void ShowTab(QWidget* tab) { window_->findChild<QTabWidget*>("MSFTabs")->setCurrentWidget(tab); }

    // The texts of a grid's visible column headers.
    static QStringList VisibleHeaders(const QTableView* table) {
        QStringList headers;
        for (int column = 0; column < table->model()->columnCount(); ++column)
            if (!table->isColumnHidden(column))
                headers << table->model()->headerData(column, Qt::Horizontal).toString();
        return headers;
    }
    // Whether the cell shows its whole text: the column holds the text and the cell's
    // margins on either side.
    static bool ShowsWhole(const QTableView* table, int row, int column) {
        const QString text = table->model()->index(row, column).data().toString();
        const int margins =
            2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
        return table->visualRect(table->model()->index(row, column)).width() >=
               table->fontMetrics().horizontalAdvance(text) + margins;
    }

    std::unique_ptr<Session> session_;
    std::unique_ptr<MainWindow> window_;
    qint64 payee_ = 0, cash_ = 0;
};

} // namespace

TEST_F(GridsWindowTest, HistoryRunningNumbersCloseUpAfterADelete) {
    for (const char* payee : {"甲", "乙", "丙", "丁"}) {
        EnterValue(*window_, payee_, QString::fromUtf8(payee));
        Trigger("mAddBills");
    }
    ShowTab(&window_->History());
    HistoryModel& model = window_->History().Model();
    ASSERT_EQ(model.rowCount(), 4);
    QTableView* table = window_->History().Table();
    table->selectRow(1);
    asker_.Yes();
    window_->History().findChild<QPushButton*>("CmdDeleteBills")->click();
    ASSERT_EQ(model.rowCount(), 3);
    QStringList numbers, payees;
    for (int row = 0; row < model.rowCount(); ++row) {
        numbers << model.index(row, HistoryModel::kRunningColumn).data().toString();
        payees << model.index(row, HistoryModel::kFirstDataColumn).data().toString();
    }
    EXPECT_EQ(numbers, QStringList({"1", "2", "3"}));
    EXPECT_EQ(payees, QStringList({"丁", "乙", "甲"}));
}

TEST_F(GridsWindowTest, DataGridColumnsShowTheirWholeTexts) {
    BillData data;
    data.columns << BillColumn{1, payee_, QStringLiteral("收款人")}
                 << BillColumn{1001, cash_, QStringLiteral("现金")};
    data.rows << BillRow{1, {QStringLiteral("远山文具有限公司"), QStringLiteral("1")}}
              << BillRow{2, {QStringLiteral("北京市海淀区远山文具有限公司第一分公司"), QString()}};
    window_->BillDataTab().SetData(data); // filled while another tab is in front
    ShowTab(&window_->BillDataTab());
    QTableView* table = window_->BillDataTab().Table();
    EXPECT_TRUE(ShowsWhole(table, 0, 0));
    EXPECT_TRUE(ShowsWhole(table, 1, 0));
}

TEST_F(GridsWindowTest, ColumnOrderDialogShowsLabelsInFullWidthColumns) {
    EnterValue(*window_, payee_, QString::fromUtf8("甲"));
    Trigger("mAddBills");
    ShowTab(&window_->History());
    QStringList headers;
    bool wholeNames = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<ColumnOrderDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        headers = VisibleHeaders(dialog->Grid());
        wholeNames = ShowsWhole(dialog->Grid(), 0, 4) && ShowsWhole(dialog->Grid(), 1, 4);
        dialog->reject();
    });
    window_->History().findChild<QPushButton*>("CmdColumnOrder")->click();
    EXPECT_EQ(headers, QStringList({"序号", "显示", "名称"}));
    EXPECT_TRUE(wholeNames);
}

TEST_F(GridsWindowTest, MappingGridNamesTheBoxesByTheirLabels) {
    QFile csv(folder_.File("单据.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("收款人,现金\n张三,是\n");
    csv.close();
    asker_.File(csv.fileName());
    QStringList headers, labels;
    QTimer::singleShot(10, [&] {
        auto* dialog = qobject_cast<MappingDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        auto* grid = dialog->findChild<QTableWidget*>("Mapping");
        headers = VisibleHeaders(grid);
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int column = 0; column < grid->columnCount(); ++column)
                if (!grid->isColumnHidden(column) && column != 4) labels << grid->item(row, column)->text();
        dialog->reject();
    });
    window_->ImportData();
    EXPECT_EQ(headers, QStringList({"序号", "输入框内容", "对应列号"}));
    EXPECT_EQ(labels, QStringList({"1", "", "2", "收款人", "3", "现金"}));
}

TEST_F(GridsWindowTest, ProgressShowsOverTheMiddleOfTheWindow) {
    window_->move(300, 200);
    auto* progress = window_->findChild<ProgressWindow*>("Progress");
    ASSERT_TRUE(progress);
    progress->Start(QStringLiteral("正在导入"), 10);
    const QPoint offset = progress->frameGeometry().center() - window_->frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4);
    progress->Close();
}
