#include "print/BillFilling.h"

#include "records/BoxValues.h"
#include "store/Format.h"

bool FillBoxByLabel(const Format& format, Bill& bill, const QString& label, const QString& value,
                    const QString& lineBreakMarker, const ConversionSettings& settings) {
    const ValueFilling filling{lineBreakMarker, settings};
    bool found = false;
    for (const BoxRecord& box : format.boxes)
        if (box.label == label && WriteBoxValue(box, bill, value, filling)) found = true;
    return found;
}
