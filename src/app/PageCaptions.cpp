#include "app/PageCaptions.h"

#include "store/Format.h"

#include <cmath>

namespace {
constexpr double kStoredZero = 10; // offsets are stored with 10 added

QString Caption(const char16_t* words, double mm) {
    // Stored offsets carry binary noise (11.499999...); a tenth of a micron is plenty.
    const double shown = std::round(mm * 10000) / 10000;
    return QString::fromUtf16(words) + QLatin1Char(' ') + QString::number(shown, 'g', 12) +
           QStringLiteral(" mm");
}
} // namespace

QString PageWidthCaption(const PageParams& page) { return Caption(u"宽", page.width); }
QString PageHeightCaption(const PageParams& page) { return Caption(u"高", page.height); }
QString ShiftLeftCaption(const PageParams& page) { return Caption(u"向左移", page.offsetX - kStoredZero); }
QString ShiftUpCaption(const PageParams& page) { return Caption(u"向上移", page.offsetY - kStoredZero); }
