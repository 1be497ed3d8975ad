// The program in its parts: a command on the store alone runs from the program itself,
// loading none of the libraries of printing, spreadsheets and drawing; the other
// commands and the window come from modules, Qt's printers only for a print to a queue,
// the spreadsheet libraries only for an .xlsx or older .xls file, and a missing module is
// said so.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int code = -1;
    QString out, err;
};

// `loaderReport`: what the loader lists on stderr (LD_DEBUG): "files" for the libraries
// loaded, "bindings" for which object each symbol was taken from.
Outcome RunProgram(const QString& program, const QStringList& args, const char* loaderReport = nullptr) {
    QProcess process;
    if (loaderReport) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LD_DEBUG"), QLatin1String(loaderReport));
        process.setProcessEnvironment(environment);
    }
    process.start(program, args);
    if (!process.waitForFinished(60000)) return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

class ProgramModules : public ::testing::Test {
protected:
    void SetUp() override {
        program_ = qEnvironmentVariable("VELLUMARK_BINARY");
        if (program_.isEmpty() || !QFileInfo::exists(program_)) GTEST_SKIP() << "program not built";
        ASSERT_EQ(RunProgram(program_, {"--data-dir", data_.path(), "create-samples"}).code, 0);
    }
    QString program_;
    QTemporaryDir data_;
};

TEST_F(ProgramModules, StoreCommandsLoadNoneOfTheDrawingLibrariesTheOthersLoadTheirModule) {
    const Outcome formats = RunProgram(program_, {"--data-dir", data_.path(), "formats"}, "files");
    ASSERT_EQ(formats.code, 0) << formats.err.toStdString();
    EXPECT_TRUE(formats.out.contains(QStringLiteral("示例-银行进账单")));
    EXPECT_TRUE(formats.err.contains(QStringLiteral("libQt6Core"))) << "the loads are listed";
    // The store's cipher is part of the program, not a shared library bound on each start.
    for (const char* library : {"vellumark-commands.so", "vellumark-window.so", "libQt6PrintSupport",
                                "libQt6Widgets", "libxlsxwriter", "libzip", "libfreexl", "libsqlcipher",
                                "libcrypto"})
        EXPECT_FALSE(formats.err.contains(QLatin1String(library))) << library;

    const Outcome help = RunProgram(program_, {"help"}, "files");
    ASSERT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("vellumark print"))) << "help lists every command";
    EXPECT_TRUE(help.err.contains(QStringLiteral("vellumark-commands.so")));
    for (const char* library : {"vellumark-window.so", "libtesseract", "libopencv"})
        EXPECT_FALSE(help.err.contains(QLatin1String(library))) << library << ": the window module's alone";
}

TEST_F(ProgramModules, OnlyAPrintToAQueueLoadsThePrinters) {
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("bill.pdf"));
    const Outcome toFile = RunProgram(program_, {"--data-dir", data_.path(), "print", QStringLiteral("示例-银行进账单"),
                                                 "--set", QStringLiteral("收款人=甲"), "--pdf", pdf}, "files");
    ASSERT_EQ(toFile.code, 0) << toFile.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(pdf));
    for (const char* library : {"vellumark-printers.so", "libQt6PrintSupport", "libQt6Widgets", "vellumark-sheets.so",
                                "libxlsxwriter", "libzip", "libfreexl", "libcrypto"})
        EXPECT_FALSE(toFile.err.contains(QLatin1String(library))) << library;

    const Outcome toQueue = RunProgram(program_, {"--data-dir", data_.path(), "print", QStringLiteral("示例-银行进账单"),
                                                  "--set", QStringLiteral("收款人=甲"), "--printer",
                                                  QStringLiteral("没有这台打印机")}, "files");
    EXPECT_EQ(toQueue.code, 1);
    EXPECT_TRUE(toQueue.err.contains(QStringLiteral("vellumark-printers.so"))) << "the queue is looked up";
    EXPECT_TRUE(toQueue.err.contains(QStringLiteral("没有正常连接打印机"))) << toQueue.err.toStdString();

    // Without the printers module a print to a queue says what is missing; a PDF file still prints.
    QTemporaryDir alone;
    const QString copy = alone.filePath(QStringLiteral("vellumark"));
    ASSERT_TRUE(QFile::copy(program_, copy));
    ASSERT_TRUE(QFile::copy(QFileInfo(program_).dir().filePath(QStringLiteral("vellumark-commands.so")),
                            alone.filePath(QStringLiteral("vellumark-commands.so"))));
    const Outcome noModule = RunProgram(copy, {"--data-dir", data_.path(), "print", QStringLiteral("示例-银行进账单"),
                                               "--set", QStringLiteral("收款人=甲"), "--printer", "PDF"});
    EXPECT_EQ(noModule.code, 1);
    EXPECT_TRUE(noModule.err.contains(QStringLiteral("无法载入程序模块")) && noModule.err.contains(alone.path()))
        << noModule.err.toStdString();
    EXPECT_EQ(RunProgram(copy, {"--data-dir", data_.path(), "print", QStringLiteral("示例-银行进账单"), "--set",
                                QStringLiteral("收款人=甲"), "--pdf", out.filePath(QStringLiteral("alone.pdf"))})
                  .code,
              0);
}

