#include "print/BillFilling.h"

#include "content/Conversions.h"
#include "store/Bill.h"
#include "store/Format.h"

bool FillBoxByLabel(const Format& format, Bill& bill, const QString& label, const QString& value,
                    const QString& lineBreakMarker, const ConversionSettings& settings) {
    bool found = false;
    for (const BoxRecord& box : format.boxes) {
        if (box.label != label) continue;
        switch (box.Kind()) {
        case BoxKind::Text:
            bill.SetValue(box.id, FillBoxText(value, lineBreakMarker, box.cash, settings));
            break;
        case BoxKind::Check:
            bill.SetValue(box.id, value.trimmed().isEmpty() ? QString() : QStringLiteral("1"));
            break;
        case BoxKind::Picture:
            bill.SetValue(box.id, value);
            break;
        default:
            continue; // labels and lines hold no values
        }
        found = true;
    }
    return found;
}
