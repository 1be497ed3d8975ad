#pragma once
// Names that end in "_" + a number: box labels of a group (金额_1, 金额_2) and the
// pages of a multi-page bill (发票_1, 发票_2).
#include <QString>

struct LabelGroup {
    QString stem;  // the text up to the last "_" (all of it when there is none)
    int group = 0; // the leading number of the text after the last "_"; 0 without one
};
LabelGroup SplitLabelGroup(const QString& label);
