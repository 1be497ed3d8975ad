#include "print/PrinterCorrection.h"

#include "store/Format.h"

#include <QPaintDevice>
#include <QPainter>

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

PageParams PageOnPrinter(PageParams page, const PrinterProfile& profile) {
    if (!profile.continuous) return page;
    page.height += profile.feedMm;
    page.options.setPaper = true;
    return page;
}

void ApplyPrinterProfile(QPainter& painter, const PrinterProfile& profile) {
    const QPaintDevice* device = painter.device();
    QTransform transform;
    transform.translate(-profile.offsetX * device->logicalDpiX() / kMmPerInch,
                        -profile.offsetY * device->logicalDpiY() / kMmPerInch);
    transform.scale(profile.scaleX, profile.scaleY);
    painter.setWorldTransform(transform);
}
