// The format tree with a real database: default classes, agreement with the existing
// formats, and the popup commands with their questions and refusals.
#include "FormatFileFixture.h"

#include "formatfile/FormatTree.h"
#include "formatfile/FormatTreeCommands.h"
#include "formatfile/FormatTreeTexts.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"
#include "store/StoreTexts.h"

namespace {

using namespace FormatTreeTexts;

class FormatTreeTest : public FormatFileFixture {
protected:
    void AddFormats(const QStringList& names) {
        PageParams page;
        page.width = 100;
        page.height = 50;
        for (const QString& name : names) ASSERT_TRUE(FormatStore(*db_).SavePageParams(name, page, 15360));
    }
    QStringList ListOf(const FormatTreeValue& tree, const QString& className) {
        return tree.lists.value(tree.classes.indexOf(className));
    }
    QString Stored() { return ParamStore(*db_).GetParam(kFormatTreeParam); }
};

TEST_F(FormatTreeTest, AnEmptyTreeFilesFormatsByTheFirstClassNameInTheirName) {
    AddFormats({"工行进账单", "顺丰快递", "杂项", "快递进账单", "支票快递"});
    const FormatTreeValue tree = LoadFormatTree(*db_);
    EXPECT_EQ(tree.classes, FormatTreeValue::DefaultClasses());
    EXPECT_EQ(ListOf(tree, "进账单"), QStringList({"工行进账单", "快递进账单"})); // 进账单 before 快递
    EXPECT_EQ(ListOf(tree, "支票"), QStringList({"支票快递"}));
    EXPECT_EQ(ListOf(tree, "快递"), QStringList({"顺丰快递"}));
    EXPECT_EQ(ListOf(tree, kOtherClass), QStringList({"杂项"}));
    EXPECT_EQ(Stored(), tree.ToString());
}

TEST_F(FormatTreeTest, TheStoredTreeShowsOnlyFormatsThatExistAndGainsTheMissingOnes) {
    AddFormats({"甲支票", "乙", "新快递"});
    // Deleted elsewhere: "旧"; stored twice: "乙"; never filed: "新快递"; no "其他".
    ParamStore(*db_).SetParam(kFormatTreeParam, "自建|支票|快递//乙\\旧||甲支票\\乙||");
    const FormatTreeValue tree = LoadFormatTree(*db_);
    EXPECT_EQ(tree.ToString(), "自建|支票|快递|其他//乙||甲支票||新快递||");
    EXPECT_EQ(Stored(), tree.ToString());

    // A format added later goes to its class; one already filed stays where it is.
    AddFormats({"快递支票"});
    ASSERT_TRUE(AddFormatToTree(*db_, "快递支票"));
    ASSERT_TRUE(AddFormatToTree(*db_, "乙"));
    EXPECT_EQ(Stored(), "自建|支票|快递|其他//乙||甲支票\\快递支票||新快递||");
}

TEST_F(FormatTreeTest, AddingAClassRefusesForbiddenAndExistingNames) {
    AddFormats({"工行进账单"});
    FormatTreeValue tree = LoadFormatTree(*db_);
    const QString before = tree.ToString();
    struct Case { std::optional<QString> answer; QString message; };
    const QList<Case> refused = {
        {std::nullopt, {}},
        {"  ", {}},
        {"甲,乙", kBadClassName},
        {"a\\b", kBadClassName},
        {"甲\n乙", StoreTexts::kNameHasControlCharacters},
        {" 其他 ", ClassExists("其他")},
        {"工行进账单", ClassExists("工行进账单")},
        {kRootText, ClassExists(kRootText)},
    };
    for (const Case& c : refused) {
        asker_.messages.clear();
        asker_.Text(c.answer);
        EXPECT_FALSE(AddTreeClass(tree, *db_, asker_));
        EXPECT_EQ(asker_.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }
    EXPECT_EQ(tree.ToString(), before);
    EXPECT_EQ(asker_.questions.first(), kClassNamePrompt);

    // A class name may hold ' (only renaming refuses it); it goes before "其他".
    asker_.Text("客户's");
    EXPECT_EQ(AddTreeClass(tree, *db_, asker_), "客户's");
    EXPECT_EQ(tree.classes.mid(tree.classes.size() - 2), QStringList({"客户's", kOtherClass}));
    EXPECT_EQ(Stored(), tree.ToString());
}

TEST_F(FormatTreeTest, DeletingAClassStopsAtTheCurrentFormat) {
    AddFormats({"一", "二", "三"});
    ParamStore(*db_).SetParam(kFormatTreeParam, "票据|其他//一\\二\\三||");
    FormatTreeValue tree = LoadFormatTree(*db_);

    asker_.No();
    EXPECT_FALSE(DeleteTreeClass(tree, *db_, asker_, "票据", "二"));
    EXPECT_EQ(asker_.questions, QStringList{kConfirmDeleteClass});

    // From the last node: "三" goes, the current "二" is refused, "一" is never asked.
    asker_.Yes().Yes();
    EXPECT_TRUE(DeleteTreeClass(tree, *db_, asker_, "票据", "二"));
    EXPECT_EQ(asker_.questions.last(), StoreTexts::ConfirmDeleteFormat("三"));
    EXPECT_EQ(asker_.messages, QStringList{StoreTexts::kCurrentFormatNotDeletable});
    EXPECT_EQ(FormatStore(*db_).FormatNames(), QStringList({"一", "二"}));
    EXPECT_EQ(tree.ToString(), "票据|其他//一\\二||");
    EXPECT_EQ(Stored(), tree.ToString());

    // With another format open, the class goes with all its formats.
    asker_.Yes().Yes().Yes();
    EXPECT_TRUE(DeleteTreeClass(tree, *db_, asker_, "票据", "别的"));
    EXPECT_TRUE(FormatStore(*db_).FormatNames().isEmpty());
    EXPECT_EQ(Stored(), "其他//");
    EXPECT_TRUE(asker_.AllAnswered());
}

TEST_F(FormatTreeTest, RenamingAClassOrAFormatFollowsTheNameRules) {
    AddFormats({"工行进账单", "已有"});
    FormatTreeValue tree = LoadFormatTree(*db_);
    struct Case { QString node; bool isClass; QString answer; QString message; };
    const QList<Case> refused = {
        {"进账单", true, "进账'单", kBadName},
        {"进账单", true, "进\t账", StoreTexts::kNameHasControlCharacters},
        {"进账单", true, "支票", RenamedClassExists("支票")},
        {"进账单", true, "进账单", {}},
        {"工行进账单", false, "工\"行", kBadName},
        {"工行进账单", false, "已有", FormatExists("已有")},
        {"工行进账单", false, "工行进账单", {}},
    };
    for (const Case& c : refused) {
        asker_.messages.clear();
        asker_.Text(c.answer);
        const bool renamed = c.isClass ? RenameTreeClass(tree, *db_, asker_, c.node).has_value()
                                       : RenameTreeFormat(tree, *db_, asker_, c.node).has_value();
        EXPECT_FALSE(renamed) << c.answer.toStdString();
        EXPECT_EQ(asker_.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }

    asker_.Text(" 银行进账单 ").Text("农行单");
    EXPECT_EQ(RenameTreeClass(tree, *db_, asker_, "进账单"), "银行进账单");
    EXPECT_EQ(RenameTreeFormat(tree, *db_, asker_, "工行进账单"), "农行单");
    // The renamed format keeps its place although its name no longer holds the class.
    EXPECT_EQ(ListOf(tree, "银行进账单"), QStringList({"农行单"}));
    EXPECT_EQ(Stored(), tree.ToString());
    EXPECT_EQ(FormatStore(*db_).FormatNames(), QStringList({"农行单", "已有"}));

    EXPECT_TRUE(MoveTreeFormat(tree, *db_, "农行单", kOtherClass));
    EXPECT_FALSE(MoveTreeFormat(tree, *db_, "农行单", "没有这类"));
    EXPECT_EQ(ListOf(LoadFormatTree(*db_), kOtherClass), QStringList({"已有", "农行单"}));
}

} // namespace
