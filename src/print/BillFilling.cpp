#include "print/BillFilling.h"

#include "records/BoxValues.h"
#include "store/Format.h"

BoxesByLabel::BoxesByLabel(const Format& format) {
    for (const BoxRecord& box : format.boxes) boxes_.insert(box.label, &box);
}

bool BoxesByLabel::Fill(Bill& bill, const QString& label, const QString& value,
                        const ValueFilling& filling) const {
    bool found = false;
    for (auto it = boxes_.constFind(label); it != boxes_.cend() && it.key() == label; ++it)
        if (WriteBoxValue(**it, bill, value, filling)) found = true;
    return found;
}
