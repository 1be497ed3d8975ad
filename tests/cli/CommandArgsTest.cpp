// The one argument reader and its value readers: what each option takes and refuses.
#include "cli/CommandArgs.h"

#include <gtest/gtest.h>

TEST(CommandArgs, SplitsOptionsFromPositionalsAndRefusesWhatItDoesNotKnow) {
    QString problem;
    const auto read = CommandArgs::Read({"支票", "--set", "a=1", "--csv", "--set", "b=2", "--interval", "-2", "x"},
                                        {{"--set", true}, {"--csv"}, {"--interval", true}}, &problem);
    ASSERT_TRUE(read) << problem.toStdString();
    EXPECT_EQ(read->Positional(), QStringList({"支票", "x"}));
    EXPECT_EQ(read->Values("--set"), QStringList({"a=1", "b=2"}));
    EXPECT_EQ(read->Value("--interval"), "-2"); // a value is taken as it is, even "-2"
    EXPECT_TRUE(read->Has("--csv"));
    EXPECT_FALSE(read->OptionalValue("--limit"));

    EXPECT_FALSE(CommandArgs::Read({"--bogus"}, {{"--csv"}}, &problem));
    EXPECT_EQ(problem, QStringLiteral("未知参数：--bogus"));
    EXPECT_FALSE(CommandArgs::Read({"x", "--set"}, {{"--set", true}}, &problem));
    EXPECT_EQ(problem, QStringLiteral("--set 需要一个值"));
}

TEST(CommandArgs, NumbersAreWholeAndInRangeOrRefused) {
    for (const char* bad : {"a-b", "3-x", "x-3", "0-3", "3", "1-2-3", "-3", "2.5-4", ""})
        EXPECT_FALSE(ReadRowSpan(bad)) << bad;
    const std::optional<RowSpan> rows = ReadRowSpan(" 3 - 40 ");
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->first, 3);
    EXPECT_EQ(rows->last, 40);

    for (const char* bad : {"0", "-2", "x", "2.5", "", "1e3", "30001"})
        EXPECT_FALSE(ReadWholeNumber(bad, 1, 30000)) << bad;
    EXPECT_EQ(ReadWholeNumber("30000", 1, 30000), 30000);

    for (const char* bad : {"2.5x3", "2x", "x3", "0x3", "2x3x4", "2*3"}) EXPECT_FALSE(ReadGrid(bad)) << bad;
    EXPECT_EQ(ReadGrid("4×2"), (QPair<int, int>{4, 2}));

    for (const char* bad : {"0x10", "10x-1", "ax10", "10", "1e9x10"}) EXPECT_FALSE(ReadSizeMm(bad)) << bad;
    EXPECT_EQ(ReadSizeMm("241.3X139.7"), QSizeF(241.3, 139.7));

    EXPECT_EQ(ReadNumberList("3,5-9", 100), (QList<qint64>{3, 5, 6, 7, 8, 9}));
    EXPECT_EQ(ReadNumberList("2,9,3", 100), (QList<qint64>{2, 9, 3})); // the order given
    for (const char* bad : {"", "1,,2", "5-3", "0", "x", "1-2-3", "1-"}) EXPECT_FALSE(ReadNumberList(bad, 100)) << bad;
    EXPECT_FALSE(ReadNumberList("1-1000", 100)); // more than asked for

    EXPECT_EQ(ReadAssignment("金额=12=3"), (QPair<QString, QString>{"金额", "12=3"}));
    EXPECT_EQ(ReadAssignment("金额="), (QPair<QString, QString>{"金额", ""}));
    EXPECT_FALSE(ReadAssignment("=3"));
    EXPECT_FALSE(ReadAssignment("金额"));
}
