#include "exchange/XlsxParts.h"

#include "exchange/ExchangeTexts.h"
#include "exchange/SheetCells.h"
#include "exchange/XmlPart.h"

#include <QDir>
#include <QHash>
#include <charconv>
#include <optional>

namespace {

// The largest sheet a spreadsheet program makes.
constexpr int kMaxRow = 1'048'576;
constexpr int kMaxColumn = 16'384;
constexpr qint64 kMegabyte = 1024 * 1024;

struct Relationship {
    QString type;
    QString target; // resolved to a path inside the package
};

// Opens an XML part; nullptr (with `problem` set when it is fatal) when it cannot.
std::unique_ptr<XmlPart> OpenXml(const ZipPackage& package, const QString& name,
                                 const WorkbookLimits& limits, XlsxProblem& problem) {
    bool tooLarge = false;
    std::unique_ptr<ZipPackage::Part> part = package.OpenPart(name, limits.partBytes, &tooLarge);
    if (tooLarge) problem = XlsxProblem::TooLarge;
    return part ? std::make_unique<XmlPart>(std::move(part)) : nullptr;
}

XlsxProblem Finish(const XmlPart& xml) {
    if (xml.TooLarge()) return XlsxProblem::TooLarge;
    return xml.Failed() ? XlsxProblem::NotWorkbook : XlsxProblem::None;
}

QString Folder(const QString& part) { return part.left(part.lastIndexOf(u'/') + 1); }

QString RelationshipsOf(const QString& part) {
    return Folder(part) + QStringLiteral("_rels/") + part.mid(part.lastIndexOf(u'/') + 1) +
           QStringLiteral(".rels");
}

QString Resolve(const QString& folder, const QString& target) {
    if (target.startsWith(u'/')) return target.mid(1);
    return QDir::cleanPath(folder + target);
}

// The relationships of a part by ID; empty when it has none.
QHash<QString, Relationship> ReadRelationships(const ZipPackage& package, const QString& part,
                                               const WorkbookLimits& limits, XlsxProblem& problem) {
    QHash<QString, Relationship> relationships;
    std::unique_ptr<XmlPart> xml = OpenXml(package, RelationshipsOf(part), limits, problem);
    if (!xml) return relationships;
    while (xml->Next())
        if (xml->IsStart(QLatin1StringView("Relationship")))
            relationships.insert(xml->Attribute(QLatin1StringView("Id")),
                                 {xml->Attribute(QLatin1StringView("Type")),
                                  Resolve(Folder(part), xml->Attribute(QLatin1StringView("Target")))});
    problem = Finish(*xml);
    return relationships;
}

std::optional<QString> TargetOfType(const QHash<QString, Relationship>& relationships,
                                    QStringView typeEnd) {
    for (const Relationship& relationship : relationships)
        if (relationship.type.endsWith(typeEnd)) return relationship.target;
    return std::nullopt;
}

// The text runs of a rich or plain string up to the end of `element`; phonetic
// guides (rPh) are not part of the text.
QString ReadStringItem(XmlPart& xml, QLatin1StringView element) {
    QString text;
    while (xml.Next() && !xml.IsEnd(element)) {
        if (xml.IsStart(QLatin1StringView("rPh"))) xml.ElementText();
        else if (xml.IsStart(QLatin1StringView("t"))) text += xml.ElementText();
    }
    return UnescapeOoxml(text);
}

XlsxProblem ReadSharedStrings(const ZipPackage& package, const QString& part,
                              const WorkbookLimits& limits, QStringList& strings) {
    XlsxProblem problem = XlsxProblem::None;
    std::unique_ptr<XmlPart> xml = OpenXml(package, part, limits, problem);
    if (!xml) return problem;
    while (xml->Next()) {
        if (!xml->IsStart(QLatin1StringView("si"))) continue;
        strings.append(ReadStringItem(*xml, QLatin1StringView("si")));
        if (strings.size() > limits.cells) return XlsxProblem::TooManyCells;
    }
    return Finish(*xml);
}

XlsxProblem ReadStyles(const ZipPackage& package, const QString& part, const WorkbookLimits& limits,
                       QList<DateParts>& styles) {
    XlsxProblem problem = XlsxProblem::None;
    std::unique_ptr<XmlPart> xml = OpenXml(package, part, limits, problem);
    if (!xml) return problem;
    QHash<int, QString> codes;
    QList<int> formatIds;
    bool inCellFormats = false;
    while (xml->Next()) {
        if (xml->IsStart(QLatin1StringView("numFmt"))) {
            codes.insert(xml->Attribute(QLatin1StringView("numFmtId")).toInt(),
                         xml->Attribute(QLatin1StringView("formatCode")));
        } else if (xml->IsStart(QLatin1StringView("cellXfs"))) {
            inCellFormats = true;
        } else if (xml->IsEnd(QLatin1StringView("cellXfs"))) {
            inCellFormats = false;
        } else if (inCellFormats && xml->IsStart(QLatin1StringView("xf"))) {
            formatIds.append(xml->Attribute(QLatin1StringView("numFmtId")).toInt());
            if (formatIds.size() > limits.cells) return XlsxProblem::TooManyCells;
        }
    }
    for (int id : formatIds) styles.append(DatePartsOfFormat(id, codes.value(id)));
    return Finish(*xml);
}

// "AB12" -> column 28, row 12; zeros for what the reference lacks.
void ParseCellReference(QStringView reference, int& column, int& row) {
    column = row = 0;
    qsizetype i = 0;
    for (; i < reference.size() && reference[i].isLetter() && column <= kMaxColumn; ++i)
        column = column * 26 + (reference[i].toUpper().unicode() - u'A' + 1);
    for (; i < reference.size() && reference[i].isDigit() && row <= kMaxRow; ++i)
        row = row * 10 + (reference[i].unicode() - u'0');
}

enum class CellType { Number, Shared, Inline, Boolean, Text, Date };

CellType TypeOf(QStringView type) {
    if (type.isEmpty() || type == u"n") return CellType::Number;
    if (type == u"s") return CellType::Shared;
    if (type == u"inlineStr") return CellType::Inline;
    if (type == u"b") return CellType::Boolean;
    if (type == u"d") return CellType::Date;
    return CellType::Text; // str (a formula's text) and e (an error)
}

// A cell's stored number: plain ASCII decimal text, read without the locale
// machinery of QString::toDouble (a tenth of the time a sheet takes).
double ParseNumber(const QString& text, bool* ok) {
    char buffer[64];
    if (text.size() < qsizetype(sizeof buffer)) {
        for (qsizetype i = 0; i < text.size(); ++i) buffer[i] = char(text[i].unicode() < 128 ? text[i].unicode() : 0);
        double value = 0;
        const auto [end, error] = std::from_chars(buffer, buffer + text.size(), value);
        if (error == std::errc() && end == buffer + text.size()) {
            *ok = true;
            return value;
        }
    }
    return text.toDouble(ok);
}

struct CellXml {
    CellType type = CellType::Number;
    QString value, inlineText;
    int style = 0;
};

QString CellText(const CellXml& cell, const XlsxWorkbook& workbook) {
    switch (cell.type) {
    case CellType::Shared: {
        bool ok = false;
        const int index = cell.value.toInt(&ok);
        return ok ? workbook.sharedStrings.value(index) : QString();
    }
    case CellType::Inline: return cell.inlineText;
    case CellType::Boolean: return cell.value == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case CellType::Text: return UnescapeOoxml(cell.value);
    default: break;
    }
    const DateParts parts = workbook.cellStyles.value(cell.style, DateParts::None);
    if (cell.type == CellType::Date) return parts == DateParts::Date ? cell.value.left(10) : cell.value;
    bool ok = false;
    const double number = ParseNumber(cell.value, &ok);
    if (!ok) return cell.value;
    return parts == DateParts::None ? GeneralNumberText(number)
                                    : SerialDateText(number, parts, workbook.date1904);
}

CellXml ReadCell(XmlPart& xml) {
    CellXml cell;
    cell.type = TypeOf(xml.AttributeView(QLatin1StringView("t")));
    cell.style = xml.AttributeView(QLatin1StringView("s")).toInt();
    while (xml.Next() && !xml.IsEnd(QLatin1StringView("c"))) {
        if (xml.IsStart(QLatin1StringView("v"))) cell.value = xml.ElementText();
        else if (xml.IsStart(QLatin1StringView("is")))
            cell.inlineText = ReadStringItem(xml, QLatin1StringView("is"));
        else if (xml.Xml().isStartElement()) xml.ElementText(); // formulas and the like
    }
    return cell;
}

} // namespace

