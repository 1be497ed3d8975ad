#include "records/LabelGroup.h"

LabelGroup SplitLabelGroup(const QString& label) {
    const qsizetype underscore = label.lastIndexOf(QLatin1Char('_'));
    if (underscore < 0) return {label, 0};
    const QString tail = label.mid(underscore + 1).trimmed();
    // At most nine digits, so the number always fits.
    qsizetype digits = 0;
    while (digits < tail.size() && digits < 9 && tail[digits] >= u'0' && tail[digits] <= u'9')
        ++digits;
    return {label.left(underscore), tail.left(digits).toInt()};
}
