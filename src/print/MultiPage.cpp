#include "print/MultiPage.h"

#include "store/Database.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

QString BaseOf(const QString& formatName) {
    return formatName.left(formatName.lastIndexOf(u'_'));
}

} // namespace

double FamilyPageNumber(const QString& formatName) {
    // The leading number of the text, as a user reads "2" in "a_2" or "2b" in "a_2b".
    static const QRegularExpression leading(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)"));
    const QRegularExpressionMatch match =
        leading.match(formatName.mid(formatName.lastIndexOf(u'_') + 1));
    return match.hasMatch() ? match.captured(0).trimmed().toDouble() : 0;
}

QStringList OtherPages(Database& db, const QString& formatName) {
    const QString base = BaseOf(formatName);
    const QueryResult result = db.Query(
        QStringLiteral("SELECT Fmt FROM Fmt WHERE Fmt LIKE ? ESCAPE '\\' AND Fmt<>? "
                       "GROUP BY Fmt ORDER BY Fmt"),
        {EscapeLike(base + QLatin1Char('_')) + QLatin1Char('%'), formatName});
    QStringList names;
    for (const QVariantList& row : result.rows) {
        const QString name = row.value(0).toString();
        if (BaseOf(name) == base) names << name;
    }
    return names;
}

PageStep NextPageStep(const QString& formatName, const QStringList& others) {
    if (others.isEmpty()) return {};
    const double current = FamilyPageNumber(formatName);
    const QString* next = nullptr;
    const QString* first = &others.first();
    for (const QString& name : others) {
        const double page = FamilyPageNumber(name);
        if (page > current && (!next || page < FamilyPageNumber(*next))) next = &name;
        if (page < FamilyPageNumber(*first)) first = &name;
    }
    if (next) return {*next, false};
    return {*first, true};
}

bool NextPageFormat(Database& db, const QString& formatName, bool autoJump,
                    const std::function<void(const QString&)>& openFormat) {
    if (!autoJump || !formatName.contains(u'_')) return true;
    const PageStep step = NextPageStep(formatName, OtherPages(db, formatName));
    if (!step.open.isEmpty()) openFormat(step.open);
    return step.finished;
}
