// The history queries of the entry aids, and the indexes they run on.
#include "RecordsFixture.h"
#include "records/History.h"
#include "records/HistoryQueries.h"
#include "records/HistorySql.h"
#include "store/Schema.h"

namespace {

class HistoryQueriesTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        format = StoreFormat("汇款单", {{BoxKind::Text, "户名_1"}, {BoxKind::Text, "户名_2"},
                                        {BoxKind::Text, "户名X2"}, {BoxKind::Text, "编号"},
                                        {BoxKind::Text, "备注"}});
    }
    qint64 Add(const QList<QPair<QString, QString>>& values) {
        return SaveHistory(*db, format, BillOf(format, values)).number;
    }
    Format format;
};

TEST_F(HistoryQueriesTest, TheNewestBillWithTheValueIsFoundInTheBoxOrInItsLabelGroup) {
    Add({{"户名_2", "张三"}, {"编号", "001"}});
    Add({{"户名X2", "张三"}, {"户名_1", "李'四"}});
    Add({{"备注", "甲"}});
    const qint64 newest = Add({{"备注", "甲"}, {"编号", "002"}});

    EXPECT_EQ(FindLinkedBill(*db, "汇款单", IdOf(format, "备注"), "备注", "甲").number, newest);
    EXPECT_EQ(FindLinkedBill(*db, "汇款单", IdOf(format, "备注"), "备注", "乙").number, 0);
    // A grouped label looks through every box of its stem ("_" is no wildcard, so
    // 户名X2 is not one of them) and tells which group matched.
    const LinkedBill linked = FindLinkedBill(*db, "汇款单", IdOf(format, "户名_1"), "户名_1", "张三");
    EXPECT_EQ(linked.number, 1);
    EXPECT_EQ(linked.group, 2);
    EXPECT_EQ(FindLinkedBill(*db, "汇款单", IdOf(format, "户名_2"), "户名_2", "李'四").number, 2);

    const QList<BillValue> values = LoadLinkedBill(*db, "汇款单", 1);
    ASSERT_EQ(values.size(), 2);
    EXPECT_EQ(values[0].label, "户名_2");
    EXPECT_EQ(values[0].value, "张三");
    EXPECT_EQ(values[1].label, "编号");

    // Numbering reads the box's newest value, skipping bills without one.
    EXPECT_EQ(NewestValue(*db, "汇款单", IdOf(format, "编号")), "002");
    EXPECT_EQ(NewestValue(*db, "汇款单", IdOf(format, "户名X2")), "张三");
    EXPECT_EQ(NewestValue(*db, "其他", IdOf(format, "编号")), "");
}

TEST_F(HistoryQueriesTest, CompletionMatchesThePrefixLiterallyWithLettersInAnyCase) {
    for (const char* value : {"abc", "ABd", "ab1", "a_b", "axb", "a%b", "a\\b", "北京", "北京路", "b"})
        Add({{"备注", value}});
    Add({{"备注", "abc"}}); // repeated values come once
    const qint64 box = IdOf(format, "备注");
    const auto complete = [&](const QString& prefix, int limit = 10) {
        return ValuesStartingWith(*db, "汇款单", box, prefix, limit);
    };
    EXPECT_EQ(complete("ab"), QStringList({"ABd", "ab1", "abc"}));
    EXPECT_EQ(complete("aB", 2), QStringList({"ABd", "ab1"}));
    EXPECT_EQ(complete("a_"), QStringList({"a_b"}));
    EXPECT_EQ(complete("a%"), QStringList({"a%b"}));
    EXPECT_EQ(complete("a\\"), QStringList({"a\\b"}));
    EXPECT_EQ(complete("北京"), QStringList({"北京", "北京路"}));
    EXPECT_EQ(complete("c"), QStringList());
    EXPECT_EQ(ValuesStartingWith(*db, "汇款单", IdOf(format, "编号"), "a", 10), QStringList());
}

