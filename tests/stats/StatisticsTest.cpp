#include "StatsFixture.h"

#include "stats/StatsTexts.h"

namespace {

QList<QStringList> Expected(const QList<QStringList>& rows) { return rows; }

} // namespace

TEST_F(StatsTest, TheLastDayCountsWholeAndTheRangeMayBeGivenBackwards) {
    StoreFormat({{"日期", 111}, {"金额", 104}});
    AddBill({{"日期", "2024-02-29"}, {"金额", "￥5.00"}});
    AddBill({{"日期", "2024-03-01 23:59:59"}, {"金额", "￥1.10"}});
    AddBill({{"日期", " 2024年03月01日 "}, {"金额", "￥2.20"}});
    AddBill({{"日期", "2024-03-02"}, {"金额", "￥7.00"}});
    for (const auto& [from, to] : {std::pair{"2024-03-01", "2024-03-01"}, {"2024-03-01", "2024-02-01"}}) {
        StatsRequest request = Request(from, to);
        request.dateBox = "日期";
        request.amountBox = "金额";
        const StatsResult result = ComputeStatistics(*db, request);
        ASSERT_FALSE(result.failed);
        if (QString(to) == "2024-03-01")
            EXPECT_EQ(Rows(result), Expected({{"1", "2024-03-01", "3.3"}}));
        else
            EXPECT_EQ(Rows(result), Expected({{"1", "2024-02-29", "5"}, {"2", "2024-03-01", "3.3"}}));
    }
}

TEST_F(StatsTest, PeriodsBetweenBillsAreListedEmptyHoweverLongTheGap) {
    StoreFormat({{"日期", 110}, {"金额", 105}});
    AddBill({{"日期", "2024年01月05日"}, {"金额", "10"}});
    AddBill({{"日期", "2024年03月20日"}, {"金额", "1,000.5"}});
    AddBill({{"日期", "2024年03月21日"}, {"金额", "0.5"}});
    StatsRequest request = Request("2024-01-01", "2024-12-31");
    request.dateBox = "日期";
    request.amountBox = "金额";
    request.period = StatsPeriod::Month;
    EXPECT_EQ(Rows(ComputeStatistics(*db, request)),
              Expected({{"1", "2024-01", "10"}, {"2", "2024-02", "0"}, {"3", "2024-03", "1001"}}));

    // Per day: 5 January to 21 March is 77 days, each listed once, in order.
    request.period = StatsPeriod::Day;
    request.content = StatsContent::Count;
    const QList<QStringList> days = Rows(ComputeStatistics(*db, request));
    ASSERT_EQ(days.size(), 77);
    EXPECT_EQ(days.first(), QStringList({"1", "2024-01-05", "1"}));
    EXPECT_EQ(days.at(74), QStringList({"75", "2024-03-19", "0"}));
    EXPECT_EQ(days.at(75), QStringList({"76", "2024-03-20", "1"}));
    EXPECT_EQ(days.last(), QStringList({"77", "2024-03-21", "1"}));
}

TEST_F(StatsTest, AmountsAreReadBackFromWhatTheBoxesShow) {
    StoreFormat({{"日期", 111}, {"金额_1", 103}, {"金额_2", 104}, {"合计", 12}, {"比例", 116}},
                QStringLiteral("HK$"));
    AddBill({{"日期", "2024-05-01"}, {"金额_1", "壹仟贰佰叁拾肆元伍角整"}, {"金额_2", "HK$1,000.10"},
             {"合计", "HK$12.30"}, {"比例", "12.5%"}});
    AddBill({{"日期", "2024-05-01"}, {"金额_2", "HK$0.20"}, {"合计", "不是数字"}});
    StatsRequest request = Request("2024-05-01", "2024-05-01");
    request.dateBox = "日期";
    const struct {
        QString box;
        QString sum;
    } cases[] = {
        {"金额_XX", "2234.8"}, // 1234.5 + 1000.1 + 0.2: capitals, grouping and symbol read back
        {"合计", "12.3"},      // a value that is not a number counts as 0
        {"比例", "0.125"},
    };
    for (const auto& c : cases) {
        request.amountBox = c.box;
        EXPECT_EQ(Rows(ComputeStatistics(*db, request)), Expected({{"1", "2024-05-01", c.sum}}))
            << c.box.toStdString();
    }
}

