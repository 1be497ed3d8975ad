#include "aids/AutoFill.h"

#include "aids/AidContext.h"
#include "aids/AidsTexts.h"
#include "aids/BillPassword.h"
#include "aids/CustomDates.h"
#include "aids/EntryPath.h"
#include "content/DataTypes.h"
#include "core/Asker.h"
#include "document/FormatDocument.h"
#include "records/HistoryQueries.h"
#include "store/ParamStore.h"

#include <QSet>

namespace {

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

QList<const BoxRecord*> TextBoxes(const FormatDocument& document) {
    QList<const BoxRecord*> boxes;
    for (const BoxRecord& box : document.GetFormat().boxes)
        if (box.kind == BoxKind::Text) boxes.append(&box);
    return boxes;
}

// The value FillDates writes for a data type before its conversion; nullopt for
// types that hold no date (custom dates are written by their pattern).
std::optional<QString> DateValue(double dataType, const QDateTime& now) {
    const DataTypeTraits* row = DataTypeOf(dataType);
    if (row && row->family == DataFamily::Date) return now.date().toString(QStringLiteral("yyyy-MM-dd"));
    // Arabic parts are written two digits wide, as a typed month or day comes out.
    const bool arabic = row && row->conversion == DataConversion::DatePartArabic;
    switch (DatePartIn(dataType)) {
    case DatePartOf::Year: return QString::number(now.date().year());
    case DatePartOf::Month: return arabic ? now.date().toString(QStringLiteral("MM")) : QString::number(now.date().month());
    case DatePartOf::Day: return arabic ? now.date().toString(QStringLiteral("dd")) : QString::number(now.date().day());
    default: return std::nullopt;
    }
}

} // namespace

QString NextNumber(const QString& text) {
    qsizetype start = text.size();
    while (start > 0 && IsAsciiDigit(text[start - 1])) --start;
    if (start == text.size()) return text;
    QString digits = text.mid(start);
    // Count up with carry; a carry out of the first digit widens the number.
    qsizetype i = digits.size() - 1;
    for (; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            break;
        }
        digits[i] = u'0';
    }
    if (i < 0) digits.prepend(u'1');
    return text.left(start) + digits;
}

QString CustomTypeDefinition(Database& db, const QString& formatName, int code) {
    return ParamStore(db).GetParam(formatName + AidsText::kCustomTypeKey + QString::number(code));
}

QStringList CustomListOptions(const QString& definition) {
    if (definition.isEmpty()) return {};
    return definition.split(u';');
}

void RefreshAutoFill(FormatDocument& document, const AidContext& context) {
    QList<QPair<qint64, QString>> values;
    if (context.db) {
        const QString formatName = document.GetFormat().name;
        for (const BoxRecord* box : TextBoxes(document)) {
            const DataFamily family = FamilyOf(box->cash);
            if (family == DataFamily::AutoNumber) {
                const QString newest = NewestValue(*context.db, formatName, box->id);
                if (!newest.isEmpty()) values.append({box->id, NextNumber(newest)});
            } else if (family == DataFamily::CustomList) {
                const QStringList options =
                    CustomListOptions(CustomTypeDefinition(*context.db, formatName, DataTypeBase(box->cash)));
                if (!options.isEmpty()) values.append({box->id, options.first()});
            }
        }
    }
    FillPasswordAreas(document);
    for (const auto& [id, value] : values) EnterValue(document, id, value, EntryRoute::AutoFill, context);
}

bool FillDates(FormatDocument& document, const AidContext& context) {
    AidContext today = context;
    today.now = context.Now();
    today.filling.settings.today = today.now.date();
    QList<QPair<qint64, QString>> values;
    QSet<QString> badPatterns;
    for (const BoxRecord* box : TextBoxes(document)) {
        std::optional<QString> value = DateValue(box->cash, today.now);
        if (FamilyOf(box->cash) == DataFamily::CustomDate) {
            const QString pattern = context.db ? CustomTypeDefinition(*context.db, document.GetFormat().name,
                                                                      DataTypeBase(box->cash))
                                               : QString();
            value = FormatCustomDate(pattern, today.now);
            if (!value) {
                if (!badPatterns.contains(pattern) && context.asker)
                    context.asker->Message(AidsText::BadDatePattern(pattern));
                badPatterns.insert(pattern);
                continue;
            }
        }
        if (value) values.append({box->id, *value});
    }
    for (const auto& [id, value] : values) EnterValue(document, id, value, EntryRoute::Dates, today);
    return badPatterns.isEmpty();
}
