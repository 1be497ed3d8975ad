#include "store/Format.h"

#include "store/PackedSpacing.h"

#include <QStringList>
#include <cmath>

namespace {

QString BoolText(bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); }
bool IsTrue(const QString& text) { return text.trimmed().toLower() == QLatin1String("true"); }

} // namespace

const BoxRecord* Format::FindBox(qint64 id) const {
    for (const BoxRecord& box : boxes)
        if (box.id == id) return &box;
    return nullptr;
}

BoxRecord* Format::FindBox(qint64 id) {
    // Non-const iteration detaches a shared list, so a write never reaches a copy.
    for (BoxRecord& box : boxes)
        if (box.id == id) return &box;
    return nullptr;
}

qint64 Format::NextTemporaryId() const {
    qint64 next = kFirstTemporaryId;
    for (const BoxRecord& box : boxes)
        if (box.id >= next) next = box.id + 1;
    return next;
}

QString EncodePageOptions(const PageOptions& o) {
    QStringList items;
    items << BoolText(o.setPaper) << BoolText(o.printBackground);
    for (int value : o.optionBoxes) items << QString::number(value);
    items << BoolText(o.printRulers) << BoolText(o.monthZero) << o.currency
          << BoolText(o.autoJump) << BoolText(o.clearAfterPrint) << o.passwordArea
          << BoolText(o.keepPictures) << BoolText(o.autoFontSize)
          << QString::number(static_cast<int>(o.barcodeStandard));
    QString mem;
    for (const QString& item : items) mem += item + QLatin1Char('|');
    return mem;
}

void DecodePageOptions(const QString& mem, PageOptions& o) {
    o.currency = QStringLiteral("￥");
    o.passwordArea.clear();
    const QStringList p = mem.split(QLatin1Char('|'));
    const qsizetype n = p.size();
    if (n < 8) return;
    o.setPaper = IsTrue(p[0]);
    o.printBackground = IsTrue(p[1]);
    for (int i = 0; i < 5; ++i) o.optionBoxes[i] = p[2 + i].trimmed().toDouble() != 0 ? 1 : 0;
    o.printRulers = IsTrue(p[7]);
    if (n >= 9) o.monthZero = IsTrue(p[8]);
    if (n >= 11) o.currency = p[9];
    if (n >= 12) o.autoJump = IsTrue(p[10]);
    if (n >= 13) o.clearAfterPrint = IsTrue(p[11]);
    if (n >= 14) o.passwordArea = p[12];
    if (n >= 15) o.keepPictures = IsTrue(p[13]);
    if (n >= 16) o.autoFontSize = IsTrue(p[14]);
    if (n >= 17) {
        // A damaged value reads as no known standard, which draws nothing.
        const double code = p[15].trimmed().toDouble();
        o.barcodeStandard = static_cast<BarcodeStandard>(code >= 0 && code <= 2 ? int(code) : -1);
    }
}

double DisplayFactor(qint64 designScreenWidth, qint64 currentScreenWidth) {
    const double design = designScreenWidth == 0 ? 15360.0 : double(designScreenWidth);
    if (design == 340.0) return 1.0;
    return (double(currentScreenWidth) - 340.0) / (design - 340.0);
}

double ScaledFontSize(double size, double factor) {
    return std::round(size * factor * 100.0) / 100.0;
}

QString DirWord(int dir) {
    switch (dir) {
    case 1: return QStringLiteral("左边");
    case 2: return QStringLiteral("右边");
    case 3: return QStringLiteral("下方");
    default: return QStringLiteral("上方");
    }
}

int DirFromWord(const QString& word) {
    if (word == QStringLiteral("左边")) return 1;
    if (word == QStringLiteral("右边")) return 2;
    if (word == QStringLiteral("下方")) return 3;
    return 0;
}

qint64 LinkTarget(double link) {
    return static_cast<qint64>(std::floor(std::fabs(link) + 1e-9));
}

double RetargetLink(double link, qint64 newId) {
    const double magnitude = std::fabs(link);
    // Temporary IDs are near 1e9, where a double keeps only about seven decimals of
    // the fraction: round it so the flags it carries come out as they were set.
    const double fraction =
        std::round((magnitude - double(LinkTarget(link))) * 1e6) / 1e6;
    const double moved = double(newId) + (fraction > 1e-9 ? fraction : 0.0);
    return link < 0 ? -moved : moved;
}

int BoxRecord::AlignmentCode() const { return ::AlignmentCode(l); }
double BoxRecord::LineSpacing() const { return LineSpacingMm(l); }
void BoxRecord::SetSpacing(int alignmentCode, double lineSpacingMm) {
    l = PackSpacing(alignmentCode, lineSpacingMm);
}
