// The bill-data tab: importing through the worksheet and mapping dialogs, stepping
// through the rows into the boxes, sorting, deleting, clearing and exporting.
#include "AppFixture.h"

#include "app/BillDataModel.h"
#include "app/BillDataView.h"
#include "app/MainWindow.h"
#include "app/MappingDialog.h"
#include "app/Session.h"
#include "app/SheetChoiceDialog.h"
#include "designer/DesignerView.h"
#include "exchange/ColumnMapping.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/RowSettings.h"
#include "store/Database.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

namespace {

using namespace ExchangeText;

class BillDataWindowTest : public AppFixture {
protected:
    void SetUp() override {
        session_ = OpenSession();
        ASSERT_TRUE(session_);
        StoreSampleFormat(*session_, "支票");
        window_ = std::make_unique<MainWindow>(*session_, asker_);
        window_->show();
        ASSERT_TRUE(window_->OpenFormat("支票", true));
        for (const BoxRecord& box : session_->CurrentFormat().boxes)
            ids_ << box.id; // 固定文字, 收款人, 现金
    }
    QString WriteCsv(const QString& name, const QByteArray& bytes) {
        QFile file(folder_.File(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    BillDataView& View() { return window_->BillDataTab(); }
    QString Value(int box) { return session_->CurrentBill().Value(ids_[box]); }
    void SetRows(const QList<QStringList>& rows) {
        BillData data;
        for (int i = 0; i < 3; ++i)
            data.columns << BillColumn{i == 2 ? 1001 : i + 1, ids_[i], session_->CurrentFormat().boxes[i].label};
        for (const QStringList& row : rows) data.rows << BillRow{int(data.rows.size()) + 1, row};
        View().SetData(data);
    }

    std::unique_ptr<Session> session_;
    std::unique_ptr<MainWindow> window_;
    QList<qint64> ids_;
};

// Runs `answer` on the dialog of type T once it is the modal window (the progress
// window may come first).
template <typename T, typename F>
void WhenShown(F answer, int tries = 200) {
    QTimer::singleShot(10, [answer, tries] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) answer(dialog);
        else if (tries > 0) WhenShown<T>(answer, tries - 1);
        else ADD_FAILURE() << "the dialog did not show";
    });
}

// Fills the mapping dialog once it shows: expressions by grid row, then the four row
// settings; a first OK with `refused` settings must leave the dialog open.
void AnswerMapping(const QStringList& expressions, const QStringList& settings,
                   const QStringList& refused = {}) {
    WhenShown<MappingDialog>([=](MappingDialog* dialog) {
        auto* mapping = dialog->findChild<QTableWidget*>("Mapping");
        for (int row = 0; row < expressions.size(); ++row) mapping->item(row, 4)->setText(expressions[row]);
        const auto fill = [dialog](const QStringList& values) {
            for (int i = 0; i < 4; ++i) dialog->findChild<QLineEdit*>(QStringLiteral("T%1").arg(i))->setText(values[i]);
        };
        if (!refused.isEmpty()) {
            fill(refused);
            dialog->accept();
            EXPECT_TRUE(dialog->isVisible());
        }
        fill(settings);
        dialog->accept();
    });
}

TEST_F(BillDataWindowTest, CsvImportFillsTheGridAndTheBoxes) {
    asker_.File(WriteCsv("单据.csv", "收款人,现金\n张三,是\n李四,\n王五,是\n"));
    AnswerMapping({"\"固定\"", "“收：”，A", "B"}, {"2", "9", "1", ""}, {"1", "30001", "1", ""});
    ASSERT_TRUE(window_->ImportData());
    EXPECT_EQ(asker_.messages, QStringList({kTooManyRows}));

    const BillData& data = View().Model().Data();
    ASSERT_EQ(data.rows.size(), 3);
    EXPECT_EQ(data.rows[1].values, QStringList({"固定", "收：李四", ""}));
    EXPECT_EQ(View().Model().headerData(0, Qt::Vertical, Qt::DisplayRole).toInt(), 1);
    // The mapping and settings were stored for the next import.
    EXPECT_EQ(LoadMapping(session_->Db(), "支票").value(ids_[1]), "“收：”，A");
    EXPECT_EQ(ReadRowSettings().end, "9");

    // The first row stands in the boxes; stepping moves on.
    EXPECT_EQ(Value(1), "收：张三");
    EXPECT_EQ(Value(2), "1");
    window_->findChild<QPushButton*>("CmdNext")->click();
    EXPECT_EQ(Value(1), "收：李四");
    EXPECT_EQ(Value(2), "");
    EXPECT_EQ(window_->findChild<QLabel*>("RowPosition")->text(), "2");
    EXPECT_EQ(window_->findChild<QLabel*>("RowCount")->text(), RowCountText(3));
    window_->findChild<QScrollBar*>("RowBar")->setValue(3);
    EXPECT_EQ(Value(1), "收：王五");
}

TEST_F(BillDataWindowTest, WorkbookImportAsksForTheSheet) {
    const QString first = WriteCsv("一.csv", "无关\n");
    const QString second = WriteCsv("二.csv", "赵六\n孙七\n");
    const QString workbook = folder_.File("两页.xlsx");
    ASSERT_EQ(QProcess::execute("ssconvert", {"--merge-to=" + workbook, first, second}), 0);
    asker_.File(workbook);
    WhenShown<SheetChoiceDialog>([](SheetChoiceDialog* dialog) {
        auto* sheets = dialog->findChild<QTableWidget*>();
        ASSERT_EQ(sheets->rowCount(), 2);
        EXPECT_EQ(sheets->item(0, 1)->text(), kChosenMark);
        dialog->Mark(1);
        EXPECT_TRUE(sheets->item(0, 1)->text().isEmpty());
        AnswerMapping({"", "A"}, {"1", "30000", "1", ""});
        dialog->accept();
    });
    ASSERT_TRUE(window_->ImportData());
    EXPECT_EQ(View().Model().Data().rows.size(), 2);
    EXPECT_EQ(Value(1), "赵六");

    asker_.File(WriteCsv("坏.xls", "not a workbook"));
    EXPECT_FALSE(window_->ImportData());
    asker_.File(WriteCsv("数据.txt", "a"));
    EXPECT_FALSE(window_->ImportData());
    EXPECT_EQ(asker_.messages, QStringList({kCannotOpenXls, kUnsupportedType}));
}

TEST_F(BillDataWindowTest, ARowEntersTheBoxesAsTypingWould) {
    // A row enters no fixed text: the unlabelled box keeps its own.
    const QString fixed = Value(0);
    SetRows({{"上//下", "1", ""}});
    EXPECT_EQ(Value(0), fixed);
    // A labelled box takes a line break written as the marker; an amount box in capitals.
    BoxRecord memo = session_->CurrentFormat().boxes[0];
    memo.label = "摘要";
    session_->Document().ChangeRecord(memo, "摘要");
    BoxRecord amount = session_->CurrentFormat().boxes[1];
    amount.cash = 103;
    session_->Document().ChangeRecord(amount, "金额");
    SetRows({{"上//下", "1234.5", " "}, {"", "8", ""}});
    EXPECT_EQ(Value(0), "上\n下");
    EXPECT_TRUE(Value(1).startsWith("壹仟贰佰叁拾肆元伍")) << Value(1).toStdString();
    EXPECT_EQ(Value(2), ""); // a blank value leaves the check box unchecked
    View().ShowRow(2);
    EXPECT_TRUE(Value(1).startsWith("捌元")) << Value(1).toStdString();
}

TEST_F(BillDataWindowTest, HeaderClicksSortAndMark) {
    SetRows({{"", "乙", ""}, {"", "10", ""}, {"", "9", ""}, {"", "甲", ""}});
    QHeaderView* header = View().Table()->horizontalHeader();
    Q_EMIT header->sectionClicked(1);
    QStringList order;
    for (const BillRow& row : View().Model().Data().rows) order << row.values[1];
    EXPECT_EQ(order, QStringList({"9", "10", "甲", "乙"}));
    EXPECT_EQ(View().Model().headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "收款人△");
    Q_EMIT header->sectionClicked(1);
    EXPECT_EQ(View().Model().Data().rows.first().values[1], "乙");
    EXPECT_EQ(View().Model().headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "收款人▽");
    Q_EMIT header->sectionClicked(0);
    EXPECT_EQ(View().Model().headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "收款人");
}

TEST_F(BillDataWindowTest, DeletingAndClearingAsk) {
    SetRows({{"", "1", ""}, {"", "2", ""}, {"", "3", ""}, {"", "4", ""}});
    asker_.No().Yes();
    EXPECT_FALSE(View().DeleteRows(2, 0, true));
    EXPECT_TRUE(View().DeleteRows(2, 0, true));
    EXPECT_EQ(asker_.questions.last(), DeleteRowsQuestion(1, 3));
    ASSERT_EQ(View().Model().Data().rows.size(), 1);
    EXPECT_EQ(View().Model().Data().rows[0].number, 4);
    EXPECT_FALSE(window_->findChild<QPushButton*>("CmdNext")->isEnabled());

    asker_.No().Yes();
    EXPECT_FALSE(View().ClearRows(true));
    EXPECT_TRUE(View().ClearRows(true));
    EXPECT_EQ(asker_.questions.last(), kClearAll);
    EXPECT_EQ(View().CurrentRow(), 0);
    EXPECT_EQ(window_->findChild<QLabel*>("RowCount")->text(), RowCountText(0));
}

TEST_F(BillDataWindowTest, ExportFromThePopupMenu) {
    SetRows({{"固定", "1,000", "1"}});
    const QString path = folder_.File("批量.csv");
    asker_.File(path);
    window_->findChild<QAction*>("mExportGrid")->trigger();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
              "\xEF\xBB\xBF" + QStringLiteral("序号\t,\t,收款人\t,现金\t\r\n1\t,固定\t,\"1,000\t\",1\t\r\n").toUtf8());
}

} // namespace
