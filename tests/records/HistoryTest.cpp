// Storing bills: numbering per format, empty bills, all-or-nothing writes, and a
// stored bill coming back into the boxes.
#include "RecordsFixture.h"
#include "common/RefusedInserts.h"
#include "records/BoxValues.h"
#include "records/History.h"
#include "records/HistoryQueries.h"

namespace {

class HistoryTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        format = StoreFormat("支票", {{BoxKind::Text, "收款人"}, {BoxKind::Check, "现金"},
                                      {BoxKind::Picture, "印章"}, {BoxKind::Label, "标题"}});
    }
    qint64 Save(const QString& payee) {
        const SavedBill saved = SaveHistory(*db, format, BillOf(format, {{"收款人", payee}}));
        EXPECT_EQ(saved.outcome, SavedBill::Outcome::Added);
        return saved.number;
    }
    bool Delete(qint64 number) { return DeleteBills(*db, format.name, {number}); }

    Format format;
};

TEST_F(HistoryTest, TheNewestFreedNumberIsUsedAgainButOlderGapsAreNot) {
    EXPECT_EQ(Save("甲"), 1);
    EXPECT_EQ(Save("乙"), 2);
    EXPECT_EQ(Save("丙"), 3);
    ASSERT_TRUE(Delete(3));
    EXPECT_EQ(Save("丁"), 3);
    ASSERT_TRUE(Delete(2));
    EXPECT_EQ(Save("戊"), 4);
    // Another format counts on its own.
    const Format other = StoreFormat("汇票", {{BoxKind::Text, "收款人"}});
    EXPECT_EQ(SaveHistory(*db, other, BillOf(other, {{"收款人", "x"}})).number, 1);
}

TEST_F(HistoryTest, ABillWithoutValuesAddsNothing) {
    Save("甲");
    const Bill empty = BillOf(format, {{"收款人", ""}, {"现金", "0"}, {"印章", ""}});
    EXPECT_EQ(SaveHistory(*db, format, empty).outcome, SavedBill::Outcome::Empty);
    EXPECT_EQ(Count("SELECT count(*) FROM 历史"), 1);
    EXPECT_EQ(NextBillNumber(*db, format.name), 2);
}

TEST_F(HistoryTest, AFailedWriteIsReportedAndLeavesNoPartOfTheBill) {
    Save("甲");
    // The second row of the bill fails.
    ASSERT_TRUE(RefuseInserts(*db, QStringLiteral("历史"), QStringLiteral("NEW.CID=%1").arg(IdOf(format, "现金"))));
    const Bill bill = BillOf(format, {{"收款人", "乙"}, {"现金", "1"}});
    EXPECT_EQ(SaveHistory(*db, format, bill).outcome, SavedBill::Outcome::Failed);
    EXPECT_EQ(Count("SELECT count(*) FROM 历史"), 1);
    ASSERT_TRUE(AllowInserts(*db, QStringLiteral("历史")));
    EXPECT_EQ(SaveHistory(*db, format, bill).number, 2);
}

TEST_F(HistoryTest, AStoredBillComesBackExactlyWithAGrayedCheckBoxChecked) {
    const QString tricky = "O'Neil \"引号\" 100% a_b \\ 末尾";
    const Bill bill =
        BillOf(format, {{"收款人", tricky}, {"现金", "2"}, {"印章", "6901234567892"}});
    const SavedBill saved = SaveHistory(*db, format, bill);
    ASSERT_EQ(saved.outcome, SavedBill::Outcome::Added);
    EXPECT_EQ(db->Query("SELECT Con FROM 历史 WHERE CID=?", {IdOf(format, "现金")}).rows[0][0], "2");

    Bill reloaded;
    ASSERT_TRUE(LoadStoredBill(*db, format, saved.number, reloaded, ValueFilling{}));
    EXPECT_EQ(reloaded.Value(IdOf(format, "收款人")), tricky);
    EXPECT_EQ(reloaded.Value(IdOf(format, "现金")), "1");
    EXPECT_EQ(reloaded.Value(IdOf(format, "印章")), "6901234567892");
}

// A bill of more boxes than one statement stores is kept whole, each value once.
TEST_F(HistoryTest, ABillOfManyBoxesIsStoredWhole) {
    QList<BoxSpec> specs;
    QList<QPair<QString, QString>> values;
    for (int i = 0; i < 450; ++i) {
        specs.append({BoxKind::Text, QStringLiteral("栏%1").arg(i)});
        values.append({QStringLiteral("栏%1").arg(i), QStringLiteral("值%1").arg(i)});
    }
    const Format wide = StoreFormat("宽表", specs);
    ASSERT_EQ(Save("甲"), 1);
    const SavedBill saved = SaveHistory(*db, wide, BillOf(wide, values));
    ASSERT_EQ(saved.number, 1);
    EXPECT_EQ(Count("SELECT count(*) FROM 历史 WHERE Fmt=? AND ID=1", {wide.name}), 450);
    EXPECT_EQ(Count("SELECT count(DISTINCT CID) FROM 历史 WHERE Fmt=?", {wide.name}), 450);
    Bill reloaded;
    ASSERT_TRUE(LoadStoredBill(*db, wide, 1, reloaded, ValueFilling{}));
    EXPECT_EQ(reloaded.Value(IdOf(wide, "栏0")), "值0");
    EXPECT_EQ(reloaded.Value(IdOf(wide, "栏449")), "值449");
}

} // namespace
