// `vellumark print` keeps what it printed, and `vellumark history` lists it.
#include "core/CsvField.h"
#include "RecordsFixture.h"
#include "cli/PrintCommand.h"
#include "cli/HistoryCommand.h"
#include "records/HistorySql.h"
#include "store/Database.h"

#include <QTextStream>

namespace {

struct Outcome {
    int code;
    QString out, err;
};

template <typename Command>
Outcome RunCommand(Command command, const QStringList& args) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = command(args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

class HistoryCommandTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        format = StoreFormat("支票", {{BoxKind::Text, "收款人"}, {BoxKind::Text, "用途"},
                                      {BoxKind::Check, "现金"}});
    }
    Format format;
    Outcome Print(const QStringList& sets, const QStringList& more = {}) {
        QStringList args{"支票", "--pdf", folder.File("bill.pdf")};
        for (const QString& set : sets) args << "--set" << set;
        return RunCommand(RunPrintCommand, args + more);
    }
};

TEST_F(HistoryCommandTest, PrintedBillsAreListedNewestFirst) {
    ASSERT_EQ(Print({"收款人=甲", "现金=1"}).code, 0);
    ASSERT_EQ(Print({"收款人=乙, \"丙\"", "用途=货款"}).code, 0);
    ASSERT_EQ(Print({"收款人=不留"}, {"--no-history"}).code, 0);

    const Outcome csv = RunCommand(RunHistoryCommand, {"支票", "--csv"});
    ASSERT_EQ(csv.code, 0) << csv.err.toStdString();
    EXPECT_EQ(csv.out, "单据编号,收款人,用途,现金\n"
                       "2,\"乙, \"\"丙\"\"\",货款,\n"
                       "1,甲,,1\n");

    const Outcome text = RunCommand(RunHistoryCommand, {"支票", "--limit", "1"});
    ASSERT_EQ(text.code, 0) << text.err.toStdString();
    // Columns line up by display width: a Chinese character takes two.
    EXPECT_EQ(text.out, "单据编号  收款人    用途  现金\n"
                        "2         乙, \"丙\"  货款  \n");
}

// CSV is written bill by bill as the store is read: every bill once, newest first,
// past the size where reading shows its progress, values with line breaks quoted.
TEST_F(HistoryCommandTest, ManyBillsAsCsvComeWholeAndInOrder) {
    constexpr int kBills = 1200;
    {
        Database::Transaction transaction(*db);
        for (int bill = 1; bill <= kBills; ++bill) {
            db->Exec(HistorySql::kInsert, {bill, "支票", format.boxes[0].id, QStringLiteral("户%1").arg(bill)});
            if (bill % 2)
                db->Exec(HistorySql::kInsert, {bill, "支票", format.boxes[1].id, QStringLiteral("第一行\n第二行")});
        }
        ASSERT_TRUE(transaction.Commit());
    }
    const Outcome all = RunCommand(RunHistoryCommand, {"支票", "--csv"});
    ASSERT_EQ(all.code, 0) << all.err.toStdString();
    // The line break inside a quoted value, shown as a slash, so each bill is one line.
    const QStringList lines = QString(all.out).replace(QStringLiteral("行\n第"), QStringLiteral("行/第")).split('\n');
    ASSERT_EQ(lines.size(), kBills + 2); // the header, the bills, and the empty end
    EXPECT_EQ(lines[1], QStringLiteral("1200,户1200,,"));
    EXPECT_EQ(lines[2], QStringLiteral("1199,户1199,\"第一行/第二行\","));
    EXPECT_EQ(lines[kBills], QStringLiteral("1,户1,\"第一行/第二行\","));

    const Outcome newest = RunCommand(RunHistoryCommand, {"支票", "--csv", "--limit", "3"});
    EXPECT_EQ(newest.out, "单据编号,收款人,用途,现金\n1200,户1200,,\n1199,户1199,\"第一行\n第二行\",\n"
                          "1198,户1198,,\n");
}

TEST_F(HistoryCommandTest, BadArgumentsAndUnknownFormatsAreRefused) {
    struct Case {
        QStringList args;
        int code;
    };
    const Case cases[] = {
        {{}, 2}, {{"支票", "--limit"}, 2}, {{"支票", "--limit", "0"}, 2},
        {{"支票", "--wide"}, 2}, {{"支票", "汇票"}, 2}, {{"汇票"}, 1},
    };
    for (const Case& c : cases) {
        const Outcome outcome = RunCommand(RunHistoryCommand, c.args);
        EXPECT_EQ(outcome.code, c.code) << c.args.join(' ').toStdString();
        EXPECT_FALSE(outcome.err.isEmpty());
    }
    EXPECT_EQ(RunCommand(RunHistoryCommand, {"支票"}).out, "单据编号  收款人  用途  现金\n");
}

TEST(HistoryCommandText, WidthsAndCsvFields) {
    EXPECT_EQ(DisplayWidth("ab"), 2);
    EXPECT_EQ(DisplayWidth("收款人"), 6);
    EXPECT_EQ(DisplayWidth("ＡＢ￥"), 6);
    EXPECT_EQ(CsvField("1,000"), "\"1,000\"");
    EXPECT_EQ(CsvField("一\n二"), "\"一\n二\"");
    EXPECT_EQ(CsvField("plain"), "plain");
}

} // namespace
