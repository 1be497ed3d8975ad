#include "aids/AutoFill.h"

#include "aids/AidContext.h"
#include "aids/AidsTexts.h"
#include "aids/BillPassword.h"
#include "aids/CustomDates.h"
#include "aids/EntryAids.h"
#include "content/Conversions.h"
#include "content/DataTypes.h"
#include "core/Asker.h"
#include "document/FormatDocument.h"
#include "records/HistoryQueries.h"
#include "store/ParamStore.h"

#include <QSet>

namespace {

constexpr int kAutoNumber = 122;
constexpr int kFirstCustomList = 124, kLastCustomList = 130;

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

QList<const BoxRecord*> TextBoxes(const FormatDocument& document) {
    QList<const BoxRecord*> boxes;
    for (const BoxRecord& box : document.GetFormat().boxes)
        if (box.kind == BoxKind::Text) boxes.append(&box);
    return boxes;
}

// The value FillDates writes for a data type before its conversion; nullopt for
// types that hold no date.
std::optional<QString> DateValue(int base, const QDateTime& now) {
    switch (base) {
    case 100: case 106: return QString::number(now.date().year());
    case 101: case 107: return QString::number(now.date().month());
    case 102: case 108: return QString::number(now.date().day());
    case 110: case 111: case 112: case 113: return now.date().toString(QStringLiteral("yyyy-MM-dd"));
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
            const int base = DataTypeBase(box->cash);
            if (base == kAutoNumber) {
                const QString newest = NewestValue(*context.db, formatName, box->id);
                if (!newest.isEmpty()) values.append({box->id, NextNumber(newest)});
            } else if (base >= kFirstCustomList && base <= kLastCustomList) {
                const QStringList options =
                    CustomListOptions(CustomTypeDefinition(*context.db, formatName, base));
                if (!options.isEmpty()) values.append({box->id, options.first()});
            }
        }
    }
    FillPasswordAreas(document);
    for (const auto& [id, value] : values) {
        document.SetContent(id, value);
        OnBoxEdited(document, id, context);
    }
}

bool FillDates(FormatDocument& document, const AidContext& context) {
    const QDateTime now = context.Now();
    ConversionSettings settings = context.filling.settings;
    settings.today = now.date();
    QList<QPair<qint64, QString>> values;
    QSet<QString> badPatterns;
    for (const BoxRecord* box : TextBoxes(document)) {
        const int base = DataTypeBase(box->cash);
        std::optional<QString> value = DateValue(base, now);
        if (base == 119 || base == 133) {
            const QString pattern =
                context.db ? CustomTypeDefinition(*context.db, document.GetFormat().name, base) : QString();
            value = FormatCustomDate(pattern, now);
            if (!value) {
                if (!badPatterns.contains(pattern) && context.asker)
                    context.asker->Message(AidsText::BadDatePattern(pattern));
                badPatterns.insert(pattern);
                continue;
            }
        }
        if (value) values.append({box->id, ConvertByDataType(*value, box->cash, settings)});
    }
    QList<qint64> changed;
    for (const auto& [id, value] : values) {
        if (document.Content(id) == value) continue;
        document.SetContent(id, value);
        changed.append(id);
    }
    AfterAutomaticFill(document, changed, context);
    return badPatterns.isEmpty();
}
