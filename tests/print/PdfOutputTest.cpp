// PDF output is checked and put in place whole: a device that takes nothing, a print
// killed half-way, a copy count past any dialog's field.
#include "PrintFixture.h"
#include "common/TempDataFolder.h"
#include "core/Progress.h"
#include "print/PdfOutput.h"
#include "cli/PrintCommand.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <QThread>
#include <gtest/gtest.h>

namespace {

class PdfOutput : public ::testing::Test {
protected:
    void SetUp() override {
        std::unique_ptr<Database> db = OpenDataDatabase();
        ASSERT_TRUE(db);
        Format format = MakeFormat();
        format.name = QStringLiteral("票");
        format.boxes << MakeBox(kFirstTemporaryId, BoxKind::Text, 30, 40, 100, 10, QStringLiteral("收款人"));
        SilentProgress quiet;
        ASSERT_TRUE(FormatStore(*db).SaveFormat(format, {}, 15360, quiet));
    }
    int Print(const QStringList& args) {
        out_.clear();
        err_.clear();
        QTextStream out(&out_), err(&err_);
        return RunPrintCommand(QStringList{QStringLiteral("票"), "--set", QStringLiteral("收款人=甲")} + args,
                               out, err);
    }
    QStringList FilesBesideTargets() {
        return QDir(folder_.Path()).entryList({"*.pdf*"}, QDir::Files | QDir::Hidden);
    }
    TempDataFolder folder_;
    QString out_, err_;
};

} // namespace

TEST_F(PdfOutput, AWholeFileTakesTheTargetsPlaceAndNothingIsLeftBeside) {
    const QString target = folder_.File(QStringLiteral("票.pdf"));
    ASSERT_EQ(Print({"--pdf", target}), 0) << err_.toStdString();
    EXPECT_TRUE(PdfIncompleteReason(target).isEmpty());
    ASSERT_EQ(Print({"--pdf", target, "--copies", "3"}), 0) << err_.toStdString();
    EXPECT_EQ(FilesBesideTargets(), QStringList{QStringLiteral("票.pdf")});
}

TEST_F(PdfOutput, ADeviceThatTakesNothingIsAFailureWithItsReason) {
    EXPECT_EQ(Print({"--pdf", "/dev/full"}), 1);
    EXPECT_FALSE(out_.contains(QStringLiteral("已打印")));
    EXPECT_TRUE(err_.startsWith(QStringLiteral("PDF文件“/dev/full”写入失败：磁盘空间已满")))
        << err_.toStdString();
}

TEST_F(PdfOutput, CopiesAreBoundedAsADialogFieldWouldBe) {
    const QString target = folder_.File(QStringLiteral("多.pdf"));
    for (const char* copies : {"1000", "1000000", "0", "-1"}) {
        EXPECT_EQ(Print({"--pdf", target, "--copies", copies}), 2) << copies;
        EXPECT_TRUE(err_.startsWith(QStringLiteral("份数应为1到999之间的整数："))) << err_.toStdString();
    }
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(PdfOutput, APrintKilledHalfWayLeavesTheOldTargetWhole) {
    const QString target = folder_.File(QStringLiteral("旧.pdf"));
    ASSERT_EQ(Print({"--pdf", target}), 0);
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    const QByteArray before = old.readAll();
    old.close();
    for (int delayMs : {300, 700, 1200}) {
        QProcess print;
        print.start(qEnvironmentVariable("VELLUMARK_BINARY"),
                    {"--data-dir", folder_.Path(), "print", QStringLiteral("票"), "--set",
                     QStringLiteral("收款人=乙"), "--pdf", target, "--copies", "999"});
        ASSERT_TRUE(print.waitForStarted());
        QThread::msleep(delayMs);
        print.kill();
        print.waitForFinished();
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        const QByteArray after = old.readAll();
        old.close();
        EXPECT_TRUE(after == before || PdfIncompleteReason(target).isEmpty()) << delayMs;
    }
}
