#include "cli/CommandLine.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

ParsedCommandLine Parse(const QStringList& arguments) { return ParseCommandLine(arguments); }

} // namespace

TEST(CommandLine, DataDirBelongsToTheProgramOnlyBeforeTheCommand) {
    ParsedCommandLine p = Parse({"--data-dir", "/d", "formats", "--data-dir", "x"});
    EXPECT_EQ(p.dataDir, "/d");
    EXPECT_EQ(p.command, "formats");
    EXPECT_EQ(p.args, QStringList({"--data-dir", "x"}));

    p = Parse({"--data-dir=/e"});
    EXPECT_EQ(p.dataDir, "/e");
    EXPECT_TRUE(p.command.isEmpty()); // no command: the window starts

    EXPECT_FALSE(Parse({"--data-dir"}).error.isEmpty());
    EXPECT_FALSE(Parse({"--data-dir="}).error.isEmpty());
}

TEST(CommandLine, DispatchesKnownCommandsAndRefusesUnknownOnes) {
    QStringList seen;
    const QList<SubCommand> table = {
        {"echo", "echo 参数", "repeats", SubCommand::Needs::Core,
         [&seen](const QStringList& args, QTextStream&, QTextStream&) {
             seen = args;
             return 7;
         }}};
    QString outText, errText;
    QTextStream out(&outText), err(&errText);

    EXPECT_EQ(RunSubCommand(Parse({"echo", "a", "b"}), table, out, err), 7);
    EXPECT_EQ(seen, QStringList({"a", "b"}));

    EXPECT_NE(RunSubCommand(Parse({"bogus"}), table, out, err), 0);
    err.flush();
    EXPECT_TRUE(errText.contains("bogus"));
    EXPECT_TRUE(errText.contains("echo")); // the usage lists what exists
}

TEST(CommandLine, ProgramExitsNonZeroOnAnUnknownCommandWithoutTouchingTheDataFolder) {
    const QString binary = qEnvironmentVariable("VELLUMARK_BINARY");
    if (binary.isEmpty() || !QFileInfo::exists(binary)) GTEST_SKIP() << "program not built";
    QTemporaryDir dir;
    QProcess process;
    process.start(binary, {"--data-dir", dir.path(), "no-such-command"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_NE(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardError().contains("no-such-command"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("DATA.db")));
}

TEST(CommandLine, TheProgramSpeaksChineseAboutItsOwnOptions) {
    const QString binary = qEnvironmentVariable("VELLUMARK_BINARY");
    if (binary.isEmpty() || !QFileInfo::exists(binary)) GTEST_SKIP() << "program not built";
    QProcess process;
    process.start(binary, {"--data-dir"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains(QStringLiteral("--data-dir 需要一个文件夹")));

    process.start(binary, {"help"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    const QString usage = QString::fromUtf8(process.readAllStandardOutput());
    for (const char* command : {"print", "history", "defaults", "formats", "import-data", "stats", "restore-backup"})
        EXPECT_TRUE(usage.contains(QStringLiteral("vellumark ") + command)) << command;
}

TEST(CommandLine, VersionPrintsTheProgramsVersionAndNeedsNoCommandTable) {
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    EXPECT_EQ(RunSubCommand(Parse({"--version"}), {}, out, err), 0);
    out.flush();
    EXPECT_TRUE(QRegularExpression(R"(^vellumark \d+(\.\d+)+\n$)").match(outText).hasMatch()) << outText.toStdString();
    EXPECT_TRUE(errText.isEmpty());
}
