#include "StatsFixture.h"

#include "stats/StatsBoxes.h"
#include "stats/StatsQueries.h"

namespace {

QStringList LabelsOf(const QList<StatsBox>& boxes) {
    QStringList labels;
    for (const StatsBox& box : boxes) labels << box.label;
    return labels;
}

} // namespace

TEST_F(StatsTest, ListsOfferBoxesByDataTypeWithGroupsOnce) {
    StoreFormat({{"开票日期", 111}, {"年", 100}, {"月", 107}, {"日", 102}, {"金额_1", 104},
                 {"金额_2", 103}, {"金额_3", 132}, {"合计", 12}, {"备注", 0},
                 {"已付", 0, BoxKind::Check}, {"照片", 0, BoxKind::Picture}, {"", 0}});
    bool failed = true;
    const QList<StatsBox> boxes = ReadStatsBoxes(*db, format.name, &failed);
    EXPECT_FALSE(failed);

    const struct {
        StatsBoxList list;
        QStringList choices;
    } cases[] = {
        {StatsBoxList::Condition, {"开票日期", "年", "月", "日", "金额_XX", "合计", "备注", "已付"}},
        // A 12-cell amount is listed with the cell amounts; the plain text and the
        // check box come with code 0.
        {StatsBoxList::Amount, {"金额_XX", "合计", "备注", "已付"}},
        {StatsBoxList::WholeDate, {"开票日期"}},
        {StatsBoxList::Year, {"年"}},
        {StatsBoxList::Month, {"月"}},
        {StatsBoxList::Day, {"日"}},
    };
    for (const auto& c : cases) EXPECT_EQ(BoxChoices(boxes, c.list), c.choices) << int(c.list);

    // A group entry stands for the boxes of the stem that belong in the list.
    EXPECT_EQ(LabelsOf(BoxesOfChoice(boxes, StatsBoxList::Amount, "金额_XX")),
              QStringList({"金额_1", "金额_2"}));
    EXPECT_EQ(LabelsOf(BoxesOfChoice(boxes, StatsBoxList::Condition, "金额_XX")),
              QStringList({"金额_1", "金额_2", "金额_3"}));
    EXPECT_EQ(LabelsOf(BoxesOfChoice(boxes, StatsBoxList::Amount, "合计")), QStringList({"合计"}));
    EXPECT_TRUE(BoxesOfChoice(boxes, StatsBoxList::Amount, "开票日期").isEmpty());
}

TEST_F(StatsTest, ConditionValuesAreTheDistinctStoredValuesOfTheBoxOrGroup) {
    StoreFormat({{"日期", 111}, {"客户_1", 0}, {"客户_2", 0}, {"经办", 0}});
    AddBill({{"日期", "2024-03-01"}, {"客户_1", "乙"}, {"客户_2", "甲"}, {"经办", "王"}});
    AddBill({{"日期", "2024-03-02"}, {"客户_1", "甲"}, {"经办", "李'; DROP TABLE 历史;--"}});
    const QList<StatsBox> boxes = ReadStatsBoxes(*db, format.name);
    const auto ids = [&boxes](const QString& choice) {
        return IdsOf(BoxesOfChoice(boxes, StatsBoxList::Condition, choice));
    };
    EXPECT_EQ(DistinctValues(*db, format.name, ids("客户_XX")), QStringList({"乙", "甲"}));
    // A value with quotes is a value, never SQL.
    const QString odd = "李'; DROP TABLE 历史;--";
    EXPECT_EQ(DistinctValues(*db, format.name, ids("经办")), QStringList({odd, "王"}));
    EXPECT_EQ(BillsHolding(*db, format.name, ids("经办"), odd), QSet<qint64>({2}));
    EXPECT_EQ(BillsHolding(*db, format.name, ids("客户_XX"), "甲"), QSet<qint64>({1, 2}));
}
