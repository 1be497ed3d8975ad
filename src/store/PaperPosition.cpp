#include "store/PaperPosition.h"

#include "store/ParamStore.h"

#include <cmath>

namespace {

const QString kApplication = QStringLiteral("QMX"), kSection = QStringLiteral("PrinterPaper");

} // namespace

double LoadFormStart(const QString& queue) {
    bool read = false;
    const double mm = ReadSetting(kApplication, kSection, queue, QStringLiteral("0")).toDouble(&read);
    // A value changed by hand must not push the print off the form.
    return read && std::isfinite(mm) && mm >= 0 && mm < 100 ? mm : 0;
}

bool SaveFormStart(const QString& queue, double mm) {
    return WriteSetting(kApplication, kSection, queue, QString::number(mm, 'g', 10));
}