// Qt's font engines look characters up through the program's tables (fontlookup/), and
// the bill they draw reads back whole.
TEST_F(ProgramModules, QtsFontEnginesLookCharactersUpThroughTheProgram) {
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("bill.pdf"));
    const Outcome print = RunProgram(program_, {"--data-dir", data_.path(), "print", QStringLiteral("示例-银行进账单"),
                                                "--set", QStringLiteral("收款人=张三丰贸易𠮷祥公司"), "--pdf", pdf},
                                     "bindings");
    ASSERT_EQ(print.code, 0) << print.err.toStdString();
    for (const char* symbol : {"FT_Get_Char_Index'", "FT_Done_Face'", "FT_Done_FreeType'"}) {
        static const QRegularExpression binding(QStringLiteral(R"(binding file \S*libQt6Gui\S* \[0\] to (\S+) .*`)"));
        const auto lines = print.err.split(QLatin1Char('\n')).filter(QLatin1String(symbol));
        const QStringList gui = lines.filter(QStringLiteral("libQt6Gui"));
        ASSERT_EQ(gui.size(), 1) << symbol;
        EXPECT_EQ(binding.match(gui.first()).captured(1), program_) << gui.first().toStdString();
    }
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(text.readAllStandardOutput()).contains(QStringLiteral("张三丰贸易𠮷祥公司")));
}

TEST_F(ProgramModules, OnlyAWorkbookLoadsTheSpreadsheetModule) {
    QTemporaryDir files;
    const QString csv = files.filePath(QStringLiteral("数据.csv"));
    const QString xlsx = files.filePath(QStringLiteral("数据.xlsx"));
    QFile text(csv);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QStringLiteral("收款人,金额\n甲公司,12.5\n").toUtf8());
    text.close();
    // The workbook as another program writes it.
    ASSERT_EQ(QProcess::execute(QStringLiteral("ssconvert"), {csv, xlsx}), 0);
    const auto import = [&](const QString& program, const QString& file, bool listLoads) {
        return RunProgram(program, {"--data-dir", data_.path(), "import-data", QStringLiteral("示例-银行进账单"), file,
                                    "--map", QStringLiteral("收款人=A"), "--rows", "2-2"},
                          listLoads ? "files" : nullptr);
    };

    const Outcome fromCsv = import(program_, csv, true);
    ASSERT_EQ(fromCsv.code, 0) << fromCsv.err.toStdString();
    EXPECT_TRUE(fromCsv.out.contains(QStringLiteral("甲公司")));
    EXPECT_FALSE(fromCsv.err.contains(QStringLiteral("vellumark-sheets.so")));
    const Outcome fromXlsx = import(program_, xlsx, true);
    ASSERT_EQ(fromXlsx.code, 0) << fromXlsx.err.toStdString();
    EXPECT_EQ(fromXlsx.out, fromCsv.out);
    EXPECT_TRUE(fromXlsx.err.contains(QStringLiteral("vellumark-sheets.so")));

    // Without the module a workbook is refused with what is missing; CSV still imports.
    QTemporaryDir alone;
    const QString copy = alone.filePath(QStringLiteral("vellumark"));
    ASSERT_TRUE(QFile::copy(program_, copy));
    ASSERT_TRUE(QFile::copy(QFileInfo(program_).dir().filePath(QStringLiteral("vellumark-commands.so")),
                            alone.filePath(QStringLiteral("vellumark-commands.so"))));
    const Outcome missing = import(copy, xlsx, false);
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains(QStringLiteral("无法载入程序模块")) && missing.err.contains(alone.path()))
        << missing.err.toStdString();
    EXPECT_EQ(import(copy, csv, false).out, fromCsv.out);
}

TEST_F(ProgramModules, WithoutItsModulesTheProgramStillRunsStoreCommandsAndNamesWhatIsMissing) {
    QTemporaryDir alone;
    const QString copy = alone.filePath(QStringLiteral("vellumark"));
    ASSERT_TRUE(QFile::copy(program_, copy));
    const Outcome formats = RunProgram(copy, {"--data-dir", data_.path(), "formats"});
    EXPECT_EQ(formats.code, 0) << formats.err.toStdString();
    EXPECT_TRUE(formats.out.contains(QStringLiteral("示例-快递运单")));

    for (const QStringList& args : {QStringList{"help"}, QStringList{"--data-dir", data_.path(), "history", "x"},
                                    QStringList{"--data-dir", data_.path()}}) {
        const Outcome run = RunProgram(copy, args);
        EXPECT_EQ(run.code, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("无法载入程序模块")) && run.err.contains(alone.path()))
            << run.err.toStdString();
    }
}

} // namespace

// Each part keeps its own copy of the fixed texts it uses: a text shared by name would be
// one more symbol the loader looks up every time a module loads.
TEST_F(ProgramModules, NoPartSharesItsFixedTextsByName) {
    const QDir folder = QFileInfo(program_).dir();
    for (const QString& part : {program_, folder.filePath(QStringLiteral("vellumark-commands.so")),
                                folder.filePath(QStringLiteral("vellumark-window.so"))}) {
        const Outcome symbols = RunProgram(QStringLiteral("readelf"), {"--dyn-syms", "--wide", "--demangle", part});
        if (symbols.code == -1) GTEST_SKIP() << "readelf not found";
        ASSERT_EQ(symbols.code, 0) << symbols.err.toStdString();
        // Texts live in namespaces named after their module: PrintText::kNoPrinter.
        static const QRegularExpression text(QStringLiteral(R"(\b\w+Texts?::k\w+)"));
        const QRegularExpressionMatch shared = text.match(symbols.out);
        EXPECT_FALSE(shared.hasMatch()) << part.toStdString() << " shares " << shared.captured().toStdString();
    }
}
