// Export of grids to CSV and .xlsx, the questions around it, and round trips: what
// is exported imports back into the same rows.
#include "ExchangeFixture.h"

#include "common/ScriptedAsker.h"
#include "core/Progress.h"
#include "exchange/BillDataGrid.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/GridCsv.h"
#include "exchange/GridExport.h"
#include "exchange/GridFitting.h"
#include "exchange/GridXlsx.h"
#include "exchange/RecordImport.h"
#include "exchange/SheetReader.h"
#include "exchange/ZipPackage.h"

#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QFileInfo>

namespace {

using Records = QList<QStringList>;

// The history grid's shape: a hidden ID row and a hidden bill-number column.
GridTable HistoryGrid(const Records& data) {
    GridTable grid;
    grid.cells = {{"", "", "11", "12"}, {"", "序号", "金额", "备注"}};
    grid.cells += data;
    grid.fixedRows = 2;
    grid.hiddenRows = {0};
    grid.hiddenColumns = {0};
    grid.columnWidths = {0, 600, 1500, 2460};
    return grid;
}

class GridExport : public ExchangeFixture {
protected:
    QByteArray Part(const QString& xlsx, const QString& name) {
        std::unique_ptr<ZipPackage> package = ZipPackage::OpenFile(xlsx);
        std::unique_ptr<ZipPackage::Part> part = package ? package->OpenPart(name, 1 << 24, nullptr) : nullptr;
        QByteArray all, piece;
        while (part && part->Read(piece)) all += piece;
        return all;
    }
    SilentProgress progress_;
    ScriptedAsker asker_;
};

TEST_F(GridExport, CsvLinesOfTheShownCells) {
    const QString path = FilePath(QStringLiteral("历史.csv"));
    ASSERT_TRUE(WriteGridCsv(HistoryGrid({{"7", "1", "1,000", "say \"hi\""}, {"8", "2", "", "两行\r\n"}}),
                             path, progress_));
    EXPECT_EQ(ReadFile(path), QByteArray("\xEF\xBB\xBF") +
                                  QStringLiteral("序号\t,金额\t,备注\t\r\n"
                                                 "1\t,\"1,000\t\",\"say \"\"hi\"\"\t\"\r\n"
                                                 "2\t,\t,\"两行\r\n\t\"\r\n").toUtf8());
    // Only header rows: only the shown header row.
    ASSERT_TRUE(WriteGridCsv(HistoryGrid({}), path, progress_));
    EXPECT_EQ(ReadFile(path), QByteArray("\xEF\xBB\xBF") + QStringLiteral("序号\t,金额\t,备注\t\r\n").toUtf8());
}

TEST_F(GridExport, WorkbookSheetStylesAndCells) {
    const QString path = FilePath(QStringLiteral("历史.xlsx"));
    ASSERT_TRUE(WriteGridXlsx(HistoryGrid({{"7", "1", "1,000", ""}}), path, ExchangeText::kHistoryTitle,
                              progress_));
    QString error;
    const std::unique_ptr<SheetReader> reader = OpenSheetFile(path, &error);
    ASSERT_TRUE(reader) << error.toStdString();
    EXPECT_EQ(reader->SheetNames(), QStringList({ExchangeText::kHistoryTitle}));
    ASSERT_TRUE(reader->SelectSheet(ExchangeText::kHistoryTitle, &error));
    EXPECT_EQ(Cells(*reader), Records({{"序号\t", "金额\t", "备注\t"}, {"1\t", "1,000\t", ""}}));

    const QByteArray styles = Part(path, QStringLiteral("xl/styles.xml"));
    EXPECT_TRUE(styles.contains("<b/>"));
    EXPECT_TRUE(styles.contains("rgb=\"FFFFC080\""));
    EXPECT_TRUE(styles.contains("<left style=\"thin\">"));
    const QByteArray sheet = Part(path, QStringLiteral("xl/worksheets/sheet1.xml"));
    // Widths are twips / 123 characters: 600 -> 4, 1500 -> 12, 2460 -> 20.
    for (const char* width : {"width=\"4.7109375\"", "width=\"12.7109375\"", "width=\"20.7109375\""})
        EXPECT_TRUE(sheet.contains(width)) << width;
    EXPECT_EQ(sheet.count("<c r="), 6); // the empty cell carries its border too
}

TEST_F(GridExport, RoundTripsImportTheSameRows) {
    BillData data;
    for (int i = 1; i <= 6; ++i) data.columns << BillColumn{i, i, QStringLiteral("框%1").arg(i)};
    const Records values = {{"1,000", "say \"hi\"", "007", "110101199003077777", "", "末尾\t"},
                            {"中文", "多//行", "a,\"b\",c", "0.10", "2024-03-05", " 空格 "}};
    for (const QStringList& row : values) data.rows << BillRow{int(data.rows.size()) + 1, row};
    QList<MappedBox> boxes;
    for (const BillColumn& column : data.columns)
        boxes << MappedBox{column, QString(QChar(u'A' + column.boxNumber))}; // B, C, ...
    for (const QString name : {"往返.csv", "往返.xlsx"}) {
        const QString path = FilePath(name);
        const GridTable grid = BillDataGrid(data);
        ASSERT_TRUE(name.endsWith(u"csv") ? WriteGridCsv(grid, path, progress_)
                                          : WriteGridXlsx(grid, path, ExchangeText::kBillDataTitle, progress_));
        QString error;
        const std::unique_ptr<SheetReader> reader = OpenSheetFile(path, &error);
        ASSERT_TRUE(reader && reader->SelectSheet(reader->SheetNames().value(0), &error)) << error.toStdString();
        EXPECT_EQ(Values(ImportRecords(*reader, boxes, {2, 30001, 1, 0}, QStringLiteral("//"), progress_)),
                  values)
            << name.toStdString();
    }
}

TEST(GridFitting, WidthsFollowTheWidestText) {
    const QFont font(QStringLiteral("Noto Sans CJK SC"), 9);
    EXPECT_EQ(FitColumnTwips({"", ""}, font, 5000), 50);
    const int narrow = FitColumnTwips({"1", "22", ""}, font, 5000);
    const int wide = FitColumnTwips({"1", "北京市海淀区中关村大街1号", "22"}, font, 5000);
    EXPECT_EQ(narrow, QFontMetrics(font).horizontalAdvance("22") * kTwipsPerPixel + 100);
    EXPECT_EQ(wide, QFontMetrics(font).horizontalAdvance("北京市海淀区中关村大街1号") * kTwipsPerPixel + 100);
    EXPECT_EQ(FitColumnTwips({"北京市海淀区中关村大街1号"}, font, 600), 600); // at most half the grid
}

TEST(GridExportPath, SpreadsheetNamesBecomeXlsx) {
    const QList<std::pair<QString, QString>> cases = {
        {"a.csv", "a.csv"}, {"a.CSV", "a.CSV"}, {"a.xlsx", "a.xlsx"}, {"a.XLS", "a.XLSx"}, {"a", "a.xlsx"}};
    for (const auto& [chosen, written] : cases) EXPECT_EQ(ExportPath(chosen), written);
}

TEST_F(GridExport, QuestionsAndFileNames) {
    const GridTable grid = HistoryGrid({{"7", "1", "9", "x"}});
    EXPECT_TRUE(ExportGrid(GridTable(), asker_, progress_, ExchangeText::kHistoryTitle).isEmpty());
    EXPECT_EQ(asker_.messages, QStringList({ExchangeText::kNoData}));

    asker_.File(QString());
    EXPECT_TRUE(ExportGrid(grid, asker_, progress_, ExchangeText::kHistoryTitle).isEmpty());

    // An .xls name is written as .xlsx, and the user learns the name.
    const QString xls = FilePath(QStringLiteral("旧.xls"));
    asker_.File(xls);
    EXPECT_EQ(ExportGrid(grid, asker_, progress_, ExchangeText::kHistoryTitle), xls + u'x');
    EXPECT_EQ(asker_.messages.last(), ExchangeText::SavedAsXlsx(xls + u'x'));
    EXPECT_FALSE(QFileInfo::exists(xls));

    // An existing file: No keeps it, Yes replaces it.
    const QString csv = WriteFile(QStringLiteral("旧.CSV"), "old");
    asker_.File(csv).No().File(csv).Yes();
    EXPECT_TRUE(ExportGrid(grid, asker_, progress_, ExchangeText::kHistoryTitle).isEmpty());
    EXPECT_EQ(ReadFile(csv), "old");
    EXPECT_EQ(ExportGrid(grid, asker_, progress_, ExchangeText::kHistoryTitle), csv);
    EXPECT_TRUE(ReadFile(csv).contains("9\t"));
    EXPECT_EQ(asker_.questions, QStringList({ExchangeText::kOverwrite, ExchangeText::kOverwrite}));

    // A target that cannot be replaced is reported and left as it was.
    const QString held = FilePath(QStringLiteral("占用.csv"));
    ASSERT_TRUE(QDir().mkdir(held));
    asker_.File(held).Yes();
    EXPECT_TRUE(ExportGrid(grid, asker_, progress_, ExchangeText::kHistoryTitle).isEmpty());
    EXPECT_EQ(asker_.messages.last(), ExchangeText::kCannotOverwrite);
    EXPECT_TRUE(QFileInfo(held).isDir());
    EXPECT_TRUE(asker_.AllAnswered());
}

} // namespace
