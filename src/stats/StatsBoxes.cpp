#include "stats/StatsBoxes.h"

#include "content/DataTypes.h"
#include "records/LabelGroup.h"
#include "stats/StatsTexts.h"
#include "store/Database.h"
#include "store/Format.h"

namespace {

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
    const DataTypeTraits* row = DataTypeOf(dataType);
    switch (list) {
    case StatsBoxList::Condition: return true;
    // Plain text may hold a number too; 1234.5元 is written for reading, not summing.
    case StatsBoxList::Amount:
        return row && (row->family == DataFamily::Plain ||
                       (row->number && row->conversion != DataConversion::YuanAmount));
    case StatsBoxList::WholeDate:
        return row && row->family == DataFamily::Date && row->datePattern.find(u"YYYY") != std::u16string_view::npos;
    case StatsBoxList::Year: return DatePartIn(dataType) == DatePartOf::Year;
    case StatsBoxList::Month: return DatePartIn(dataType) == DatePartOf::Month;
    case StatsBoxList::Day: return DatePartIn(dataType) == DatePartOf::Day;
    }
    return false;
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
