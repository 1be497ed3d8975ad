#include "print/RulerGrid.h"

#include "content/layout/BoxFont.h"
#include "content/layout/TwipSurface.h"
#include "content/layout/Twips.h"

#include <QPainter>

namespace {
constexpr int kMinorStepMm = 2;
constexpr double kMinorTickMm = 1.5;
constexpr double kLineWidthMm = 0.1;
constexpr double kNumberPt = 6;
constexpr double kNumberInsetMm = 0.5;
} // namespace

void PrintRulers(QPainter& painter) {
    TwipSurface surface(painter);
    const int widthMm = int(TwipsToMm(surface.DeviceWidth()));
    const int heightMm = int(TwipsToMm(surface.DeviceHeight()));
    BoxFont numbers;
    surface.SetFont(numbers, kNumberPt);
    QPainter& p = surface.Painter();
    p.setPen(QPen(Qt::black, MmToTwips(kLineWidthMm)));

    const double right = MmToTwips(widthMm), bottom = MmToTwips(heightMm);
    const double inset = MmToTwips(kNumberInsetMm);
    for (int x = 0; x <= widthMm; x += kMinorStepMm) {
        const double at = MmToTwips(x);
        const bool major = x % 10 == 0;
        p.drawLine(QPointF(at, 0), QPointF(at, major ? bottom : MmToTwips(kMinorTickMm)));
        if (major) surface.Print(at + inset, inset, QString::number(x / 10));
    }
    for (int y = 0; y <= heightMm; y += kMinorStepMm) {
        const double at = MmToTwips(y);
        const bool major = y % 10 == 0;
        p.drawLine(QPointF(0, at), QPointF(major ? right : MmToTwips(kMinorTickMm), at));
        if (major && y > 0) surface.Print(inset, at + inset, QString::number(y / 10));
    }
}