QString XlsxProblemText(XlsxProblem problem, const WorkbookLimits& limits) {
    switch (problem) {
    case XlsxProblem::None: return {};
    case XlsxProblem::NotWorkbook: return ExchangeText::kWrongFileType;
    case XlsxProblem::TooLarge:
        return ExchangeText::kTooLargeUnpacked.arg(limits.partBytes / kMegabyte);
    case XlsxProblem::TooManyCells: return ExchangeText::kTooManyCells.arg(limits.cells);
    }
    return {};
}

XlsxProblem ReadXlsxWorkbook(const ZipPackage& package, const WorkbookLimits& limits,
                             XlsxWorkbook& workbook) {
    XlsxProblem problem = XlsxProblem::None;
    const QHash<QString, Relationship> packageRels = ReadRelationships(package, QString(), limits, problem);
    if (problem != XlsxProblem::None) return problem;
    const QString workbookPart = TargetOfType(packageRels, u"/officeDocument")
                                     .value_or(QStringLiteral("xl/workbook.xml"));
    const QHash<QString, Relationship> rels = ReadRelationships(package, workbookPart, limits, problem);
    if (problem != XlsxProblem::None) return problem;

    std::unique_ptr<XmlPart> xml = OpenXml(package, workbookPart, limits, problem);
    if (!xml) return problem == XlsxProblem::None ? XlsxProblem::NotWorkbook : problem;
    while (xml->Next()) {
        if (xml->IsStart(QLatin1StringView("workbookPr"))) {
            const QString value = xml->Attribute(QLatin1StringView("date1904"));
            workbook.date1904 = value == u"1" || value == u"true";
        } else if (xml->IsStart(QLatin1StringView("sheet"))) {
            const Relationship rel = rels.value(xml->Attribute(QLatin1StringView("id")));
            if (rel.type.endsWith(u"/worksheet"))
                workbook.sheets.append({xml->Attribute(QLatin1StringView("name")), rel.target});
        }
    }
    if ((problem = Finish(*xml)) != XlsxProblem::None) return problem;
    if (workbook.sheets.isEmpty()) return XlsxProblem::NotWorkbook;

    const QString folder = Folder(workbookPart);
    problem = ReadSharedStrings(
        package, TargetOfType(rels, u"/sharedStrings").value_or(folder + QStringLiteral("sharedStrings.xml")), limits,
        workbook.sharedStrings);
    if (problem != XlsxProblem::None) return problem;
    return ReadStyles(package, TargetOfType(rels, u"/styles").value_or(folder + QStringLiteral("styles.xml")), limits,
                      workbook.cellStyles);
}

