// The format file reader and writer on texts built by hand: continuation lines, the
// custom section, malformed input, numbers and encodings.
#include "formatfile/AnsiText.h"
#include "formatfile/FormatFile.h"
#include "formatfile/FormatFileFields.h"

#include <gtest/gtest.h>

namespace {

const QString kSep = QStringLiteral("】★【");
const QString kHeader = QStringLiteral("<Corvane格式专用>");

QStringList BoxFieldList(const QString& id, const QString& mem = {}) {
    return {id, "0", "框", "1", "10", "20", "30", "8", "0.5", "1004", "255", "宋体", "12",
            "True", "False", "FALSE", "true", "103", "0", mem, "0", "0", "0"};
}

QString File(const QStringList& records, const QStringList& custom = {}) {
    const QString page = QStringLiteral("3】★【】★【【§单据整体格式参数§】】★【】★【10】★【10】★【210】★【99")
                         + kSep.repeated(15);
    return (QStringList{kHeader, "n", page} + records + QStringList{"[自定义内容]"} + custom).join("\r\n");
}

TEST(FormatFile, RejoinsRawLineBreaksAndReadsTheCustomSection) {
    // Raw breaks inside the fixed text leave short tail lines, empty ones included;
    // they belong to the record above. The custom section never folds into it.
    const QStringList first = BoxFieldList("5", "上");
    const QStringList second = BoxFieldList("6", "甲");
    const auto head = [](const QStringList& f) { return f.mid(0, 20).join(kSep); };
    const auto tail = [](const QString& text) { return text + kSep + "0" + kSep + "0" + kSep + "0"; };
    const ParsedFormatFile parsed = ParseFormatFile(File(
        {head(first), tail("下"), head(second), "", tail("乙")},
        {"自定义类型124=[现金;", "转账][END]", "自定义类型125=[a=[b][END]", "=[无名][END]"}));
    ASSERT_EQ(parsed.error, FormatFileError::None);
    ASSERT_EQ(parsed.content.boxes.size(), 2);
    EXPECT_EQ(parsed.content.boxes[0].mem, QStringLiteral("上\r\n下"));
    EXPECT_EQ(parsed.content.boxes[1].mem, QStringLiteral("甲\r\n\r\n乙"));
    EXPECT_EQ(parsed.content.boxes[1].rctl1, 0);
    EXPECT_EQ(parsed.content.pageId, 3);
    // Flags: only "true" in any case counts.
    EXPECT_TRUE(parsed.content.boxes[0].bold && parsed.content.boxes[0].strikeout);
    EXPECT_FALSE(parsed.content.boxes[0].underline);
    const QList<CustomContentEntry> custom = {{"自定义类型124", "现金;转账"}, {"自定义类型125", "a=[b"}};
    EXPECT_EQ(parsed.content.custom, custom);
}

TEST(FormatFile, RejectsWhatIsNotAWellFormedFormatFile) {
    EXPECT_EQ(ParseFormatFile(kHeader + "\r\nn").error, FormatFileError::Unrecognised);
    EXPECT_EQ(ParseFormatFileBytes(QByteArray("\xFF\xFF\xFF", 3)).error, FormatFileError::Unrecognised);
    struct Case { int field; const char* value; };
    for (const Case& c : {Case{4, "12,5"}, Case{6, "inf"}, Case{1, "9"}, Case{10, "红"}}) {
        QStringList fields = BoxFieldList("2");
        fields[c.field] = QString::fromUtf8(c.value);
        EXPECT_EQ(ParseFormatFile(File({fields.join(kSep)})).error, FormatFileError::Malformed) << c.value;
    }
    const QString boxOnly = kHeader + "\r\nn\r\n" + BoxFieldList("2").join(kSep);
    EXPECT_EQ(ParseFormatFile(boxOnly).error, FormatFileError::Malformed); // no page row
    const QString shortFirst = kHeader + "\r\nn\r\n" + BoxFieldList("2").mid(0, 20).join(kSep);
    EXPECT_EQ(ParseFormatFile(shortFirst).error, FormatFileError::Malformed);
}

TEST(FormatFile, FieldsTravelExactly) {
    EXPECT_EQ(FileNumberText(12.5), "12.5");
    EXPECT_EQ(FileNumberText(-0.0), "0");
    EXPECT_EQ(FileNumberText(0.00001), "1E-05");
    BoxRecord box;
    box.x = 25.4 / 3; // needs all 17 digits
    box.sumId = -1234.5;
    box.label = QStringLiteral("一\n二\r三"); // lone LF or CR must not split the line
    const QStringList fields = BoxFields(box);
    EXPECT_EQ(fields[2], QStringLiteral("一‖‖‖二‖‖‖三"));
    const std::optional<BoxRecord> back = ParseRowFields(fields);
    ASSERT_TRUE(back);
    box.label = QStringLiteral("一\r\n二\r\n三");
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
    // User-defined GBK codes (made-up name characters) read as private-use characters,
    // and a file saved as UTF-16 reads too.
    EXPECT_EQ(DecodeTextFileBytes(EncodeAnsi(text) + "\xA1\x40\xD7\xFA"), text + QStringLiteral("\uE4C6\uE810"));
    EXPECT_EQ(DecodeTextFileBytes(QByteArray("\xFF\xFE", 2)
                                  + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2)),
              text);
}

} // namespace
