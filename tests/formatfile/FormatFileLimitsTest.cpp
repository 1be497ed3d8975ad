// Format files cut short, overlong or absurd are faulty.
#include "formatfile/FormatFile.h"
#include "formatfile/FormatFileFields.h"

#include <gtest/gtest.h>

namespace {

const QString kSep = QStringLiteral("】★【");

// A page row and one text box with `field` set to `value`.
QString FileWith(int field, const QString& value, bool customSection = true) {
    PageParams pageParams;
    pageParams.width = 210;
    pageParams.height = 99;
    BoxRecord boxRecord;
    boxRecord.id = 2;
    boxRecord.x = boxRecord.y = 10;
    boxRecord.w = 50;
    boxRecord.h = 8;
    boxRecord.fontSize = 12;
    QStringList page = PageFields(1, pageParams);
    QStringList box = BoxFields(boxRecord);
    QStringList& target = field < 0 ? page : box;
    target[std::abs(field)] = value;
    QStringList lines{QStringLiteral("<Corvane格式专用>"), QStringLiteral("n"), page.join(kSep),
                      box.join(kSep)};
    if (customSection) lines << QStringLiteral("[自定义内容]");
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

TEST(FormatFileLimits, ValuesOutsideTheirRangesOrFieldsTooLongMakeTheFileFaulty) {
    // Negative fields address the page row (X 4, Y 5, W 6, H 7), the others the box.
    struct Case { int field; QString value; bool accepted; };
    const QList<Case> cases = {
        {-6, "1E+308", false}, {-6, "0", false}, {-7, "-5", false}, {-6, "1000000000", false},
        {-6, "5000", true},    {-7, "1", true},  {-4, "1E+300", false}, {-5, "-991", false},
        {-4, "1010", true},    {-5, "-990", true}, {12, "1000000", false}, {12, "1000", true},
        {12, "0", true},       {12, "0.5", false}, {4, "-1E+300", false}, {7, "10001", false},
        {5, "-10000", true},   {19, QString(64 * 1024 + 1, u'字'), false},
        {19, QString(60 * 1024, u'字'), true}, {2, QString(10 * 1024 * 1024, u'a'), false},
        // Data type and packed line spacing, character spacing.
        {17, "1E+15", false}, {17, "-1E+15", false}, {17, "399", true}, {17, "114.3", true},
        {9, "1E+300", false}, {9, "2004.5", true}, {9, "-1E+300", false}, {8, "1E+300", false},
        {8, "1.5", true},
    };
    for (const Case& c : cases) {
        const FormatFileError error = ParseFormatFile(FileWith(c.field, c.value)).error;
        EXPECT_EQ(error, c.accepted ? FormatFileError::None : FormatFileError::Malformed)
            << c.field << " = " << c.value.left(20).toStdString();
    }
}

TEST(FormatFileLimits, AFileCutShortIsRefused) {
    const QString whole = FileWith(0, QStringLiteral("2"));
    ASSERT_EQ(ParseFormatFile(whole).error, FormatFileError::None);
    // Cut after a whole record line: every line reads, but the end is missing.
    EXPECT_EQ(ParseFormatFile(FileWith(0, QStringLiteral("2"), false)).error, FormatFileError::Malformed);
    const QString withList = whole + QStringLiteral("\r\n自定义类型124=[现金;转账][END]");
    EXPECT_EQ(ParseFormatFile(withList).error, FormatFileError::None);
    EXPECT_EQ(ParseFormatFile(withList.chopped(6)).error, FormatFileError::Malformed);
}
