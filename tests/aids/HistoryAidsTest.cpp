// The aids that read history and the format's custom types, over a real database.
#include "AidsFixture.h"

#include "aids/AidsTexts.h"
#include "aids/AutoFill.h"
#include "aids/TypingAids.h"
#include "common/ScriptedAsker.h"
#include "store/ParamStore.h"

namespace {

TEST_F(AidsDbTest, TypingAKnownCustomerFillsTheRelatedBoxesFromTheirNewestBill) {
    // 客户 → 地址 → 电话 → 客户: a related ring; 金额 is not on it.
    StoreAndOpen("送货单", {{"客户", 0, 0, -2}, {"地址", 0, 0, -3}, {"电话", 0, 0, -1}, {"金额", 104}});
    SaveBill({{"客户", "甲公司"}, {"地址", "甲路1号"}, {"电话", "111"}});
    SaveBill({{"客户", "乙公司"}, {"地址", "乙路2号"}, {"电话", "222"}});
    SaveBill({{"客户", "甲公司"}, {"地址", "甲路9号"}, {"金额", "￥5.00"}});

    Type(IdOf("金额"), "8");
    Type(IdOf("客户"), "甲公司");
    EXPECT_EQ(At(IdOf("地址")), "甲路9号");
    EXPECT_EQ(At(IdOf("电话")), ""); // the newest 甲 bill had no telephone
    EXPECT_EQ(At(IdOf("金额")), "￥8.00");

    Type(IdOf("客户"), "乙公司");
    EXPECT_EQ(At(IdOf("地址")), "乙路2号");
    EXPECT_EQ(At(IdOf("电话")), "222");

    // An unknown customer leaves the boxes as they are.
    Type(IdOf("客户"), "丙公司");
    EXPECT_EQ(At(IdOf("地址")), "乙路2号");
}

TEST_F(AidsDbTest, GroupedLabelsPullTheirNamesakesOfTheGroupThatMatched) {
    StoreAndOpen("汇款单", {{"户名_1", 0, 0, -2}, {"账号_1", 0, 0, -1}, {"户名_2"}, {"账号_2"}});
    SaveBill({{"户名_2", "张三"}, {"账号_2", "6222"}, {"户名_1", "李四"}, {"账号_1", "9555"}});
    Type(IdOf("户名_1"), "张三");
    EXPECT_EQ(At(IdOf("账号_1")), "6222");
}

TEST_F(AidsDbTest, RefreshAutoFillContinuesNumbersAndPresetsListsAndPasswords) {
    StoreAndOpen("发票", {{"编号", 122, 2}, {"副本编号"}, {"类别", 125}, {"密码", 132}, {"新编号", 122}});
    ParamStore(*db).SetParam("发票=>自定义类型125", "普通;专用;电子");
    SaveBill({{"编号", "NO0099"}});

    RefreshAutoFill(document, context);
    EXPECT_EQ(At(IdOf("编号")), "NO0100");
    EXPECT_EQ(At(IdOf("副本编号")), "NO0100"); // treated as edited: its ring follows
    EXPECT_EQ(At(IdOf("类别")), "普通");
    EXPECT_EQ(At(IdOf("密码")).size(), 4 * 21 + 3);
    EXPECT_EQ(At(IdOf("新编号")), ""); // no history yet: left as it is

    const BoxRecord& list = *document.Record(IdOf("类别"));
    SaveBill({{"类别", "专用"}, {"编号", "NO0100"}});
    SaveBill({{"类别", "作废"}});
    EXPECT_EQ(FillHistoryList(*db, "发票", list),
              QStringList({"普通", "专用", "电子", "专用", "作废"}));
}

TEST_F(AidsDbTest, CompletionFindsTheOneEarlierValueWithWildcardsAndQuotesTakenLiterally) {
    StoreAndOpen("收据", {{"摘要"}, {"摘要_1"}, {"摘要_2"}});
    for (const QString value : {"50%折扣", "500元", "O'Brien", "a_b", "axb1", "axb2"})
        SaveBill({{"摘要", value}});
    const qint64 box = IdOf("摘要");
    const auto complete = [&](const QString& typed) {
        const std::optional<Completion> c = CompleteFromHistory(*db, "收据", box, typed);
        return c ? c->text + "|" + QString::number(c->selectionStart) : QString("none");
    };
    EXPECT_EQ(complete("50%"), "50%折扣|3");
    EXPECT_EQ(complete("O'"), "O'Brien|2");
    EXPECT_EQ(complete("a_"), "a_b|2");
    EXPECT_EQ(complete("ax"), "none");     // two values: no completion
    EXPECT_EQ(complete("O'Brien"), "none"); // nothing left to complete
    EXPECT_EQ(complete("Z"), "none");

    SaveBill({{"摘要_2", "乙"}, {"摘要_1", "甲"}});
    EXPECT_EQ(FillHistoryList(*db, "收据", *document.Record(IdOf("摘要_1"))), QStringList({"乙", "甲"}));
}

TEST_F(AidsDbTest, ABadCustomDatePatternIsReportedOnceAndLeavesItsBoxes) {
    StoreAndOpen("合同", {{"签订", 119}, {"打印", 119}, {"时间", 133}});
    ParamStore(*db).SetParam("合同=>自定义类型119", "YYYY-QQ");
    ParamStore(*db).SetParam("合同=>自定义类型133", "YYYY年MM月DD日 HH时");
    ScriptedAsker asker;
    context.asker = &asker;
    context.now = QDateTime(QDate(2024, 12, 31), QTime(23, 0));
    EXPECT_FALSE(FillDates(document, context));
    EXPECT_EQ(asker.messages, QStringList{AidsText::BadDatePattern("YYYY-QQ")});
    EXPECT_TRUE(asker.messages.first().startsWith("自定义日期格式设置有误：“"));
    EXPECT_EQ(At(IdOf("签订")), "");
    EXPECT_EQ(At(IdOf("时间")), "2024年12月31日 23时");
}

} // namespace
