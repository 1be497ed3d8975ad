// The CSV state machine: the quote rules case by case, and against the line-joining
// rule it replaces on random text.
#include "core/CsvField.h"
#include "ExchangeFixture.h"

#include "exchange/CsvParser.h"
#include "exchange/CsvReader.h"
#include "formatfile/AnsiText.h"
#include "formatfile/TextDecoder.h"

#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

using Records = QList<QStringList>;

TEST(CsvParser, QuoteRules) {
    struct Case {
        const char* text;
        Records records;
    };
    const QList<Case> cases = {
        {"a,\"b,c\",d", {{"a", "b,c", "d"}}},
        {"\"say \"\"hi\"\"\",x", {{"say \"hi\"", "x"}}},
        {"a,\"x\ny\",b\nnext", {{"a", "x\r\ny", "b"}, {"next"}}},
        {"a,\"x\r\ny\"\r\nnext\r\n", {{"a", "x\r\ny"}, {"next"}}},
        {"a\n\nb\n", {{"a"}, {}, {"b"}}},
        {"ab\"c,d\"e", {{"abc,de"}}},
        {"a\"\"b,\"\"\"q\"\"\"", {{"a\"b", "\"q\""}}},
        {"a,\"\",b\n\"\"", {{"a", "", "b"}, {""}}},
        {"\"\"\"\",\"\"\"\"\"\"", {{"\"", "\"\""}}},
        {",", {{"", ""}}},
        {"ζζ,ξ", {{"ζζ", "ξ"}}},
    };
    for (const Case& c : cases) {
        const CsvRecords parsed = ParseCsv(QString::fromUtf8(c.text));
        EXPECT_EQ(parsed.records, c.records) << c.text;
        EXPECT_FALSE(parsed.unclosedQuote) << c.text;
    }
}

TEST(CsvParser, QuoteLeftOpenClosesAtTheEnd) {
    const CsvReader reader(QStringLiteral("a,b\n\"c,d\ne"), QStringLiteral("x"));
    EXPECT_EQ(Cells(reader), Records({{"a", "b"}, {"c,d\r\ne", ""}}));
    EXPECT_EQ(reader.Warnings().size(), 1);
}

// The rule the state machine replaces, on text without its markers ζ and ξ: lines
// are parsed one by one, and a line whose quotes do not balance is joined with the
// next by CR LF. A quote left open at the end is closed there.
QString MarkLine(QString line) {
    const QChar mark = u'ζ';
    int oddRuns = 0;
    for (qsizetype i = 0; i < line.size();) {
        if (line[i] != u'"') { ++i; continue; }
        qsizetype end = i;
        while (end < line.size() && line[end] == u'"') ++end;
        if ((end - i) % 2 == 1) line[++oddRuns % 2 == 1 ? i : end - 1] = mark;
        i = end;
    }
    if (line.count(mark) % 2 == 1) return {};
    line.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    for (qsizetype open; (open = line.indexOf(mark)) >= 0;) {
        const qsizetype close = line.indexOf(mark, open + 1);
        line = line.left(open) + line.mid(open + 1, close - open - 1).replace(u',', u'ξ') + line.mid(close + 1);
    }
    return line.replace(QStringLiteral(","), QStringLiteral("ζζ")).replace(u'ξ', u',');
}

Records ReferenceParse(const QString& text) {
    QStringList lines = text.isEmpty() ? QStringList() : text.split(u'\n');
    if (text.endsWith(u'\n')) lines.removeLast();
    Records records;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty()) { records << QStringList(); continue; }
        QString marked;
        while ((marked = MarkLine(lines[i])).isEmpty()) {
            if (i + 1 < lines.size()) lines[i] += QStringLiteral("\r\n") + lines.takeAt(i + 1);
            else lines[i] += QStringLiteral("\x01\""); // a closing quote of its own run
        }
        records << marked.remove(QChar(1)).split(QStringLiteral("ζζ"));
    }
    return records;
}

TEST(CsvParser, SameFieldsAsLineJoiningOnRandomText) {
    // A field made only of quotes in even number is enclosed by its outer quotes here
    // and halved there ("" empty, not a quote); those are left out.
    static const QRegularExpression kQuotesOnly(QStringLiteral("(^|[,\\n])(\"\")+($|[,\\n])"));
    const QStringList pieces = {"a", "b", ",", "\"", "\"", "\n", "é", " "};
    QRandomGenerator random(20240601);
    int compared = 0;
    while (compared < 50000) {
        QString text;
        for (int n = random.bounded(18); n > 0; --n) text += pieces[random.bounded(int(pieces.size()))];
        if (text.contains(kQuotesOnly)) continue;
        ASSERT_EQ(ParseCsv(text).records, ReferenceParse(text)) << text.toStdString();
        ++compared;
    }
}

TEST(CsvParser, WrittenFieldsReadBack) {
    const QStringList fields = {"1,000", "a\"b", "", "两行\r\n文字", "\"", "plain"};
    QStringList written;
    for (const QString& field : fields) written << CsvField(field);
    EXPECT_EQ(written[0], "\"1,000\"");
    EXPECT_EQ(written[1], "\"a\"\"b\"");
    EXPECT_EQ(ParseCsv(written.join(u',')).records, Records({fields}));
}

TEST(CsvParser, SameRowsInEveryEncoding) {
    const QString text = QStringLiteral("收款人,金额\n张三,\"1,000.00\"\n李四,𠀀\n");
    const Records expected = {{"收款人", "金额"}, {"张三", "1,000.00"}, {"李四", "𠀀"}};
    const QByteArray encodings[] = {text.toUtf8(), "\xEF\xBB\xBF" + text.toUtf8(), EncodeAnsi(text)};
    for (const QByteArray& bytes : encodings)
        EXPECT_EQ(ParseCsv(DecodeTextBytes(bytes).value_or(QString())).records, expected) << bytes.toHex().toStdString();
}

} // namespace
