// Workbooks built part by part: the XML forms a spreadsheet program may write, and
// packages that unpack far beyond their size, which must be refused with a message.
#include "ExchangeFixture.h"

#include "exchange/ExchangeTexts.h"
#include "exchange/XlsxReader.h"

#include <QMap>
#include <zip.h>

namespace {

using Records = QList<QStringList>;
using Parts = QMap<QString, QByteArray>;

const QByteArray kSheetStart =
    "<?xml version=\"1.0\"?><worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<sheetData>";
const QByteArray kSheetEnd = "</sheetData></worksheet>";

Parts Workbook(const QByteArray& sheetData, const QByteArray& sharedStrings = {},
               const QByteArray& styles = {}, const QByteArray& workbookPr = {}) {
    Parts parts;
    parts["xl/workbook.xml"] =
        "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">" + workbookPr +
        "<sheets><sheet name=\"数据\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
    parts["xl/_rels/workbook.xml.rels"] =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
        "relationships/worksheet\" Target=\"/xl/worksheets/sheet1.xml\"/></Relationships>";
    parts["xl/worksheets/sheet1.xml"] = kSheetStart + sheetData + kSheetEnd;
    if (!sharedStrings.isEmpty()) parts["xl/sharedStrings.xml"] = "<sst>" + sharedStrings + "</sst>";
    if (!styles.isEmpty()) parts["xl/styles.xml"] = "<styleSheet>" + styles + "</styleSheet>";
    return parts;
}

class XlsxPackage : public ExchangeFixture {
protected:
    QByteArray Zip(const Parts& parts) {
        const QString path = FilePath(QStringLiteral("book.xlsx"));
        QFile::remove(path);
        int error = 0;
        zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
        EXPECT_TRUE(archive);
        for (auto it = parts.cbegin(); it != parts.cend(); ++it) {
            zip_source_t* source = zip_source_buffer(archive, it->constData(), zip_uint64_t(it->size()), 0);
            EXPECT_GE(zip_file_add(archive, it.key().toUtf8().constData(), source, ZIP_FL_ENC_UTF_8), 0);
        }
        EXPECT_EQ(zip_close(archive), 0);
        return ReadFile(path);
    }
    // The first sheet's cells, or the error text when the workbook is refused.
    Records Read(const Parts& parts, const WorkbookLimits& limits = {}) {
        QString error;
        std::unique_ptr<XlsxReader> reader = XlsxReader::OpenBytes(Zip(parts), &error, limits);
        if (reader && reader->SelectSheet(reader->SheetNames().value(0), &error)) return Cells(*reader);
        return {{error}};
    }
};

TEST_F(XlsxPackage, CellForms) {
    const QByteArray strings =
        "<si><t>共享</t></si>"
        "<si><r><t>富</t></r><r><rPr><b/></rPr><t xml:space=\"preserve\">文本 </t></r>"
        "<rPh><t>ふりがな</t></rPh></si>"
        "<si><t>一_x000D_二</t></si>";
    const QByteArray styles =
        "<numFmts><numFmt numFmtId=\"164\" formatCode=\"yyyy&quot;年&quot;m&quot;月&quot;d&quot;日&quot;\"/>"
        "<numFmt numFmtId=\"165\" formatCode=\"[Red]0.00\"/><numFmt numFmtId=\"166\" formatCode=\"yyyy-mm-dd hh:mm\"/>"
        "</numFmts><cellStyleXfs><xf numFmtId=\"14\"/></cellStyleXfs><cellXfs>"
        "<xf numFmtId=\"0\"/><xf numFmtId=\"14\"/><xf numFmtId=\"164\"/><xf numFmtId=\"165\"/>"
        "<xf numFmtId=\"166\"/><xf numFmtId=\"20\"/></cellXfs>";
    const QByteArray cells =
        "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c>"
        "<c r=\"C1\" t=\"s\"><v>2</v></c><c r=\"E1\" t=\"inlineStr\"><is><t>行内</t></is></c></row>"
        "<row r=\"2\"><c t=\"b\"><v>1</v></c><c t=\"e\"><v>#DIV/0!</v></c>"
        "<c t=\"str\"><f>A1&amp;\"x\"</f><v>共享x</v></c><c s=\"3\"><v>0.30000000000000004</v></c></row>"
        "<row r=\"4\"><c r=\"A4\" s=\"1\"><v>45356</v></c><c r=\"B4\" s=\"2\"><v>36585</v></c>"
        "<c r=\"C4\" s=\"4\"><v>45356.5</v></c><c r=\"D4\" s=\"5\"><v>0.75</v></c><c r=\"E4\" s=\"1\"/></row>";
    EXPECT_EQ(Read(Workbook(cells, strings, styles)),
              Records({{"共享", "富文本 ", "一\r二", "", "行内"},
                       {"TRUE", "#DIV/0!", "共享x", "0.3", ""},
                       {"", "", "", "", ""},
                       {"2024-03-05", "2000-02-29", "2024-03-05 12:00:00", "18:00:00", ""}}));
    // Serial numbers of a 1904 workbook count from 1904-01-01.
    EXPECT_EQ(Read(Workbook("<row r=\"1\"><c r=\"A1\" s=\"1\"><v>0</v></c></row>", {}, styles,
                            "<workbookPr date1904=\"1\"/>")),
              Records({{"1904-01-01"}}));
}

TEST_F(XlsxPackage, RefusedWorkbooks) {
    const WorkbookLimits small{1024 * 1024, 1000};
    QByteArray manyCells;
    for (int r = 1; r <= 30; ++r) {
        manyCells += "<row r=\"" + QByteArray::number(r) + "\">";
        for (int c = 0; c < 40; ++c) manyCells += "<c><v>1</v></c>";
        manyCells += "</row>";
    }
    QByteArray manyStrings;
    for (int i = 0; i < 1001; ++i) manyStrings += "<si><t>s</t></si>";
    // Two megabytes of blanks pack into a few kilobytes.
    const QByteArray bomb = "<row r=\"1\"><c><v>1</v></c></row>" + QByteArray(2 * 1024 * 1024, ' ');
    Parts entities = Workbook("<row r=\"1\"><c t=\"inlineStr\"><is><t>&a;</t></is></c></row>");
    entities["xl/worksheets/sheet1.xml"].replace(
        "<?xml version=\"1.0\"?>", "<?xml version=\"1.0\"?><!DOCTYPE worksheet [<!ENTITY a \"aaaaaaaa\">]>");
    Parts noSheets = Workbook({});
    noSheets.remove("xl/_rels/workbook.xml.rels");

    struct Case {
        const char* what;
        Parts parts;
        QString error;
    };
    const QList<Case> cases = {
        {"unpacks too far", Workbook(bomb), ExchangeText::kTooLargeUnpacked.arg(1)},
        {"too many cells", Workbook(manyCells), ExchangeText::kTooManyCells.arg(1000)},
        {"too many strings", Workbook({}, manyStrings), ExchangeText::kTooManyCells.arg(1000)},
        {"entity definitions", entities, ExchangeText::kWrongFileType},
        {"no worksheet", noSheets, ExchangeText::kWrongFileType},
        {"cut short", Parts{{"xl/workbook.xml", "<workbook><sheets><sheet"}}, ExchangeText::kWrongFileType},
    };
    for (const Case& c : cases) EXPECT_EQ(Read(c.parts, small), Records({{c.error}})) << c.what;
}

} // namespace
