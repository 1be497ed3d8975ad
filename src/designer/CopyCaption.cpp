#include "designer/CopyCaption.h"

#include <QString>

namespace {
bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Start of the run of digits that ends just before `end`.
qsizetype DigitRunStart(const QString& text, qsizetype end) {
    qsizetype start = end;
    while (start > 0 && IsAsciiDigit(text[start - 1])) --start;
    return start;
}
} // namespace

QString CopyCaption(const QString& source, int c) {
    qsizetype end = source.size();
    qsizetype start = DigitRunStart(source, end);
    if (start == end && end >= 2 && source[end - 1].unicode() >= 0x2E80) {
        // A counting word after the number: 第3联, 第2页.
        start = DigitRunStart(source, end - 1);
        if (start != end - 1) end = end - 1;
        else start = end = source.size();
    }
    if (start == end) return source + QString::number(c);
    const qlonglong number = source.mid(start, end - start).toLongLong();
    return source.left(start) + QString::number(number + c) + source.mid(end);
}
