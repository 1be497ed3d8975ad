#include "print/CalibrationSheet.h"

#include "print/BillPage.h"
#include "print/PrintJob.h"
#include "print/PrinterCorrection.h"
#include "print/ProfileTexts.h"
#include "store/Format.h"
#include "store/PaperPosition.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kArmMm = 8, kTickMm = 0.8, kLineMm = 0.3;
// Far enough in that a cross with its arms clears any printer's hardware margin.
constexpr double kLeastInsetMm = 20, kInsetShare = 0.15;

double Inset(double extent) { return std::max(kLeastInsetMm, extent * kInsetShare); }

// A cross with a tick every millimetre, the same on both sides of each arm, so its
// ink is centred where the cross is; the number stands clear of it.
void DrawCross(QPainter& painter, const QPointF& centre, const QString& number) {
    painter.drawLine(centre - QPointF(kArmMm, 0), centre + QPointF(kArmMm, 0));
    painter.drawLine(centre - QPointF(0, kArmMm), centre + QPointF(0, kArmMm));
    for (int mm = 1; mm <= int(kArmMm); ++mm) {
        const double tick = mm % 5 == 0 ? kTickMm * 2 : kTickMm;
        for (const int side : {-1, 1}) {
            const QPointF alongX = centre + QPointF(side * mm, 0), alongY = centre + QPointF(0, side * mm);
            painter.drawLine(alongX - QPointF(0, tick / 2), alongX + QPointF(0, tick / 2));
            painter.drawLine(alongY - QPointF(tick / 2, 0), alongY + QPointF(tick / 2, 0));
        }
    }
    QFont font = painter.font();
    font.setPixelSize(3); // the painter's units are millimetres
    painter.setFont(font);
    painter.drawText(centre + QPointF(2.5, -2.5), number);
}

// One axis of the measurement: the fitted scale and offset of what the printer did
// with the profile used, folded into that profile.
struct AxisFit {
    double scale, offset;
};
AxisFit FitAxis(double usedScale, double usedOffset, double wantedFirst, double wantedLast, double gotFirst,
                double gotLast) {
    const double stretch = wantedLast != wantedFirst ? (gotLast - gotFirst) / (wantedLast - wantedFirst) : 1;
    if (!(stretch > 0)) return {usedScale, usedOffset};
    const double error = gotFirst - stretch * wantedFirst;
    return {usedScale / stretch, usedOffset + usedScale * error / stretch};
}

} // namespace

CalibrationCrosses CrossesFor(const PageParams& page) {
    return {QPointF(Inset(page.width), Inset(page.height)),
            QPointF(page.width - Inset(page.width), page.height - Inset(page.height))};
}

bool PrintCalibrationSheet(PrintJob& job, const Format& format, int bills) {
    bills = std::clamp(bills, 1, kMaxCalibrationBills);
    const CalibrationCrosses crosses = CrossesFor(format.page);
    const QPointF shift(ShiftXmm(format), ShiftYmm(format));
    job.ExpectPages(bills);
    for (int bill = 1; bill <= bills; ++bill) {
        QPainter* painter = job.BeginSheet(format.page, format.name);
        if (!painter) return false;
        painter->save();
        painter->scale(painter->device()->logicalDpiX() / 25.4, painter->device()->logicalDpiY() / 25.4);
        painter->setPen(QPen(Qt::black, kLineMm, Qt::SolidLine, Qt::FlatCap));
        if (bill == 1) DrawCross(*painter, crosses.first - shift, ProfileText::CrossNumber(1));
        if (bill == bills) DrawCross(*painter, crosses.last - shift, ProfileText::CrossNumber(bills));
        painter->restore();
    }
    return job.End();
}

PrinterProfile CalibratedProfile(const PrinterProfile& used, const Format& format, int bills,
                                 const MeasuredCrosses& measured) {
    const CalibrationCrosses crosses = CrossesFor(format.page);
    // Where the format and its offsets want the crosses on their forms.
    const QPointF shift(ShiftXmm(format), ShiftYmm(format));
    const QPointF first = crosses.first - shift, last = crosses.last - shift;
    PrinterProfile profile = used;
    const AxisFit across = FitAxis(used.scaleX, used.offsetX, first.x(), last.x(), measured.first.x(),
                                   measured.last.x());
    profile.scaleX = across.scale;
    profile.offsetX = across.offset;
    if (!used.continuous) {
        const AxisFit down = FitAxis(used.scaleY, used.offsetY, first.y(), last.y(), measured.first.y(),
                                     measured.last.y());
        profile.scaleY = down.scale;
        profile.offsetY = down.offset;
        return profile;
    }
    // Down a strip of forms: the first cross tells the offset; the last one, N - 1
    // forms later, moved by the forms' drift as well.
    const double error = measured.first.y() - first.y();
    profile.offsetY = used.offsetY + used.scaleY * error;
    if (bills > 1) {
        const double driftPerForm = (measured.last.y() - last.y() - error) / (bills - 1);
        profile.feedMm = used.feedMm - driftPerForm;
    }
    return profile;
}

namespace {

// The sheet's job kept where the paper stands reckoning with the old feed; over its
// forms the paper really moved by the new one, so the next form's top is where the
// difference puts it. Past that edge, the next whole form is the one to print on.
void CorrectFormStart(const QString& queue, const Format& format, int bills,
                      const PrinterProfile& used, const PrinterProfile& computed) {
    if (!used.continuous || !computed.continuous) return;
    const double advance = FormAdvanceMm(format.page, computed);
    if (advance <= 0) return;
    double start = LoadFormStart(queue) + bills * (advance - FormAdvanceMm(format.page, used));
    // Rounding in the sums may leave an edge that is on the spot a hair behind it: far
    // less than a printer dot is no form passed.
    constexpr double kOnTheEdgeMm = 0.05;
    if (start < -kOnTheEdgeMm) start += advance * std::ceil(-start / advance);
    SaveFormStart(queue, std::max(0.0, start));
}

} // namespace

std::optional<StoredCalibration> StoreCalibration(Database& db, const QString& queue, const Format& format,
                                                  int bills, const MeasuredCrosses& measured, QString* problem) {
    PrinterProfileKey key{ThisSeat(), queue, format.name};
    if (!LoadPrinterProfile(db, key)) key.format.clear();
    const PrinterProfile used = EffectivePrinterProfile(db, key);
    const PrinterProfile computed = CalibratedProfile(used, format, bills, measured);
    *problem = ProfileProblem(computed);
    if (!problem->isEmpty()) return std::nullopt;
    if (!SavePrinterProfile(db, key, computed)) {
        *problem = ProfileText::kNotSaved;
        return std::nullopt;
    }
    CorrectFormStart(queue, format, bills, used, computed);
    return StoredCalibration{key, computed};
}