XlsxProblem ReadXlsxSheet(const ZipPackage& package, const WorkbookLimits& limits,
                          const XlsxWorkbook& workbook, const QString& part, SheetCells& cells) {
    XlsxProblem problem = XlsxProblem::None;
    std::unique_ptr<XmlPart> xml = OpenXml(package, part, limits, problem);
    if (!xml) return problem == XlsxProblem::None ? XlsxProblem::NotWorkbook : problem;
    int row = 0, column = 0;
    while (xml->Next()) {
        if (xml->IsStart(QLatin1StringView("row"))) {
            const int number = xml->AttributeView(QLatin1StringView("r")).toInt();
            row = number > 0 ? number : row + 1;
            column = 0;
        } else if (xml->IsStart(QLatin1StringView("c"))) {
            int refColumn = 0, refRow = 0;
            ParseCellReference(xml->AttributeView(QLatin1StringView("r")), refColumn, refRow);
            column = refColumn > 0 ? refColumn : column + 1;
            if (refRow > 0) row = refRow;
            if (row < 1 || row > kMaxRow || column > kMaxColumn) return XlsxProblem::NotWorkbook;
            cells.Set(row, column, CellText(ReadCell(*xml), workbook));
            if (cells.Size() > limits.cells) return XlsxProblem::TooManyCells;
        }
    }
    return Finish(*xml);
}
