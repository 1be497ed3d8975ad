#include "symbols/Ean13.h"

#include "symbols/DevicePixels.h"
#include "symbols/FitFontSize.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

namespace {

// Digit codes of the EAN-13 standard, "1" a bar module.
constexpr const char* kLeftOdd[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                                      "0110001", "0101111", "0111011", "0110111", "0001011"};
constexpr const char* kLeftEven[10] = {"0100111", "0110011", "0011011", "0100001", "0011101",
                                       "0111001", "0000101", "0010001", "0001001", "0010111"};
constexpr const char* kRight[10] = {"1110010", "1100110", "1101100", "1000010", "1011100",
                                    "1001110", "1010000", "1000100", "1001000", "1110100"};
// Which of digits 2-7 use the even (G) codes, by the first digit; "E" = even.
constexpr const char* kParity[10] = {"OOOOOO", "OOEOEE", "OOEEOE", "OOEEEO", "OEOOEE",
                                     "OEEOOE", "OEEEOO", "OEOEOE", "OEOEEO", "OEEOEO"};
constexpr const char kSideGuard[] = "101";
constexpr const char kCentreGuard[] = "01010";

constexpr int kDigitModules = 7;
constexpr int kRightHalfStart = 3 + 6 * kDigitModules + 5;
constexpr int kPaddedDigits = 12;
// The digit line takes at most this share of the box height, the bars the rest.
constexpr double kMostTextShare = 0.25;

QString Modules(const QString& digits) {
    QString modules = kSideGuard;
    const int first = digits[0].digitValue();
    for (int i = 1; i <= 6; ++i) {
        const int d = digits[i].digitValue();
        modules += kParity[first][i - 1] == 'E' ? kLeftEven[d] : kLeftOdd[d];
    }
    modules += kCentreGuard;
    for (int i = 7; i <= 12; ++i) modules += kRight[digits[i].digitValue()];
    modules += kSideGuard;
    return modules;
}

bool IsGuardModule(int module) {
    return module < 3 || (module >= 45 && module < 50) || module >= kEan13Modules - 3;
}

}  // namespace

QString NormalizeEan13(const QString& text) {
    QString digits;
    for (QChar c : text.left(13))
        if (c >= u'0' && c <= u'9') digits.append(c);
    digits = digits.rightJustified(kPaddedDigits, u'0').left(kPaddedDigits);
    int sum = 0;
    for (int i = 0; i < kPaddedDigits; ++i) {
        // Weights 3, 1, 3, … from the rightmost of the twelve.
        sum += digits[i].digitValue() * ((kPaddedDigits - 1 - i) % 2 == 0 ? 3 : 1);
    }
    return digits + QChar(u'0' + (10 - sum % 10) % 10);
}

void DrawEan13(QPainter& painter, const QString& text, const QRectF& rect, int moduleWidth, bool showText) {
    const QString digits = NormalizeEan13(text);
    const QString modules = Modules(digits);

    DevicePixelScope pixels(painter, rect);
    const QRect& area = pixels.Rect();
    const int left = area.left() + kEan13LeftOffset * moduleWidth;

    QFont font(QStringLiteral("宋体"));
    double textHeight = 0;
    if (showText) {
        // Six digits fill one half of the symbol, short of a module at each end.
        const int widthSize = FitFontSize(painter, font, QStringLiteral("000000"), (6 * kDigitModules - 2) * moduleWidth);
        const int size = LimitFontSizeToHeight(painter, font, widthSize, area.height() * kMostTextShare);
        showText = size > 0;
        if (showText) {
            font.setPointSize(size);
            textHeight = QFontMetricsF(font, painter.device()).height();
        }
    }
    // Guard bars reach halfway down into the digit line.
    const int barHeight = qMax(1, area.height() - qCeil(textHeight));
    const int guardHeight = qMin(area.height(), barHeight + qCeil(textHeight / 2));
    for (int m = 0; m < kEan13Modules; ++m) {
        if (modules[m] == u'1')
            pixels.Bar(left + m * moduleWidth, area.top(), moduleWidth, IsGuardModule(m) ? guardHeight : barHeight);
    }
    if (!showText) return;

    painter.setFont(font);
    painter.setPen(Qt::black);
    const double textTop = area.top() + barHeight;
    auto drawDigits = [&](int from, int count, int x, int width) {
        painter.drawText(QRectF(x, textTop, width, textHeight), Qt::AlignCenter, digits.mid(from, count));
    };
    drawDigits(0, 1, area.left(), (kEan13LeftOffset - 1) * moduleWidth);
    drawDigits(1, 6, left + 3 * moduleWidth, 6 * kDigitModules * moduleWidth);
    drawDigits(7, 6, left + kRightHalfStart * moduleWidth, 6 * kDigitModules * moduleWidth);
}
