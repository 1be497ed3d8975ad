#include "formatfile/FormatFileFields.h"

#include "formatfile/FormatFileTexts.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace {

using namespace FormatFileTexts;

enum Field {
    kId, kClas, kLbl, kDir, kX, kY, kW, kH, kS, kL, kColor, kFontName, kFontSize,
    kBold, kItalic, kUnderline, kStrikeout, kCash, kRctl, kMem, kSumId, kSumId1, kRctl1
};

QString FlagText(bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); }
bool FlagValue(const QString& text) { return text.toLower() == QLatin1String("true"); }

// Every kind of line break becomes the marker: CR LF is the program's own, a lone
// LF or CR would otherwise split the record line.
QString EscapeBreaks(QString text, const QString& marker) {
    return text.replace(QLatin1String("\r\n"), marker)
        .replace(QLatin1Char('\n'), marker)
        .replace(QLatin1Char('\r'), marker);
}
QString RestoreBreaks(QString text, const QString& marker) {
    return text.replace(marker, QLatin1String("\r\n"));
}

// An empty field is a null column, read as 0.
std::optional<double> ParseNumber(const QString& field) {
    const QString text = field.trimmed();
    if (text.isEmpty()) return 0.0;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<qint64> ParseInteger(const QString& field, qint64 min, qint64 max) {
    const std::optional<double> value = ParseNumber(field);
    if (!value || *value < double(min) - 0.5 || *value > double(max) + 0.5) return std::nullopt;
    return qRound64(*value);
}

constexpr qint64 kIntMin = std::numeric_limits<int>::min();
constexpr qint64 kIntMax = std::numeric_limits<int>::max();

} // namespace

QString FileNumberText(double value) {
    if (value == 0) return QStringLiteral("0"); // also -0
    return QString::number(value, 'g', QLocale::FloatingPointShortest).toUpper();
}

QStringList BoxFields(const BoxRecord& b) {
    QStringList f(kFieldCount);
    f[kId] = QString::number(b.id);
    f[kClas] = QString::number(b.kind);
    f[kLbl] = EscapeBreaks(b.label, kLabelBreak);
    f[kDir] = QString::number(b.dir);
    f[kX] = FileNumberText(b.x);
    f[kY] = FileNumberText(b.y);
    f[kW] = FileNumberText(b.w);
    f[kH] = FileNumberText(b.h);
    f[kS] = FileNumberText(b.s);
    f[kL] = FileNumberText(b.l);
    f[kColor] = QString::number(b.color);
    f[kFontName] = b.fontName;
    f[kFontSize] = FileNumberText(b.fontSize);
    f[kBold] = FlagText(b.bold);
    f[kItalic] = FlagText(b.italic);
    f[kUnderline] = FlagText(b.underline);
    f[kStrikeout] = FlagText(b.strikeout);
    f[kCash] = FileNumberText(b.cash);
    f[kRctl] = FileNumberText(b.rctl);
    f[kMem] = EscapeBreaks(b.mem, kMemBreak);
    f[kSumId] = FileNumberText(b.sumId);
    f[kSumId1] = FileNumberText(b.sumId1);
    f[kRctl1] = QString::number(b.rctl1);
    return f;
}

QStringList PageFields(qint64 id, const PageParams& page) {
    QStringList f(kFieldCount);
    f[kId] = QString::number(id);
    // The numeric columns the row does not use hold 0 in the store and are written so.
    for (int unused : {kClas, kDir, kS, kL, kFontSize, kCash, kRctl, kSumId, kSumId1, kRctl1})
        f[unused] = FileNumberText(0);
    f[kLbl] = kPageParamsLabel;
    f[kX] = FileNumberText(page.offsetX);
    f[kY] = FileNumberText(page.offsetY);
    f[kW] = FileNumberText(page.width);
    f[kH] = FileNumberText(page.height);
    f[kColor] = QString::number(page.designScreenWidth);
    for (int flag : {kBold, kItalic, kUnderline, kStrikeout}) f[flag] = FlagText(false);
    f[kMem] = EscapeBreaks(EncodePageOptions(page.options), kMemBreak);
    return f;
}

std::optional<BoxRecord> ParseRowFields(const QStringList& f) {
    if (f.size() < kRequiredFieldCount) return std::nullopt;
    BoxRecord b;
    b.label = RestoreBreaks(f[kLbl], kLabelBreak);
    const bool page = b.label == kPageParamsLabel;

    const std::optional<double> id = ParseNumber(f[kId]);
    const std::optional<qint64> kind = ParseInteger(f[kClas], 0, page ? kIntMax : kBoxKindCount - 1);
    const std::optional<qint64> dir = ParseInteger(f[kDir], kIntMin, kIntMax);
    const std::optional<qint64> color = ParseInteger(f[kColor], kIntMin, 0xFFFFFFFFLL);
    const std::optional<qint64> rctl1 =
        f.size() > kRctl1 ? ParseInteger(f[kRctl1], kIntMin, kIntMax) : std::optional<qint64>(0);
    if (!id || !kind || !dir || !color || !rctl1) return std::nullopt;
    b.id = LinkTarget(*id);
    b.kind = page ? 0 : int(*kind);
    b.dir = int(*dir);
    b.color = *color;
    b.rctl1 = *rctl1;

    struct Target { int field; double* value; };
    for (const Target& t : {Target{kX, &b.x}, Target{kY, &b.y}, Target{kW, &b.w}, Target{kH, &b.h},
                            Target{kS, &b.s}, Target{kL, &b.l}, Target{kFontSize, &b.fontSize},
                            Target{kCash, &b.cash}, Target{kRctl, &b.rctl},
                            Target{kSumId, &b.sumId}, Target{kSumId1, &b.sumId1}}) {
        if (t.field >= f.size()) continue; // SumID1 of an older file
        const std::optional<double> value = ParseNumber(f[t.field]);
        if (!value) return std::nullopt;
        *t.value = *value;
    }
    b.fontName = f[kFontName];
    b.bold = FlagValue(f[kBold]);
    b.italic = FlagValue(f[kItalic]);
    b.underline = FlagValue(f[kUnderline]);
    b.strikeout = FlagValue(f[kStrikeout]);
    b.mem = RestoreBreaks(f[kMem], kMemBreak);
    return b;
}

PageParams PageFromRow(const BoxRecord& row) {
    PageParams page;
    page.width = row.w;
    page.height = row.h;
    page.offsetX = row.x;
    page.offsetY = row.y;
    page.designScreenWidth = row.color;
    DecodePageOptions(row.mem, page.options);
    return page;
}
