#include "print/PrinterCorrection.h"

#include "store/Format.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

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

double FormPitchMm(const PageParams& page, const PrinterProfile& profile) {
    return page.height + (profile.continuous ? profile.feedMm : 0);
}

int FormsOnStrip(const PageParams& page, const PrinterProfile& profile, int pagesToCome) {
    const double pitch = FormPitchMm(page, profile);
    if (!profile.continuous || pitch <= 0) return 1;
    return std::clamp(int(kMaxStripMm / pitch), 1, std::max(1, pagesToCome));
}

PageParams PageOnPrinter(PageParams page, const PrinterProfile& profile, int forms) {
    if (!profile.continuous) return page;
    page.height = FormPitchMm(page, profile) * forms;
    page.options.setPaper = true;
    return page;
}

void ApplyPrinterProfile(QPainter& painter, const PrinterProfile& profile, double downMm) {
    const QPaintDevice* device = painter.device();
    const double dotsPerMmX = device->logicalDpiX() / kMmPerInch, dotsPerMmY = device->logicalDpiY() / kMmPerInch;
    QTransform transform;
    transform.translate(-profile.offsetX * dotsPerMmX, -profile.offsetY * dotsPerMmY);
    transform.scale(profile.scaleX, profile.scaleY);
    transform.translate(0, downMm * dotsPerMmY);
    painter.setWorldTransform(transform);
}
