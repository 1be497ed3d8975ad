#include "print/PrinterCorrection.h"

#include "store/Format.h"
#include "store/PaperPosition.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
Database* profileStore = nullptr;
constexpr double kMmPerInch = 25.4;
} // namespace

PrinterProfileSource::PrinterProfileSource(Database& db) : previous_(profileStore) {
    profileStore = &db;
}

PrinterProfileSource::~PrinterProfileSource() { profileStore = previous_; }

PrinterProfile ProfileForPrint(const QString& queue, const QString& formatName) {
    if (!profileStore || queue.isEmpty()) return {};
    return EffectivePrinterProfile(*profileStore, {ThisSeat(), queue, formatName});
}

double FormStartForPrint(const QString& queue) {
    return queue.isEmpty() ? 0 : LoadFormStart(queue);
}

bool KeepFormStart(const QString& queue, double mm) {
    return !queue.isEmpty() && SaveFormStart(queue, mm);
}

double FormPitchMm(const PageParams& page, const PrinterProfile& profile) {
    return page.height + (profile.continuous ? profile.feedMm : 0);
}

double StripLengthMm(double formsEndMm) {
    // A millionth of a line keeps a run that ends on a whole line from losing it to
    // rounding in the division.
    const double lines = std::floor(formsEndMm / kFeedLineMm + 1e-6);
    return std::max(1.0, lines) * kFeedLineMm;
}

double FormAdvanceMm(const PageParams& page, const PrinterProfile& profile) {
    return profile.scaleY * FormPitchMm(page, profile);
}

int FormsOnStrip(const PageParams& page, const PrinterProfile& profile, int pagesToCome, double firstFormMm) {
    const double advance = FormAdvanceMm(page, profile);
    if (!profile.continuous || advance <= 0) return 1;
    return std::clamp(int((kMaxStripMm - firstFormMm) / advance), 1, std::max(1, pagesToCome));
}

PageParams PageOnPrinter(PageParams page, const PrinterProfile& profile, int forms, double firstFormMm) {
    if (!profile.continuous) return page;
    page.height = StripLengthMm(firstFormMm + FormAdvanceMm(page, profile) * forms);
    page.options.setPaper = true;
    return page;
}

void ApplyPrinterProfile(QPainter& painter, const PrinterProfile& profile, double downMm) {
    const QPaintDevice* device = painter.device();
    const double dotsPerMmX = device->logicalDpiX() / kMmPerInch, dotsPerMmY = device->logicalDpiY() / kMmPerInch;
    QTransform transform;
    transform.translate(-profile.offsetX * dotsPerMmX, (downMm - profile.offsetY) * dotsPerMmY);
    transform.scale(profile.scaleX, profile.scaleY);
    painter.setWorldTransform(transform);
}
