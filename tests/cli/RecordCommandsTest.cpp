// The commands that show and change what is kept: defaults, deleting history bills,
// the format tree, and a history table that cannot be read.
#include "CliFixture.h"

#include "core/Progress.h"
#include "records/BoxValues.h"
#include "records/Defaults.h"
#include "records/RowCursor.h"
#include "store/Bill.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

#include <QFile>

namespace {

// The stored defaults of a format, label → value, as the window would put them in.
QMap<QString, QString> StoredDefaults(const QString& name) {
    const std::unique_ptr<Database> db = OpenDataDatabase();
    const std::optional<Format> format = FormatStore(*db).LoadFormat(name, 15360);
    Bill bill;
    SilentProgress progress;
    EXPECT_TRUE(LoadDefaults(*db, *format, bill, ValueFilling{}, progress));
    QMap<QString, QString> values;
    for (const BoxRecord* box : ValueBoxes(*format)) values[box->label] = StoredValue(*box, bill);
    return values;
}

} // namespace

TEST_F(CliTest, DefaultsAreListedAndTypedInWithTheEntryAids) {
    const CommandOutcome shown = Run({"defaults", kSlip});
    ASSERT_EQ(shown.code, 0) << shown.err.toStdString();
    EXPECT_TRUE(shown.out.contains(QStringLiteral("收款人=上海样张贸易有限公司\n")));

    // 金额 fills the 金额大写 it is linked to, as typing it into the window does.
    const CommandOutcome set = Run({"defaults", kSlip, "--set", "金额=5", "--set", "用途=房租"});
    ASSERT_EQ(set.code, 0) << set.err.toStdString();
    QMap<QString, QString> stored = StoredDefaults(kSlip);
    EXPECT_EQ(stored["金额大写"], QStringLiteral("伍元整"));
    EXPECT_EQ(stored["用途"], QStringLiteral("房租"));
    EXPECT_EQ(stored["收款人"], QStringLiteral("上海样张贸易有限公司")); // the others stay
    EXPECT_TRUE(set.out.contains(QStringLiteral("金额大写=伍元整\n")));

    // A label the format lacks changes nothing.
    EXPECT_EQ(Run({"defaults", kSlip, "--set", "用途=别的", "--set", "没有=1"}).code, 2);
    EXPECT_EQ(StoredDefaults(kSlip)["用途"], QStringLiteral("房租"));

    ASSERT_EQ(Run({"defaults", kSlip, "--clear", "--set", "用途=押金"}).code, 0);
    stored = StoredDefaults(kSlip);
    EXPECT_EQ(stored["用途"], QStringLiteral("押金"));
    EXPECT_TRUE(stored["收款人"].isEmpty());
    EXPECT_TRUE(stored["金额大写"].isEmpty());

    EXPECT_EQ(Run({"defaults", "没有"}).err, QStringLiteral("格式：“没有”不存在！\n"));
}

TEST_F(CliTest, HistoryBillsAreDeletedByNumberAllOrNone) {
    const QString pdf = folder_.File("p.pdf");
    for (const char* name : {"甲", "乙", "丙", "丁"})
        ASSERT_EQ(Run({"print", kLabel, "--set", QStringLiteral("收件人=") + name, "--pdf", pdf}).code, 0);
    ASSERT_EQ(StoredBills(kLabel), 4);

    // One number names no bill: nothing goes.
    CommandOutcome outcome = Run({"history", kLabel, "--delete", "1,7"});
    EXPECT_EQ(outcome.code, 1);
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("没有编号为 7 的单据"))) << outcome.err.toStdString();
    EXPECT_EQ(StoredBills(kLabel), 4);

    outcome = Run({"history", kLabel, "--delete", "1,3-4"});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    EXPECT_EQ(outcome.out, QStringLiteral("已删除 3 张单据\n"));
    outcome = Run({"history", kLabel, "--csv"});
    EXPECT_TRUE(outcome.out.contains(QStringLiteral("\n2,乙,"))) << outcome.out.toStdString();
    EXPECT_EQ(outcome.out.count('\n'), 2); // the header and bill 2
}

TEST_F(CliTest, ABillIsAddedWithoutPrintingAsTheWindowAddsIt) {
    const qint64 before = StoredBills(kSlip);
    CommandOutcome outcome = Run({"add", kSlip, "--set", "金额=5", "--set", "用途=房租"});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    EXPECT_EQ(outcome.out, QStringLiteral("已添加第 %1 张单据\n").arg(before + 1));
    ASSERT_EQ(StoredBills(kSlip), before + 1);
    // The bill starts from the format's defaults, and 金额 fills the 金额大写 it is linked to.
    outcome = Run({"history", kSlip, "--csv"});
    const QString newest = outcome.out.split('\n', Qt::SkipEmptyParts).last();
    for (const char* value : {"伍元整", "房租", "上海样张贸易有限公司"})
        EXPECT_TRUE(newest.contains(QString::fromUtf8(value))) << newest.toStdString();

    // A label the format lacks, or a format that does not exist, adds nothing.
    EXPECT_EQ(Run({"add", kSlip, "--set", "没有=1"}).code, 2);
    EXPECT_EQ(Run({"add", "没有"}).code, 1);
    EXPECT_EQ(Run({"add"}).code, 2);
    EXPECT_EQ(StoredBills(kSlip), before + 1);
}

TEST_F(CliTest, TheFormatTreeListsClassesWithTheirFormats) {
    const CommandOutcome outcome = Run({"formats", "--tree"});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.out.contains(QStringLiteral("快递\n  示例-快递运单\n"))) << outcome.out.toStdString();
    EXPECT_TRUE(outcome.out.contains(QStringLiteral("标签\n  示例-地址标签\n")));
    EXPECT_TRUE(outcome.out.endsWith(QStringLiteral("其他\n")));
    EXPECT_EQ(Run({"formats"}).out.count('\n'), 3);
}

TEST_F(CliTest, ADamagedHistoryTableIsReportedWithTheWayBack) {
    const QString pdf = folder_.File("p.pdf");
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(Run({"print", kLabel, "--set", QStringLiteral("收件人=某%1").arg(i), "--pdf", pdf}).code, 0);
    qint64 root = 0, pageSize = 0;
    {
        const std::unique_ptr<Database> db = OpenDataDatabase();
        root = db->Query(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = ?"), {"历史"})
                   .rows.value(0).value(0).toLongLong();
        pageSize = db->Query(QStringLiteral("PRAGMA page_size")).rows.value(0).value(0).toLongLong();
    }
    ASSERT_GT(root, 1);
    ASSERT_GT(pageSize, 0);
    QFile file(DataFolder::DatabasePath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek((root - 1) * pageSize);
    file.write(QByteArray(int(pageSize), '\x5A'));
    file.close();

    const CommandOutcome outcome = Run({"history", kLabel});
    EXPECT_EQ(outcome.code, 1);
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("已损坏"))) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("restore-backup"))) << outcome.err.toStdString();

    // Reading the rows one by one meets the damage too, and the store hears of it.
    const std::unique_ptr<Database> db = Database::Open(DataFolder::DatabasePath());
    ASSERT_TRUE(db);
    RowCursor cursor(*db, QStringLiteral("SELECT Con FROM 历史"), {});
    while (cursor.Next()) {}
    EXPECT_TRUE(cursor.Failed());
    EXPECT_TRUE(db->Damaged());
}
