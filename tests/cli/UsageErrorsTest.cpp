// Every command's bad arguments: exit code 2, a Chinese message and the usage line,
// and nothing printed or stored.
#include "CliFixture.h"

#include <QDir>
#include <QRegularExpression>

namespace {

bool HasChinese(const QString& text) {
    static const QRegularExpression kHan(QStringLiteral("\\p{Han}"));
    return kHan.match(text).hasMatch();
}

} // namespace

TEST_F(CliTest, BadArgumentsOfEveryCommandAreUsageErrorsInChinese) {
    const QString csv = WriteFile("rows.csv", "收件人,地址\n甲,北京\n乙,上海\n");
    const QString pdf = folder_.File("out.pdf");
    const QStringList print = {"print", kLabel, "--data", csv, "--pdf", pdf};
    const QList<QStringList> cases = {
        print + QStringList{"--rows", "a-b"},
        print + QStringList{"--rows", "3-x"},
        print + QStringList{"--rows", "x-3"},
        print + QStringList{"--labels", "2.5x3"},
        print + QStringList{"--labels", "4x2", "--sheet-size", "0x100"},
        print + QStringList{"--paper", "Letter"},
        print + QStringList{"--copies", "1.5"},
        print + QStringList{"--bills", "1"},
        {"print", kLabel, "--set", "收件人", "--pdf", pdf},
        {"print", kLabel, "--pdf", pdf, "--printer", "PDF"},
        {"print", kLabel},
        {"print", kLabel, "--bogus", "--pdf", pdf},
        {"import-data", kLabel, csv, "--interval", "0"},
        {"import-data", kLabel, csv, "--interval", "-2"},
        {"import-data", kLabel, csv, "--interval", "x"},
        {"import-data", kLabel, csv, "--rows", "a-b"},
        {"import-data", kLabel, csv, "--marker", "1"},
        {"import-data", kLabel},
        {"history", kLabel, "--limit", "0"},
        {"history", kLabel, "--delete", "5-3"},
        {"history", kLabel, "--delete", "1", "--csv"},
        {"history"},
        {"defaults"},
        {"defaults", kLabel, "--set", "=1"},
        {"formats", "extra"},
        {"formats", "--bogus"},
        {"stats", kLabel, "--count"},
        {"stats", kLabel, "--from", "2026-13-01", "--to", "2026-12-31", "--count", "--date-box", "x"},
        {"import-format"},
        {"export-format", kLabel},
        {"rename-format", kLabel},
        {"delete-format"},
        {"restore-backup", "a", "b"},
        {"create-samples", "x"},
        {"no-such-command"},
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CommandOutcome outcome = Run(args);
        EXPECT_EQ(outcome.code, 2) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.out.isEmpty());
        EXPECT_TRUE(HasChinese(outcome.err)) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.contains(QStringLiteral("用法：vellumark"))) << outcome.err.toStdString();
        EXPECT_FALSE(outcome.err.contains("usage", Qt::CaseInsensitive));
    }
    // The header row was never printed as a bill.
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(StoredBills(kLabel), 0);
}

TEST_F(CliTest, TheMessageNamesTheOptionAndTheValue) {
    const QString csv = WriteFile("rows.csv", "收件人\n甲\n");
    const CommandOutcome outcome = Run({"import-data", kLabel, csv, "--interval", "-2"});
    EXPECT_TRUE(outcome.err.startsWith(QStringLiteral("--interval 的值“-2”无效"))) << outcome.err.toStdString();
}
