// Column letters, mapping expressions, row settings, record spans and the import loop
// over a real CSV sheet.
#include "ExchangeFixture.h"

#include "core/Progress.h"
#include "exchange/ColumnLetters.h"
#include "exchange/CsvReader.h"
#include "exchange/MappingExpression.h"
#include "exchange/RecordImport.h"
#include "exchange/RowSettings.h"

namespace {

using Records = QList<QStringList>;

TEST(ColumnLetters, NumbersAndLetters) {
    const QList<std::pair<QString, int>> numbers = {
        {"a", 1}, {"A", 1}, {" b ", 2}, {"Z", 26}, {"AA", 27}, {"az", 52}, {"ZZ", 702},
        {"AAA", 0}, {"", 0}, {"  ", 0}, {"@", 1}};
    for (const auto& [letters, number] : numbers) EXPECT_EQ(ColumnNumber(letters), number) << letters.toStdString();
    const QList<std::pair<int, QString>> letters = {{1, "A"}, {26, "Z"}, {27, "AA"}, {53, "BA"},
                                                    {702, "ZZ"}, {703, "AAA"}};
    for (const auto& [number, text] : letters) EXPECT_EQ(ColumnLetters(number), text) << number;
}

TEST(MappingExpression, TermsOfAnExpression) {
    const QList<MappingTerm> terms =
        ParseMappingExpression(QStringLiteral("，“第”，b+1, \"x,y\" ,C , 编号, D+2+3,"));
    ASSERT_EQ(terms.size(), 6);
    EXPECT_TRUE(terms[0].literal);
    EXPECT_EQ(terms[0].text, "第");
    EXPECT_EQ(terms[1].column, 2);
    EXPECT_EQ(terms[1].offset, 1);
    EXPECT_EQ(terms[2].text, "x,y");
    EXPECT_EQ(terms[3].column, 3);
    EXPECT_EQ(terms[3].offset, 0);
    EXPECT_FALSE(terms[4].literal); // two characters: a column, however odd
    EXPECT_EQ(terms[5].column, 4);
    EXPECT_EQ(terms[5].offset, 3); // the number after the last "+"
    EXPECT_EQ(ParseMappingExpression(QStringLiteral("Ｂ＋１")).value(0).column, 2);
}

TEST(RowSettings, RangeChecks) {
    struct Case {
        QString start, end, interval;
        std::optional<std::pair<int, int>> range;
        int interval2;
    };
    const QList<Case> cases = {
        {"1", "30000", "1", std::pair(1, 30000), 1},
        {"1", "30001", "1", std::nullopt, 1},
        {"30000", "1", "3", std::pair(1, 30000), 3},
        {"30001", "1", "1", std::nullopt, 1},
        {"0", "5", "0", std::pair(1, 5), 1}, // an interval of 0 would never move on
        {" 7 行", "9", "x", std::pair(7, 9), 1},
    };
    for (const Case& c : cases) {
        RowSettings settings;
        settings.start = c.start;
        settings.end = c.end;
        settings.interval = c.interval;
        const std::optional<ImportRange> range = CheckRange(settings);
        ASSERT_EQ(range.has_value(), c.range.has_value()) << c.start.toStdString() << "-" << c.end.toStdString();
        if (!range) continue;
        EXPECT_EQ(std::pair(range->start, range->end), *c.range);
        EXPECT_EQ(range->interval, c.interval2);
    }
}

class MappingFixture : public ExchangeFixture {};

TEST_F(MappingFixture, RowSettingsAreStoredTrimmedAndMissingKeysKeepTheFields) {
    RowSettings designed;
    designed.marker = QStringLiteral("C");
    EXPECT_EQ(ReadRowSettings(designed).marker, "C");
    RowSettings settings;
    settings.start = QStringLiteral(" 3 ");
    settings.marker = QStringLiteral(" ");
    WriteRowSettings(settings);
    const RowSettings read = ReadRowSettings(designed);
    EXPECT_EQ(read.start, "3");
    EXPECT_EQ(read.marker, "C"); // stored empty: the field keeps its value
}

MappedBox Box(int number, const QString& expression) {
    MappedBox box;
    box.box.boxNumber = number;
    box.box.boxId = number;
    box.expression = expression;
    return box;
}

BillData Import(const QString& csv, const QList<MappedBox>& boxes, ImportRange range) {
    const CsvReader sheet(csv, QStringLiteral("sheet"));
    SilentProgress progress;
    return ImportRecords(sheet, boxes, range, QStringLiteral("//"), progress);
}

TEST(RecordImport, MarkerColumnSplitsRecords) {
    const QString csv = QStringLiteral("x,1\nx,2\ny,3\ny,4\ny,5\ny,6\n");
    const BillData data = Import(csv, {Box(1, "B"), Box(2, "B+1"), Box(3, "B+2")}, {1, 6, 3, 1});
    EXPECT_EQ(Values(data), Records({{"1", "2", ""}, {"3", "4", "5"}, {"6", "", ""}}));
    EXPECT_EQ(data.rows.last().number, 3);
    // Without the marker every three rows make a record.
    EXPECT_EQ(Values(Import(csv, {Box(1, "B+2")}, {1, 6, 3, 0})), Records({{"3"}, {"6"}}));
}

TEST(RecordImport, ValuesOfExpressions) {
    const QString csv = QStringLiteral("张三,100\t,\"一\n二\"\n李四,200,三\n");
    struct Case {
        QString expression;
        QStringList values;
    };
    const QList<Case> cases = {
        {"\"收\",A,\"付\",B", {"收张三付100", "收李四付200"}}, // one trailing tab goes
        {"B+1", {"", ""}},                                    // an offset beyond the span
        {"\"前\",B+1,A", {"前", "前"}},                        // ends the box's terms
        {"C", {"一//二", "三"}},
        {"AAA,\"x\"", {"x", "x"}},
        {"", {"", ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Values(Import(csv, {Box(1, c.expression)}, {1, 2, 1, 0})),
                  Records({{c.values[0]}, {c.values[1]}}))
            << c.expression.toStdString();
}

TEST(RecordImport, EndRowStopsAtTheLastUsedRow) {
    const QString csv = QStringLiteral("a\nb\nc\n");
    EXPECT_EQ(Values(Import(csv, {Box(1, "A")}, {2, 30001, 1, 0})), Records({{"b"}, {"c"}}));
    EXPECT_EQ(Values(Import(csv, {Box(1, "A+1")}, {1, 2, 2, 0})), Records({{"b"}}));
    EXPECT_TRUE(Import(csv, {Box(1, "A")}, {5, 9, 1, 0}).rows.isEmpty());
}

TEST(RecordImport, ARecordOverTwoLinesCountsAsOneRow) {
    const QString csv = QStringLiteral("1,\"a\nb\"\n2,c\n3,d\n");
    EXPECT_EQ(Values(Import(csv, {Box(1, "A"), Box(2, "B")}, {2, 3, 1, 0})),
              Records({{"2", "c"}, {"3", "d"}}));
}

} // namespace