// Each history statement finds its rows through the index made for it, not by reading
// the table or a whole format's part of an index.
TEST_F(HistoryQueriesTest, EveryHistoryStatementRunsOnItsIndex) {
    struct Case {
        const char* name;
        QString sql;
        QVariantList params;
        QString search; // how the table must be searched
    };
    const QVariantList fmtId = {"汇款单", 3};
    const Case cases[] = {
        {"number", HistorySql::kHighestNumber, {"汇款单"}, "INDEX 历史_Fmt (Fmt=?)"},
        {"delete", HistorySql::kDeleteBill, fmtId, "INDEX 历史_Fmt (Fmt=? AND ID=?)"},
        {"job renamed", HistorySql::kRenameJobBills, {"新", "汇款单", 3}, "INDEX 历史_Fmt (Fmt=? AND ID>?)"},
        {"linked", HistorySql::kLinkedByBox, {"汇款单", 3, "x"},
         "INDEX 历史_FmtCidCon (Fmt=? AND CID=? AND Con=?)"},
        {"stem boxes", HistorySql::kStemBoxes, {"汇款单", "户名\\_%"}, "INDEX Fmt_Fmt (Fmt=?)"},
        {"linked bill", HistorySql::kLinkedBill, fmtId, "INDEX 历史_Fmt (Fmt=? AND ID=?)"},
        {"stored bill", HistorySql::kStoredBill, fmtId, "INDEX 历史_Fmt (Fmt=? AND ID=?)"},
        {"newest value", HistorySql::kNewestValue, fmtId, "INDEX 历史_FmtCid (Fmt=? AND CID=?)"},
        {"completion", HistorySql::kValuesStartingWith, {"汇款单", 3, "A", "b", "a%", 2},
         "INDEX 历史_FmtCidCon (Fmt=? AND CID=? AND Con>? AND Con<?)"},
        {"rows", HistorySql::kRows + HistorySql::kNewestFirst + HistorySql::kRowLimit,
         {"汇款单", 301}, "INDEX 历史_Fmt (Fmt=?)"},
        {"newest bills", HistorySql::kRows + HistorySql::kNewestBills + HistorySql::kNewestFirst,
         {"汇款单", "汇款单", 5}, "INDEX 历史_Fmt (Fmt=? AND ID>?)"},
    };
    for (const Case& c : cases) {
        const QueryResult plan = db->Query("EXPLAIN QUERY PLAN " + c.sql, c.params);
        ASSERT_FALSE(plan.failed) << c.name << db->LastError().toStdString();
        QStringList details;
        for (qsizetype row = 0; row < plan.rows.size(); ++row)
            details << plan.Value(row, "detail").toString();
        const QString text = details.join(" | ");
        EXPECT_TRUE(text.contains(c.search)) << c.name << ": " << text.toStdString();
        // Newest first comes from the index order, never from a sort of many rows.
        EXPECT_FALSE(text.contains("TEMP B-TREE")) << c.name << ": " << text.toStdString();
    }
}

// A file of an older layout gets the history indexes its lookups use at the next start,
// and loses the one on the box alone, which none used (a printed box wrote to it too).
TEST_F(HistoryQueriesTest, AnOlderFileGetsTheHistoryIndexesItsLookupsUse) {
    const QString used = "SELECT count(*) FROM sqlite_master WHERE name IN ('历史_FmtCid', '历史_FmtCidCon')";
    const QString unused = "SELECT count(*) FROM sqlite_master WHERE name='历史_CID'";
    ASSERT_EQ(Count(unused), 0); // a new file never has it
    ASSERT_TRUE(db->Exec("DROP INDEX 历史_FmtCid") && db->Exec("DROP INDEX 历史_FmtCidCon")
                && db->Exec("CREATE INDEX 历史_CID ON 历史(CID)") && db->Exec("PRAGMA user_version=1"));
    ASSERT_TRUE(UpgradeSchema(*db));
    EXPECT_EQ(Count(used), 2);
    EXPECT_EQ(Count(unused), 0);
    EXPECT_EQ(Count("PRAGMA user_version"), kSchemaVersion);
}

} // namespace
