// The history grid's columns and the user's column order.
#include "RecordsFixture.h"
#include "records/ColumnOrder.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"

namespace {

QList<qint64> Ids(const QList<HistoryColumn>& columns) {
    QList<qint64> ids;
    for (const HistoryColumn& column : columns) ids << column.boxId;
    return ids;
}

TEST(ColumnOrder, ListedColumnsThatExistInListOrder) {
    const QList<HistoryColumn> columns = {{1, "甲"}, {2, "乙"}, {3, "丙"}, {4, "丁"}};
    const std::pair<QList<qint64>, QList<qint64>> cases[] = {
        {{}, {1, 2, 3, 4}},          // no order: every box by ID
        {{3, 1}, {3, 1}},
        {{9, 4, 2}, {4, 2}},         // 9 was deleted
        {{2, 2, 1}, {2, 1}},         // a repeat counts once
    };
    for (const auto& [order, expected] : cases) EXPECT_EQ(Ids(ApplyColumnOrder(columns, order)), expected);
    EXPECT_EQ(ParseColumnOrder("12;x;;7; 8 "), QList<qint64>({12, 7, 8}));
}

TEST(ColumnOrder, TheDialogListsOrderedBoxesFirstAndGivesBackTheMarkedOnes) {
    const QList<HistoryColumn> columns = {{1, "甲"}, {2, "乙"}, {3, "丙"}};
    QList<ColumnChoice> choices = ColumnChoices(columns, {3, 9, 1});
    ASSERT_EQ(choices.size(), 3);
    EXPECT_EQ(choices[0].column.boxId, 3);
    EXPECT_TRUE(choices[0].shown);
    EXPECT_EQ(choices[1].column.boxId, 1);
    EXPECT_FALSE(choices[2].shown);
    EXPECT_EQ(ChosenOrder(choices), QList<qint64>({3, 1}));
    for (ColumnChoice& choice : choices) choice.shown = false;
    EXPECT_TRUE(ChosenOrder(choices).isEmpty());
    // Without an order nothing is marked.
    for (const ColumnChoice& choice : ColumnChoices(columns, {})) EXPECT_FALSE(choice.shown);
}

class StoredColumnOrder : public RecordsTest {};

TEST_F(StoredColumnOrder, TheGridShowsTheStoredOrderOfTheBoxesThatStillExist) {
    Format format = StoreFormat("运单", {{BoxKind::Text, "寄件人"}, {BoxKind::Line, ""},
                                         {BoxKind::Check, "保价"}, {BoxKind::Picture, "条码"},
                                         {BoxKind::Label, "标题"}});
    const qint64 sender = IdOf(format, "寄件人"), insured = IdOf(format, "保价"),
                 code = IdOf(format, "条码");
    ParamStore params(*db);
    EXPECT_EQ(Ids(HistoryColumns(*db, params, "运单")), QList<qint64>({sender, insured, code}));

    ASSERT_TRUE(StoreColumnOrder(params, "运单", {code, sender, insured}));
    EXPECT_EQ(params.GetParam("运单_列顺序"), QStringLiteral("%1;%2;%3").arg(code).arg(sender).arg(insured));
    // The box 保价 is deleted from the format.
    format.boxes.removeIf([&](const BoxRecord& box) { return box.id == insured; });
    ASSERT_TRUE(FormatStore(*db).SaveFormat(format, {}, 15360, progress));
    const QList<HistoryColumn> columns = HistoryColumns(*db, params, "运单");
    EXPECT_EQ(Ids(columns), QList<qint64>({code, sender}));
    EXPECT_EQ(columns[0].label, "条码");

    // An empty order shows every box again.
    ASSERT_TRUE(StoreColumnOrder(params, "运单", {}));
    EXPECT_EQ(Ids(HistoryColumns(*db, params, "运单")), QList<qint64>({sender, code}));
}

} // namespace
