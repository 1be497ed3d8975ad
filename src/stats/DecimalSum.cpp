#include "stats/DecimalSum.h"

namespace {

// Integer digits accepted; 10^20 × 10^10 leaves room for billions of additions.
constexpr int kMaxIntegerDigits = 20;

} // namespace

bool DecimalSum::Add(const QString& number) {
    QStringView text(number);
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+')) text = text.mid(1);
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.left(point);
    const QStringView fraction = point < 0 ? QStringView() : text.mid(point + 1);
    if ((whole.isEmpty() && fraction.isEmpty()) || whole.size() > kMaxIntegerDigits) return false;
    __int128 value = 0;
    for (QChar c : whole) {
        if (!c.isDigit() || c.unicode() > u'9') return false;
        value = value * 10 + (c.unicode() - u'0');
    }
    for (int i = 0; i < kScale; ++i) {
        const QChar c = i < fraction.size() ? fraction[i] : QChar(u'0');
        if (!c.isDigit() || c.unicode() > u'9') return false;
        value = value * 10 + (c.unicode() - u'0');
    }
    units_ += negative ? -value : value;
    return true;
}

QString DecimalSum::Text() const {
    const bool negative = units_ < 0;
    unsigned __int128 magnitude = negative ? -units_ : units_;
    QString digits;
    do {
        digits.prepend(QChar(u'0' + int(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude > 0);
    if (digits.size() <= kScale) digits = QString(kScale + 1 - digits.size(), u'0') + digits;
    QString fraction = digits.right(kScale);
    while (fraction.endsWith(u'0')) fraction.chop(1);
    QString text = digits.left(digits.size() - kScale);
    if (!fraction.isEmpty()) text += u'.' + fraction;
    return negative ? u'-' + text : text;
}

double DecimalSum::Value() const { return Text().toDouble(); }
