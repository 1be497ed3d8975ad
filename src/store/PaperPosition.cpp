#include "store/PaperPosition.h"

#include "store/ParamStore.h"

#include <cmath>

namespace {

const QString kApplication = QStringLiteral("QMX"), kSection = QStringLiteral("PrinterPaper");

} // namespace

double LoadFormStart(const QString& queue) {
    bool read = false;
    const double mm = ReadSetting(kApplication, kSection, queue, QStringLiteral("0")).toDouble(&read);
    // At most a form ahead (a calibration may find the paper past a form's top edge);
    // a value changed by hand beyond any form must not push the print off the paper.
    constexpr double kLongestFormMm = 1000;
    return read && std::isfinite(mm) && mm >= 0 && mm < kLongestFormMm ? mm : 0;
}

bool SaveFormStart(const QString& queue, double mm) {
    return WriteSetting(kApplication, kSection, queue, QString::number(mm, 'g', 10));
}
