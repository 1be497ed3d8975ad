// rename-format and delete-format, run in-process on a temporary data folder.
#include "FormatFileFixture.h"

#include "cli/FormatCommands.h"
#include "formatfile/FormatTree.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"

#include <QTextStream>

namespace {

class FormatNameCommandsTest : public FormatFileFixture {
protected:
    void SetUp() override {
        StoreSample("工行进账单");
        StoreSample("顺丰快递");
        ASSERT_TRUE(AddFormatToTree(*db_, "顺丰快递"));
        ASSERT_TRUE(FormatStore(*db_).WriteLastUse("顺丰快递", {0, 0, 0}));
    }
    int Run(const QStringList& args) {
        err_.clear();
        QString out;
        QTextStream outStream(&out), errStream(&err_);
        return RunFormatCommand(args, outStream, errStream);
    }
    QString err_;
};

TEST_F(FormatNameCommandsTest, RefusalsExitNonZeroWithTheWindowsMessage) {
    const QString kUsage; // the problem, then the command's usage line
    const QStringList before = Snapshot();
    struct Case { QStringList args; int code; QString err; };
    const QList<Case> cases = {
        {{"rename-format", "工行进账单"}, 2, kUsage},
        {{"rename-format", "工行进账单", " "}, 2, kUsage},
        {{"rename-format", "没有", "新"}, 1, "格式：“没有”不存在！\n"},
        {{"rename-format", "工行进账单", "a|b"}, 1, "名称不能包含字符： / \\ | , ' ！\n"},
        // The same rule as every other way a format gets its name.
        {{"rename-format", "工行进账单", "甲\n乙"}, 1, "名称不能包含换行符等控制字符！\n"},
        {{"rename-format", "工行进账单", QString(300, u'长')}, 1, "名称太长，无法用作文件名！\n"},
        {{"rename-format", "工行进账单", "顺丰快递"}, 1, "格式名称“顺丰快递”已经存在！\n"},
        {{"delete-format", "顺丰快递"}, 1, "此格式为当前格式，不允许删除！\n"},
        {{"delete-format", "没有"}, 1, "格式：“没有”不存在！\n"},
        {{"delete-format", ""}, 2, kUsage},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.args), c.code) << c.args.join(' ').toStdString();
        if (c.code == 2) EXPECT_TRUE(err_.contains("用法：vellumark " + c.args[0])) << err_.toStdString();
        else EXPECT_EQ(err_, c.err);
    }
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(FormatNameCommandsTest, RenameAndDeleteAskNothingAndKeepTheTree) {
    EXPECT_EQ(Run({"rename-format", "工行进账单", "建行进账单"}), 0) << err_.toStdString();
    EXPECT_EQ(Run({"delete-format", "建行进账单"}), 0) << err_.toStdString();
    EXPECT_EQ(FormatStore(*db_).FormatNames(), QStringList({"顺丰快递"}));
    EXPECT_TRUE(ParamStore(*db_).GetParam("建行进账单=>自定义类型124").isEmpty());
    const FormatTreeValue tree = StoredFormatTree(*db_);
    EXPECT_FALSE(tree.Contains("建行进账单"));
    EXPECT_TRUE(tree.Contains("顺丰快递"));
}

} // namespace
