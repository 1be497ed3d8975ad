#include "aids/TypingAids.h"

#include "aids/AidsTexts.h"
#include "aids/AutoFill.h"
#include "content/DataTypes.h"
#include "records/HistoryQueries.h"
#include "records/LabelGroup.h"
#include "store/Database.h"
#include "store/Format.h"

namespace {

// The distinct values of one box, or of every box of a label stem: format, box,
// limit / format, escaped label pattern, format, limit.
const QString kBoxValues = QStringLiteral(
    "SELECT Con FROM 历史 WHERE Fmt=? AND CID=? GROUP BY Con ORDER BY Con LIMIT ?");
const QString kStemValues = QStringLiteral(
    "SELECT h.Con FROM Fmt f CROSS JOIN 历史 h WHERE f.Fmt=? AND f.LBL LIKE ? ESCAPE '\\' "
    "AND h.Fmt=? AND h.CID=f.ID GROUP BY h.Con ORDER BY h.Con LIMIT ?");

} // namespace

bool AcceptsTyped(double dataType, const QString& typed) {
    if (typed.isEmpty() || !TakesDigitKeysOnly(dataType)) return true;
    for (QChar c : typed) {
        // Control characters (Backspace, Enter) type nothing into the text.
        if (c.unicode() < 0x20) continue;
        if (!(c >= u'0' && c <= u'9') && c != u'.' && c != u'-') return false;
    }
    return true;
}

std::optional<Completion> CompleteFromHistory(Database& db, const QString& formatName, qint64 boxId,
                                              const QString& typed) {
    if (typed.isEmpty()) return std::nullopt;
    const QStringList values = ValuesStartingWith(db, formatName, boxId, typed, 2);
    if (values.size() != 1 || values.first() == typed) return std::nullopt;
    return Completion{values.first(), int(typed.size())};
}

QStringList FillHistoryList(Database& db, const QString& formatName, const BoxRecord& box) {
    QStringList entries;
    if (FamilyOf(box.cash) == DataFamily::CustomList)
        entries = CustomListOptions(CustomTypeDefinition(db, formatName, DataTypeBase(box.cash)));
    const LabelGroup group = SplitLabelGroup(box.label);
    const QueryResult result =
        group.group > 0
            ? db.Query(kStemValues, {formatName, EscapeLike(group.stem + u'_') + u'%', formatName,
                                     kHistoryListLimit})
            : db.Query(kBoxValues, {formatName, box.id, kHistoryListLimit});
    for (const QVariantList& row : result.rows) entries.append(row.value(0).toString());
    return entries;
}

std::optional<QString> ToggledTick(double dataType, const QString& current) {
    if (FamilyOf(dataType) != DataFamily::Tick) return std::nullopt;
    return current == AidsText::kTick ? QString() : AidsText::kTick;
}
