// Workbooks made by another spreadsheet program (Gnumeric) from CSV written here:
// numbers, dates, CJK text, empty cells and several sheets read as it shows them.
#include "ExchangeFixture.h"

#include "exchange/ExchangeTexts.h"
#include "exchange/FreeXlReader.h"
#include "exchange/SheetReader.h"
#include "exchange/XlsReader.h"

#include <QProcess>

namespace {

using Records = QList<QStringList>;

class SpreadsheetFiles : public ExchangeFixture {
protected:
    QStringList WriteSheets() {
        return {WriteFile(QStringLiteral("收款人.csv"),
                          "名称,金额,日期,备注,编号\n"
                          "张三,1234.5,2024-03-05,,中文\n"
                          "李四,0.1,2000-02-29,x,\"a,b\"\n"
                          "王五,100000000000000000000,1999-12-31,,\"多\n行\"\n"
                          "赵六,-7,,,\n"),
                WriteFile(QStringLiteral("第二页.csv"), "甲,3\n,\n乙\n")};
    }
};

TEST_F(SpreadsheetFiles, ReadAsTheOtherProgramShowsThem) {
    const QStringList csv = WriteSheets();
    const Records first = {{"名称", "金额", "日期", "备注", "编号"},
                           {"张三", "1234.5", "2024-03-05", "", "中文"},
                           {"李四", "0.1", "2000-02-29", "x", "a,b"},
                           {"王五", "100000000000000000000", "1999-12-31", "", "多\n行"},
                           {"赵六", "-7", "", "", ""}};
    for (const QString type : {"xlsx", "xls"}) {
        SCOPED_TRACE(type.toStdString());
        const QString workbook = Convert(csv, QStringLiteral("两页.") + type);
        QString error;
        const std::unique_ptr<SheetReader> reader = OpenSheetFile(workbook, &error);
        ASSERT_TRUE(reader) << error.toStdString();
        EXPECT_EQ(reader->SheetNames(), QStringList({"收款人.csv", "第二页.csv"}));
        ASSERT_TRUE(reader->SelectSheet(QStringLiteral("收款人.csv"), &error)) << error.toStdString();
        EXPECT_EQ(Cells(*reader), first);
        ASSERT_TRUE(reader->SelectSheet(QStringLiteral("第二页.csv"), &error));
        EXPECT_EQ(Cells(*reader), Records({{"甲", "3"}, {"", ""}, {"乙", ""}}));
        EXPECT_FALSE(reader->SelectSheet(QStringLiteral("没有"), &error));
        EXPECT_EQ(error, ExchangeText::kWrongSheetName);
    }
}

TEST_F(SpreadsheetFiles, OlderBinaryWorkbooksReadThroughFreeXl) {
    // Text only: which cells FreeXL takes for dates in these files varies with the
    // order Gnumeric writes their formats in.
    const QString csv = WriteFile(QStringLiteral("old.csv"), "name,city\nAlice,Paris\n");
    const QString workbook = FilePath(QStringLiteral("excel95.xls"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("ssconvert"),
                                {QStringLiteral("-T"), QStringLiteral("Gnumeric_Excel:excel_biff7"), csv, workbook}),
              0);
    QString error;
    bool older = false;
    EXPECT_FALSE(XlsReader::Open(workbook, &error, &older));
    EXPECT_TRUE(older);
    const std::unique_ptr<SheetReader> reader = OpenSheetFile(workbook, &error);
    ASSERT_TRUE(reader && reader->SelectSheet(reader->SheetNames().value(0), &error)) << error.toStdString();
    EXPECT_EQ(Cells(*reader), Records({{"name", "city"}, {"Alice", "Paris"}}));
}

TEST_F(SpreadsheetFiles, FilesThatCannotBeRead) {
    const QString workbook = Convert({WriteSheets().first()}, QStringLiteral("改名.xlsx"));
    // A workbook under the other extension still opens by its content.
    const QString renamed = FilePath(QStringLiteral("改名.xls"));
    ASSERT_TRUE(QFile::rename(workbook, renamed));
    QString error;
    EXPECT_TRUE(OpenSheetFile(renamed, &error)) << error.toStdString();

    // A binary workbook cut short.
    const QString xls = Convert({WriteSheets().first()}, QStringLiteral("整.xls"));
    const QString cut = WriteFile(QStringLiteral("半.xls"), ReadFile(xls).left(3000));

    struct Case {
        QString path;
        QString error;
    };
    const QList<Case> cases = {
        {cut, ExchangeText::kWrongFileType},
        {WriteFile(QStringLiteral("文本.xls"), "just text, not a workbook"), ExchangeText::kWrongFileType},
        {WriteFile(QStringLiteral("文本.xlsx"), "PK\x03\x04 broken"), ExchangeText::kWrongFileType},
        {FilePath(QStringLiteral("没有.xlsx")), ExchangeText::kCannotOpenExcel},
        {FilePath(QStringLiteral("没有.csv")), ExchangeText::kCsvImportError},
        {WriteFile(QStringLiteral("数据.txt"), "a,b"), ExchangeText::kUnsupportedType},
    };
    for (const Case& c : cases) {
        error.clear();
        EXPECT_FALSE(OpenSheetFile(c.path, &error)) << c.path.toStdString();
        EXPECT_EQ(error, c.error) << c.path.toStdString();
    }
}

// Our BIFF8 reader against FreeXL on the same file: thousands of shared strings of
// one-byte and two-byte characters, so that strings run over record boundaries,
// integers, decimals, negative numbers and dates.
TEST_F(SpreadsheetFiles, BinaryWorkbookReadsAsFreeXlReadsIt) {
    QByteArray csv;
    for (int row = 1; row <= 3000; ++row) {
        csv += QStringLiteral("%1,%2,%3,%4,2023-%5-%6,%7\n")
                   .arg(QString(row % 37 + 1, QChar(u'a' + row % 26)))
                   .arg(QString(row % 29 + 1, QChar(0x4E00 + row)))
                   .arg(row * 7)
                   .arg(-row / 8.0)
                   .arg(row % 12 + 1)
                   .arg(row % 28 + 1)
                   .arg(row % 5 ? QString() : QStringLiteral("混合text%1").arg(row))
                   .toUtf8();
    }
    const QString workbook = Convert({WriteFile(QStringLiteral("多.csv"), csv), WriteFile(QStringLiteral("少.csv"), "1\n")},
                                     QStringLiteral("对照.xls"));
    QString error;
    bool older = true;
    const std::unique_ptr<XlsReader> ours = XlsReader::Open(workbook, &error, &older);
    const std::unique_ptr<FreeXlReader> theirs = FreeXlReader::Open(workbook, &error);
    ASSERT_TRUE(ours && theirs) << error.toStdString();
    EXPECT_FALSE(older);
    ASSERT_EQ(ours->SheetNames(), theirs->SheetNames());
    for (const QString& sheet : ours->SheetNames()) {
        ASSERT_TRUE(ours->SelectSheet(sheet, &error) && theirs->SelectSheet(sheet, &error));
        EXPECT_EQ(Cells(*ours), Cells(*theirs)) << sheet.toStdString();
    }
    EXPECT_EQ(ours->RowCount(), 1);
    ASSERT_TRUE(ours->SelectSheet(QStringLiteral("多.csv"), &error));
    EXPECT_EQ(ours->Cell(3000, 5), "2023-01-05");
    // Beyond the cell limit the workbook is refused with the limit in the message.
    EXPECT_FALSE(XlsReader::Open(workbook, &error, &older, WorkbookLimits{1 << 20, 1000}));
    EXPECT_EQ(error, ExchangeText::kTooManyCells.arg(1000));
}

} // namespace
