#include "stats/StatsBoxes.h"

#include "content/DataTypes.h"
#include "records/LabelGroup.h"
#include "stats/StatsTexts.h"
#include "store/Database.h"
#include "store/Format.h"

namespace {

// Data type codes each list accepts; the condition list takes every box.
QList<int> ListCodes(StatsBoxList list) {
    switch (list) {
    case StatsBoxList::Condition: return {};
    case StatsBoxList::Amount: return {103, 120, 104, 105, 117, 118, 11, 311, 211, 114, 121, 116, 0};
    case StatsBoxList::WholeDate: return {110, 111};
    case StatsBoxList::Year: return {100, 106};
    case StatsBoxList::Month: return {101, 107};
    case StatsBoxList::Day: return {102, 108};
    }
    return {};
}

// The code a box is listed by: the digit-cell types carry their cell count in the
// code (12 is an amount over 12 cells), so they count as their family (11, 211, 311).
int ListCode(double dataType) {
    const int index = DataTypeListIndex(dataType);
    return index >= 0 ? int(DataTypeList().at(index).code) : DataTypeBase(dataType);
}

QString GroupEntry(const QString& label) {
    const LabelGroup group = SplitLabelGroup(label);
    return group.group >= 1 ? group.stem + StatsText::kGroupSuffix : label;
}

} // namespace

QList<StatsBox> ReadStatsBoxes(Database& db, const QString& formatName, bool* failed) {
    const QueryResult result = db.Query(
        QStringLiteral("SELECT ID, LBL, Cash FROM Fmt WHERE Fmt=? AND LBL<>? AND LBL<>'' "
                       "AND Clas<=1 ORDER BY ID"),
        {formatName, kPageParamsLabel});
    if (failed) *failed = result.failed;
    QList<StatsBox> boxes;
    for (const QVariantList& row : result.rows)
        boxes.append({row.value(0).toLongLong(), row.value(1).toString(), row.value(2).toDouble()});
    return boxes;
}

bool FitsList(double dataType, StatsBoxList list) {
    const QList<int> codes = ListCodes(list);
    return codes.isEmpty() || codes.contains(ListCode(dataType));
}

QStringList BoxChoices(const QList<StatsBox>& boxes, StatsBoxList list) {
    QStringList choices;
    for (const StatsBox& box : boxes) {
        if (!FitsList(box.dataType, list)) continue;
        const QString entry = GroupEntry(box.label);
        if (!choices.contains(entry)) choices << entry;
    }
    return choices;
}

QList<StatsBox> BoxesOfChoice(const QList<StatsBox>& boxes, StatsBoxList list, const QString& choice) {
    QList<StatsBox> exact;
    QList<StatsBox> group;
    const bool groupEntry = choice.endsWith(StatsText::kGroupSuffix);
    const QString prefix = choice.chopped(groupEntry ? StatsText::kGroupSuffix.size() - 1 : 0);
    for (const StatsBox& box : boxes) {
        if (!FitsList(box.dataType, list)) continue;
        if (box.label == choice) exact << box;
        else if (groupEntry && box.label.startsWith(prefix)) group << box;
    }
    return exact.isEmpty() ? group : exact;
}

QList<qint64> IdsOf(const QList<StatsBox>& boxes) {
    QList<qint64> ids;
    for (const StatsBox& box : boxes) ids << box.id;
    return ids;
}