TEST_F(StatsTest, CombinedDatesInCapitalDigitsFindTheirBills) {
    StoreFormat({{"年", 100}, {"月", 101}, {"日", 102}, {"数量", 0}});
    AddBill({{"年", "贰零贰肆"}, {"月", "零叁"}, {"日", "壹拾伍"}, {"数量", "1"}});
    AddBill({{"年", "2024"}, {"月", "3"}, {"日", "15"}, {"数量", "1"}});
    AddBill({{"年", "24"}, {"月", "拾贰"}, {"日", "贰拾"}, {"数量", "1"}});
    AddBill({{"年", "2024"}, {"月", "2"}, {"日", "30"}, {"数量", "1"}}); // no such day
    AddBill({{"年", "2024"}, {"日", "1"}, {"数量", "1"}});                // no month
    StatsRequest request = Request("2024-01-01", "2024-12-31");
    request.combinedDate = true;
    request.yearBox = "年";
    request.monthBox = "月";
    request.dayBox = "日";
    request.content = StatsContent::Count;
    request.period = StatsPeriod::Month;
    const StatsResult result = ComputeStatistics(*db, request);
    const QList<QStringList> rows = Rows(result);
    ASSERT_EQ(rows.size(), 10);
    EXPECT_EQ(rows.first(), QStringList({"1", "2024-03", "2"}));
    EXPECT_EQ(rows.last(), QStringList({"10", "2024-12", "1"}));
    EXPECT_EQ(result.skippedBills, 2);
}

TEST_F(StatsTest, CountsFilterByConditionAndNeedNoAmountBox) {
    StoreFormat({{"日期", 111}, {"金额", 104}, {"客户", 0}});
    AddBill({{"日期", "2024-06-01"}, {"客户", "甲"}});
    AddBill({{"日期", "2024-06-01"}, {"客户", "乙"}, {"金额", "￥3.00"}});
    AddBill({{"日期", "2024-06-02"}, {"客户", "甲"}, {"金额", "￥4.00"}});
    AddBill({{"日期", "六月三日"}, {"客户", "甲"}, {"金额", "￥5.00"}});
    AddBill({{"日期", "2024-06-03"}, {"客户", "甲乙"}, {"金额", "￥6.00"}});
    StatsRequest request = Request("2024-06-01", "2024-06-30");
    request.dateBox = "日期";
    request.conditional = true;
    request.conditionBox = "客户";
    request.conditionValue = "甲";

    request.content = StatsContent::Count;
    StatsResult result = ComputeStatistics(*db, request);
    EXPECT_EQ(Rows(result), Expected({{"1", "2024-06-01", "1"}, {"2", "2024-06-02", "1"}}));
    EXPECT_EQ(result.skippedBills, 1);

    // Amount statistics count only the bills with an amount.
    request.content = StatsContent::Amount;
    request.amountBox = "金额";
    result = ComputeStatistics(*db, request);
    EXPECT_EQ(Rows(result), Expected({{"1", "2024-06-02", "4"}}));
    EXPECT_EQ(result.Csv(), "序号,日期,金额\n1,2024-06-02,4\n");
    EXPECT_EQ(result.caption,
              "票据开单统计分析图表\n统计：Vellumark；单据：发票；统计内容：金额；日期：2024-06-02至2024-06-02；"
              "\n统计对象：金额；统计条件：客户=“甲”");

    request.content = StatsContent::Count;
    request.conditional = false;
    request.conditionValue = "乙\n";
    EXPECT_EQ(ComputeStatistics(*db, request).caption,
              "票据开单统计分析图表\n统计：Vellumark；单据：发票；统计内容：单据数；日期：2024-06-01至2024-06-03");

    // Nothing in range: no rows and no caption.
    request.from = request.to = QDate(2023, 1, 1);
    result = ComputeStatistics(*db, request);
    EXPECT_TRUE(result.rows.isEmpty());
    EXPECT_TRUE(result.caption.isEmpty());
    EXPECT_EQ(result.Csv(), "序号,日期,单据数\n");
}

TEST_F(StatsTest, ChecksSettingsInOrder) {
    StatsRequest request;
    EXPECT_EQ(CheckRequest(request), StatsText::kDateBoxesMissing);
    request.combinedDate = true;
    request.yearBox = request.monthBox = "年";
    EXPECT_EQ(CheckRequest(request), StatsText::kDateBoxesMissing);
    request.dayBox = "日";
    request.conditional = true;
    request.conditionBox = "客户";
    EXPECT_EQ(CheckRequest(request), StatsText::kConditionMissing);
    request.conditionValue = "甲";
    EXPECT_EQ(CheckRequest(request), StatsText::kAmountBoxMissing);
    request.content = StatsContent::Count;
    EXPECT_EQ(CheckRequest(request), std::nullopt);
}
