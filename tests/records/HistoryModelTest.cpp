// The history grid's model: the 300-value first showing, reading only when needed,
// sorting by header, deleting rows after the question, and the cyclic search.
#include "RecordsFixture.h"
#include "common/ScriptedAsker.h"
#include "records/GridSearch.h"
#include "records/History.h"
#include "records/HistoryModel.h"
#include "store/ParamStore.h"

namespace {

class HistoryModelTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        format = StoreFormat("单据", {{BoxKind::Text, "名称"}, {BoxKind::Text, "金额"}});
    }
    void Add(const QString& name, const QString& amount) {
        ASSERT_EQ(SaveHistory(*db, format, BillOf(format, {{"名称", name}, {"金额", amount}})).outcome,
                  SavedBill::Outcome::Added);
    }
    QString Cell(int row, int column) { return model.index(row, column).data().toString(); }
    QStringList Column(int column) {
        QStringList cells;
        for (int row = 0; row < model.rowCount(); ++row) cells << Cell(row, column);
        return cells;
    }
    QString Header(int column) { return model.headerData(column, Qt::Horizontal).toString(); }

    Format format;
    ParamStore params{*db};
    HistoryModel model{*db, params};
    static constexpr int kName = HistoryModel::kFirstDataColumn;
    static constexpr int kAmount = HistoryModel::kFirstDataColumn + 1;
};

TEST_F(HistoryModelTest, TheFirstShowingReads300ValuesAndShowAllReadsTheRest) {
    for (int i = 1; i <= 150; ++i) Add(QString::number(i), "1");
    ASSERT_EQ(SaveHistory(*db, format, BillOf(format, {{"名称", "最新"}})).number, 151);

    // 301 stored values: the newest bill first, the oldest one shown only in part.
    ASSERT_TRUE(model.Show("单据", HistoryModel::kFirstLimit, progress));
    EXPECT_TRUE(model.MoreLeft());
    ASSERT_EQ(model.rowCount(), 151);
    EXPECT_EQ(Cell(0, HistoryModel::kBillColumn), "151");
    EXPECT_EQ(Cell(0, HistoryModel::kRunningColumn), "1");
    EXPECT_EQ(Cell(0, kName), "最新");
    EXPECT_EQ(Cell(150, HistoryModel::kBillColumn), "1");
    EXPECT_EQ(int(Cell(150, kName).isEmpty()) + int(Cell(150, kAmount).isEmpty()), 1);
    EXPECT_EQ(Header(HistoryModel::kRunningColumn), "序号");
    EXPECT_EQ(Header(kName), "名称");
    EXPECT_EQ(model.headerData(kAmount, Qt::Horizontal, Qt::UserRole).toLongLong(),
              IdOf(format, "金额"));

    ASSERT_TRUE(model.Show("单据", 0, progress));
    EXPECT_FALSE(model.MoreLeft());
    EXPECT_EQ(Cell(150, kName), "1");
    EXPECT_EQ(Cell(150, kAmount), "1");
}

TEST_F(HistoryModelTest, ShowingTheSameFormatAgainReadsNothingUntilForgotten) {
    Add("甲", "1");
    EXPECT_TRUE(model.Show("单据", 300, progress));
    Add("乙", "2");
    EXPECT_FALSE(model.Show("单据", 300, progress));
    EXPECT_EQ(model.rowCount(), 1);
    model.Forget(); // a bill was printed
    EXPECT_TRUE(model.Show("单据", 300, progress));
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_TRUE(model.Show("单据", 0, progress)); // another limit reads again
}

TEST_F(HistoryModelTest, AHeaderClickSortsNumbersAsNumbersAndTogglesTheMarker) {
    for (const char* amount : {"10", "abc", "9", "", "1,000.5", "-2"}) Add("x", amount);
    ASSERT_TRUE(model.Show("单据", 0, progress));
    model.SortByHeader(kAmount);
    EXPECT_EQ(Column(kAmount), QStringList({"", "-2", "9", "10", "1,000.5", "abc"}));
    EXPECT_EQ(Header(kAmount), "金额△");
    model.SortByHeader(kAmount);
    EXPECT_EQ(Column(kAmount), QStringList({"abc", "1,000.5", "10", "9", "-2", ""}));
    EXPECT_EQ(Header(kAmount), "金额▽");
    // The bill numbers travel with their rows.
    EXPECT_EQ(Cell(0, HistoryModel::kBillColumn), "2");
    model.SortByHeader(HistoryModel::kRunningColumn);
    EXPECT_EQ(Header(kAmount), "金额");
    EXPECT_EQ(Header(HistoryModel::kRunningColumn), "序号△");
    EXPECT_EQ(Column(HistoryModel::kRunningColumn), QStringList({"1", "2", "3", "4", "5", "6"}));
}

TEST_F(HistoryModelTest, DeletingRowsAsksWithTheirNumbersAndRemovesTheirBills) {
    for (int i = 1; i <= 5; ++i) Add(QString::number(i), "1");
    ASSERT_TRUE(model.Show("单据", 300, progress));
    ScriptedAsker asker;
    asker.No().Yes();
    EXPECT_FALSE(model.DeleteRows(2, 0, asker));
    EXPECT_EQ(asker.questions, QStringList({"您确定要删除第1至第3行？"}));
    EXPECT_EQ(model.rowCount(), 5);
    EXPECT_TRUE(model.DeleteRows(0, 2, asker));
    EXPECT_EQ(Column(kName), QStringList({"2", "1"}));
    EXPECT_EQ(Count("SELECT count(DISTINCT ID) FROM 历史 WHERE Fmt='单据'"), 2);
    EXPECT_EQ(NextBillNumber(*db, "单据"), 3);
}

TEST_F(HistoryModelTest, SearchWalksThroughTheMatchingRowsInDataColumnsOnly) {
    for (const char* name : {"乙", "甲方", "丙", "甲", "丁"}) Add(name, "7");
    ASSERT_TRUE(model.Show("单据", 300, progress));
    // Rows newest first: 丁, 甲, 丙, 甲方, 乙.
    const int first = FindRowContaining(model, HistoryModel::kFirstDataColumn, " 甲 ", 0);
    EXPECT_EQ(first, 1);
    const int second = FindRowContaining(model, HistoryModel::kFirstDataColumn, "甲",
                                         SearchStartRow(first, true, model.rowCount()));
    EXPECT_EQ(second, 3);
    EXPECT_EQ(FindRowContaining(model, HistoryModel::kFirstDataColumn, "甲",
                                SearchStartRow(second, true, model.rowCount())),
              1);
    // Bill and running numbers are not searched; case matters.
    EXPECT_EQ(FindRowContaining(model, HistoryModel::kFirstDataColumn, "5", 0), -1);
    EXPECT_EQ(FindRowContaining(model, HistoryModel::kFirstDataColumn, "", 0), -1);
    EXPECT_EQ(SearchStartRow(4, true, 5), 0);
    EXPECT_EQ(SearchStartRow(4, false, 5), 4);
}

} // namespace
