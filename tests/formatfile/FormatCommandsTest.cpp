// The format sub-commands, run in-process on a temporary data folder.
#include "FormatFileFixture.h"

#include "cli/FormatCommands.h"
#include "formatfile/FormatExport.h"
#include "store/BackgroundPictures.h"
#include "store/DataFolder.h"
#include "store/FormatStore.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

class FormatCommandsTest : public FormatFileFixture {
protected:
    int Run(const QStringList& args) {
        out_.clear();
        err_.clear();
        QTextStream out(&out_), err(&err_);
        return RunFormatCommand(args, out, err);
    }
    QStringList FormatNames() { return FormatStore(*db_).FormatNames(); }
    QString out_, err_;
};

TEST_F(FormatCommandsTest, ExportImportAndList) {
    StoreSample("票据");
    const QString file = FilePath("出口");
    EXPECT_EQ(Run({"export-format", "票据", file}), 0) << err_.toStdString();
    EXPECT_EQ(out_, QStringLiteral("格式：“票据”导出完成！\n"));
    EXPECT_TRUE(QFileInfo::exists(file + ".zhq"));

    // The file's base name is free: it becomes the name.
    EXPECT_EQ(Run({"import-format", file + ".zhq"}), 0) << err_.toStdString();
    EXPECT_EQ(out_, QStringLiteral("格式“出口”导入成功\n"));
    EXPECT_EQ(Run({"formats"}), 0);
    EXPECT_EQ(out_, QStringLiteral("出口\n票据\n"));
    EXPECT_EQ(FormatNames(), QStringList({"出口", "票据"})); // the same database the window uses
}

TEST_F(FormatCommandsTest, TakenNameIsAnErrorUnlessANameIsGiven) {
    StoreSample("票据");
    const QString file = FilePath("票据.zhq");
    ASSERT_TRUE(WriteFormatFile(*db_, "票据", file).Ok());

    EXPECT_EQ(Run({"import-format", file}), 1);
    EXPECT_EQ(err_, QStringLiteral("格式：“票据”已存在，请另取格式名！\n"));
    EXPECT_EQ(Run({"import-format", file, "--name", "票据"}), 1);
    EXPECT_EQ(Run({"import-format", file, "--name", "a\\b"}), 1);
    EXPECT_EQ(FormatNames(), QStringList({"票据"}));

    EXPECT_EQ(Run({"import-format", file, "--name", "副本"}), 0) << err_.toStdString();
    EXPECT_EQ(FormatNames(), QStringList({"副本", "票据"}));
}

TEST_F(FormatCommandsTest, FailuresGoToTheErrorStream) {
    const QString bad = FilePath("坏.zhq");
    WriteBytes(bad, "not a format file");
    struct Case { QStringList args; int code; QString err; };
    const QList<Case> cases = {
        {{"export-format", "没有", FilePath("x.zhq")}, 1, "格式：“没有”不存在！\n"},
        {{"import-format", bad}, 1, "无法识别此文件，请确认文件：“" + bad + "”为Vellumark格式文件！\n"},
        {{"import-format", FilePath("无.zhq")}, 1,
         "无法识别此文件，请确认文件：“" + FilePath("无.zhq") + "”为Vellumark格式文件！\n"},
        {{"import-format"}, 2, {}},
        {{"export-format", "票据"}, 2, {}},
        {{"unknown"}, 2, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.args), c.code) << c.args.join(' ').toStdString();
        EXPECT_TRUE(out_.isEmpty());
        if (!c.err.isEmpty()) EXPECT_EQ(err_, c.err);
        else EXPECT_TRUE(err_.contains(QStringLiteral("用法：vellumark "))) << err_.toStdString();
    }
    EXPECT_TRUE(FormatNames().isEmpty());
}

// Names that cannot be stored, an empty target and a damaged store: refused or
// reported before anything is stored or written.
TEST_F(FormatCommandsTest, NamesThatCannotBeStoredAreRefusedBeforeAnythingIsStored) {
    StoreSample(QStringLiteral("样本"));
    const QString file = FilePath(QStringLiteral("样本.zhq"));
    ASSERT_TRUE(WriteFormatFile(*db_, QStringLiteral("样本"), file).Ok());
    WriteBytes(FilePath(QStringLiteral("样本.jpg")), "picture bytes");
    const QStringList before = Snapshot();

    struct Case { QString name; QString err; };
    const QList<Case> cases = {
        {QString(300, u'长'), QStringLiteral("名称太长，无法用作文件名！\n")},
        {QString(256, u'a'), QStringLiteral("名称太长，无法用作文件名！\n")},
        {QStringLiteral("甲\n乙"), QStringLiteral("名称不能包含换行符等控制字符！\n")},
        {QStringLiteral("甲\t乙"), QStringLiteral("名称不能包含换行符等控制字符！\n")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run({"import-format", file, "--name", c.name}), 1);
        EXPECT_EQ(err_, c.err);
    }
    EXPECT_EQ(Snapshot(), before);

    // The file store's picture place is taken by a folder: the rows are not kept without it.
    if (!db_->IsServer()) {
        QDir().mkpath(BackgroundPicturePath(QStringLiteral("副本")));
        EXPECT_EQ(Run({"import-format", file, "--name", "副本"}), 1);
        EXPECT_EQ(Snapshot(), before);
    }
    EXPECT_EQ(Run({"import-format", file, "--name", "副本二"}), 0) << err_.toStdString();
    EXPECT_EQ(BackgroundPictures(*db_).Read(QStringLiteral("副本二")), "picture bytes");
}

TEST_F(FormatCommandsTest, AnEmptyExportTargetIsAUsageError) {
    StoreSample(QStringLiteral("样本"));
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(FilePath({}));
    for (const QString& target : {QString(), QStringLiteral(" "), FilePath(QStringLiteral("子/"))})
        EXPECT_EQ(Run({"export-format", "样本", target}), 2) << target.toStdString();
    EXPECT_TRUE(QDir(FilePath({})).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QDir::setCurrent(cwd);
}

TEST_F(FormatCommandsTest, ADamagedStoreIsReportedNotListedAsEmpty) {
    for (int i = 0; i < 20; ++i) StoreSample(QStringLiteral("样本%1").arg(i));
    db_.reset();
    const QString path = DataFolder::DatabasePath();
    QByteArray bytes = ReadBytes(path);
    bytes.replace(bytes.size() / 2, 4096, QByteArray(4096, '\x5A'));
    WriteBytes(path, bytes);

    EXPECT_EQ(Run({"formats"}), 1);
    EXPECT_TRUE(out_.isEmpty());
    EXPECT_TRUE(err_.startsWith(QStringLiteral("数据库文件“") + path + QStringLiteral("”已损坏！")))
        << err_.toStdString();
    EXPECT_EQ(Run({"export-format", "样本3", FilePath(QStringLiteral("x.zhq"))}), 1);
    EXPECT_TRUE(err_.contains(QStringLiteral("已损坏")));
    EXPECT_EQ(ReadBytes(path), bytes);
}

} // namespace
