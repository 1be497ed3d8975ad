// The format file layout: escapes, field counts, continuation lines, the custom
// section and encodings, on texts built by hand.
#include "library/AnsiText.h"
#include "library/FormatFile.h"
#include "library/FormatFileFields.h"

#include <gtest/gtest.h>

namespace {

const QString kSep = QStringLiteral("】★【");
const QString kHeader = QStringLiteral("<Corvane格式专用>");
const QString kPageLabel = QStringLiteral("【§单据整体格式参数§】");

QString Line(const QStringList& fields) { return fields.join(kSep); }

QStringList BoxLine(int id, const QString& label, int fields = 23) {
    QStringList f = {QString::number(id), "0", label, "1", "10", "20", "30", "8", "0.5", "1004",
                     "255", "宋体", "12", "True", "False", "FALSE", "true", "103", "0", "",
                     "0", "0", "0"};
    return f.mid(0, fields);
}

QStringList PageLine(int id) {
    return {QString::number(id), "", kPageLabel, "", "10", "10", "210", "99", "", "", "15360",
            "", "", "False", "False", "False", "False", "", "", "True|False|1|0|0|0|1|False|",
            "", "", ""};
}

QString File(const QStringList& lines) { return lines.join("\r\n"); }

TEST(FormatFile, ParsesFieldsEscapesAndShortOlderLines) {
    QStringList older = BoxLine(7, "收款人‖‖‖全称", 21);
    older[19] = QStringLiteral("第一行♂♂第二行");
    const ParsedFormatFile parsed = ParseFormatFile(
        File({kHeader, "票据", Line(PageLine(3)), Line(older), "[自定义内容]"}));
    ASSERT_EQ(parsed.error, FormatFileError::None);
    ASSERT_EQ(parsed.content.boxes.size(), 1);
    const BoxRecord& box = parsed.content.boxes[0];
    EXPECT_EQ(box.id, 7);
    EXPECT_EQ(box.label, QStringLiteral("收款人\r\n全称"));
    EXPECT_EQ(box.mem, QStringLiteral("第一行\r\n第二行"));
    EXPECT_EQ(box.dir, 1);
    EXPECT_DOUBLE_EQ(box.s, 0.5);
    EXPECT_DOUBLE_EQ(box.l, 1004);
    EXPECT_EQ(box.color, 255);
    EXPECT_EQ(box.fontName, QStringLiteral("宋体"));
    EXPECT_TRUE(box.bold);
    EXPECT_FALSE(box.italic);
    EXPECT_FALSE(box.underline); // only "true" in any case counts
    EXPECT_TRUE(box.strikeout);
    EXPECT_DOUBLE_EQ(box.cash, 103);
    EXPECT_EQ(box.sumId1, 0);
    EXPECT_EQ(box.rctl1, 0);

    EXPECT_EQ(parsed.content.pageId, 3);
    EXPECT_DOUBLE_EQ(parsed.content.page.width, 210);
    EXPECT_DOUBLE_EQ(parsed.content.page.height, 99);
    EXPECT_EQ(parsed.content.page.designScreenWidth, 15360);
    EXPECT_TRUE(parsed.content.page.options.setPaper);
    EXPECT_EQ(parsed.content.page.options.optionBoxes[0], 1);
}

TEST(FormatFile, RejoinsRecordsBrokenByRawLineBreaks) {
    // Raw breaks inside a late field (here the fixed text) leave short tail lines,
    // empty ones included; they belong to the record above.
    QStringList first = BoxLine(5, "a");
    first[19] = QStringLiteral("上半");
    QStringList second = BoxLine(6, "");
    second[19] = QStringLiteral("甲");
    const auto head = [](const QStringList& f) { return Line(f.mid(0, 20)); };
    const auto tail = [](const QStringList& f, const QString& text) {
        return text + Line(f.mid(19)).mid(f[19].size());
    };
    const ParsedFormatFile parsed = ParseFormatFile(File(
        {kHeader, "n", Line(PageLine(1)), head(first), tail(first, "下半"), head(second), "",
         tail(second, "乙"), "[自定义内容]", "自定义类型124=[a;b][END]"}));
    ASSERT_EQ(parsed.error, FormatFileError::None);
    ASSERT_EQ(parsed.content.boxes.size(), 2);
    EXPECT_EQ(parsed.content.boxes[0].mem, QStringLiteral("上半\r\n下半"));
    EXPECT_DOUBLE_EQ(parsed.content.boxes[0].x, 10);
    EXPECT_EQ(parsed.content.boxes[1].mem, QStringLiteral("甲\r\n\r\n乙"));
    // The custom section never folds into the last record.
    EXPECT_EQ(parsed.content.boxes[1].rctl1, 0);
    ASSERT_EQ(parsed.content.custom.size(), 1);
}

TEST(FormatFile, CustomValuesLoseLineBreaksAndKeepEqualsBracket) {
    const ParsedFormatFile parsed = ParseFormatFile(File(
        {kHeader, "n", Line(PageLine(1)), "[自定义内容]", "自定义类型124=[现金;", "转账][END]",
         "自定义类型125=[a=[b][END]", "=[无名][END]"}));
    ASSERT_EQ(parsed.error, FormatFileError::None);
    const QList<CustomContentEntry> expected = {{"自定义类型124", "现金;转账"},
                                                {"自定义类型125", "a=[b"}};
    EXPECT_EQ(parsed.content.custom, expected);
}

TEST(FormatFile, RejectsWhatIsNotAFormatFile) {
    EXPECT_EQ(ParseFormatFile(File({kHeader, "n"})).error, FormatFileError::Unrecognised);
    EXPECT_EQ(ParseFormatFile(File({"<Other>", "n", Line(PageLine(1))})).error,
              FormatFileError::Unrecognised);
    EXPECT_EQ(ParseFormatFileBytes(QByteArray("\xFF\xFF\xFF", 3)).error,
              FormatFileError::Unrecognised);

    struct Case { const char* what; QStringList lines; };
    QStringList badNumber = BoxLine(2, "a");
    badNumber[4] = QStringLiteral("12,5");
    QStringList infinite = BoxLine(2, "a");
    infinite[6] = QStringLiteral("inf");
    QStringList badKind = BoxLine(2, "a");
    badKind[1] = QStringLiteral("9");
    const QList<Case> cases = {
        {"bad number", {kHeader, "n", Line(PageLine(1)), Line(badNumber)}},
        {"infinite number", {kHeader, "n", Line(PageLine(1)), Line(infinite)}},
        {"unknown box kind", {kHeader, "n", Line(PageLine(1)), Line(badKind)}},
        {"first record too short", {kHeader, "n", Line(BoxLine(2, "a", 20))}},
        {"no page parameters", {kHeader, "n", Line(BoxLine(2, "a"))}},
        {"no records at all", {kHeader, "n", "[自定义内容]"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseFormatFile(File(c.lines)).error, FormatFileError::Malformed) << c.what;
}

TEST(FormatFile, ComposesInIdOrderWithoutTrailingBreak) {
    FormatFileContent content;
    content.nameLine = QStringLiteral("票据");
    content.pageId = 5;
    BoxRecord a;
    a.id = 9;
    a.label = QStringLiteral("一\n二\r\n三");
    BoxRecord b;
    b.id = 2;
    content.boxes = {a, b};
    const QString text = ComposeFormatFile(content);
    EXPECT_FALSE(text.endsWith("\r\n"));
    const QStringList lines = text.split("\r\n");
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], kHeader);
    EXPECT_EQ(lines[1], QStringLiteral("票据"));
    EXPECT_TRUE(lines[2].startsWith("2" + kSep));
    EXPECT_TRUE(lines[3].startsWith("5" + kSep + kSep + kPageLabel));
    EXPECT_TRUE(lines[4].startsWith("9" + kSep + "0" + kSep + "一‖‖‖二‖‖‖三" + kSep));
    EXPECT_EQ(lines[5], QStringLiteral("[自定义内容]"));
}

TEST(FormatFile, NumbersTravelExactly) {
    EXPECT_EQ(NumberText(12.5), "12.5");
    EXPECT_EQ(NumberText(0), "0");
    EXPECT_EQ(NumberText(-0.0), "0");
    EXPECT_EQ(NumberText(-3), "-3");
    EXPECT_EQ(NumberText(0.00001), "1E-05");
    const double awkward = 25.4 / 3;
    BoxRecord box;
    box.x = awkward;
    box.sumId = -1234.5;
    const std::optional<BoxRecord> back = ParseRowFields(BoxFields(box));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->x, awkward);
    EXPECT_EQ(*back, box);
}

TEST(AnsiText, GbkBytesAndFallbacks) {
    // GBK is the contract; the euro keeps CP936's single byte.
    EXPECT_EQ(EncodeAnsi(QStringLiteral("格式‖€")), QByteArray("\xB8\xF1\xCA\xBD\xA1\xAC\x80"));
    // A character GBK lacks survives as GB18030 instead of becoming "?".
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    EXPECT_EQ(DecodeAnsi(EncodeAnsi("a" + emoji + "€b")), "a" + emoji + "€b");

    const QString text = kHeader + QStringLiteral("\r\n名称");
    EXPECT_EQ(DecodeTextFileBytes(EncodeAnsi(text)), text);
    EXPECT_EQ(DecodeTextFileBytes(text.toUtf8()), text);
    EXPECT_EQ(DecodeTextFileBytes("\xEF\xBB\xBF" + text.toUtf8()), text);
    EXPECT_FALSE(DecodeTextFileBytes(QByteArray("\xB8\xF1\xFF", 3)));
    EXPECT_FALSE(DecodeTextFileBytes(QByteArray("\xB8", 1))); // cut in the middle
}

} // namespace
