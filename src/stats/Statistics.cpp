#include "stats/Statistics.h"

#include "content/Amounts.h"
#include "content/Dates.h"
#include "core/CsvField.h"
#include "stats/StatsBoxes.h"
#include "stats/StatsPeriods.h"
#include "stats/StatsQueries.h"
#include "stats/StatsTexts.h"
#include "store/FormatStore.h"

#include <QHash>
#include <QMap>
#include <QSaveFile>
#include <array>

namespace {

// A bill's date; nullopt when its text cannot be read as one.
using BillDates = QMap<qint64, std::optional<QDate>>;

struct Reading {
    BillDates dates;
    bool failed = false;
};

// Whole dates: a bill's date is the first of its date boxes' values that reads as one.
Reading WholeDates(Database& db, const QString& formatName, const QList<qint64>& boxIds) {
    const StoredValues values = ValuesOfBoxes(db, formatName, boxIds);
    Reading reading{{}, values.failed};
    const QDate today = QDate::currentDate();
    QHash<QString, std::optional<QDate>> parsed; // bills share few distinct dates
    for (const StoredValue& row : values.rows) {
        std::optional<QDate>& date = reading.dates[row.bill];
        if (date) continue;
        const QString text = row.value.trimmed();
        auto known = parsed.constFind(text);
        if (known == parsed.constEnd()) known = parsed.insert(text, ParseDateText(text, today));
        date = *known;
    }
    return reading;
}

// A year, month or day part, in Arabic or capital digits (贰零贰肆, 拾贰).
std::optional<int> DatePartNumber(const QString& text) {
    bool ok = false;
    const int number = DigitsToCapitals(text.trimmed(), -1).toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

QDate DateOfParts(int year, int month, int day) {
    // Two-digit years as a date text reads them: 00-29 this century, 30-99 the last.
    if (year >= 0 && year < 100) year += year < 30 ? 2000 : 1900;
    return QDate(year, month, day);
}

// Combined dates: year, month and day from three boxes (or groups) of each bill.
Reading CombinedDates(Database& db, const QString& formatName,
                      const std::array<QList<qint64>, 3>& partBoxes) {
    const StoredValues values =
        ValuesOfBoxes(db, formatName, partBoxes[0] + partBoxes[1] + partBoxes[2]);
    Reading reading{{}, values.failed};
    QMap<qint64, std::array<std::optional<int>, 3>> parts;
    for (const StoredValue& row : values.rows) {
        std::array<std::optional<int>, 3>& bill = parts[row.bill];
        for (int part = 0; part < 3; ++part)
            if (!bill[part] && partBoxes[part].contains(row.box)) bill[part] = DatePartNumber(row.value);
    }
    for (auto it = parts.cbegin(); it != parts.cend(); ++it) {
        const auto& [year, month, day] = it.value();
        std::optional<QDate> date;
        if (year && month && day) {
            const QDate built = DateOfParts(*year, *month, *day);
            if (built.isValid()) date = built;
        }
        reading.dates.insert(it.key(), date);
    }
    return reading;
}

// Each bill's amount: the sum over its amount boxes of the values read back from
// their shown form (capitals, grouping commas, currency symbol).
std::optional<QHash<qint64, DecimalSum>> BillAmounts(Database& db, const QString& formatName,
                                                     const QList<StatsBox>& boxes,
                                                     const QString& currency) {
    QHash<qint64, double> typeOf;
    for (const StatsBox& box : boxes) typeOf.insert(box.id, box.dataType);
    const StoredValues values = ValuesOfBoxes(db, formatName, IdsOf(boxes));
    if (values.failed) return std::nullopt;
    QHash<qint64, DecimalSum> amounts;
    QHash<std::pair<qint64, QString>, QString> read; // bills repeat the same amounts
    for (const StoredValue& row : values.rows) {
        auto number = read.constFind({row.box, row.value});
        if (number == read.constEnd())
            number = read.insert({row.box, row.value},
                                 NumericText(CapitalToNumber(row.value, typeOf.value(row.box)), currency));
        amounts[row.bill].Add(*number);
    }
    return amounts;
}

QString WithoutLineBreaks(QString text) { return text.remove(u'\r').remove(u'\n'); }

QString Caption(const StatsRequest& request, const QList<StatsRow>& rows) {
    const bool amounts = request.content == StatsContent::Amount;
    QString caption = StatsText::kCaptionHead + u'\n' + StatsText::kCaptionFormat + request.formatName
                      + StatsText::kCaptionContent
                      + (amounts ? StatsText::kAmountColumn : StatsText::kCountColumn)
                      + StatsText::kCaptionDates + rows.first().period + StatsText::kCaptionTo
                      + rows.last().period + u'；';
    if (amounts)
        caption += u'\n' + StatsText::kCaptionAmountBox + WithoutLineBreaks(request.amountBox) + u'；';
    if (request.conditional)
        caption += StatsText::kCaptionCondition + WithoutLineBreaks(request.conditionBox) + u'=' + u'“'
                   + WithoutLineBreaks(request.conditionValue) + u'”' + u'；';
    caption.chop(1);
    return caption;
}

} // namespace

std::optional<QString> CheckRequest(const StatsRequest& request) {
    const bool datesMissing = request.combinedDate
                                  ? request.yearBox.isEmpty() || request.monthBox.isEmpty()
                                        || request.dayBox.isEmpty()
                                  : request.dateBox.isEmpty();
    if (datesMissing) return StatsText::kDateBoxesMissing;
    if (request.conditional && (request.conditionBox.isEmpty() || request.conditionValue.isEmpty()))
        return StatsText::kConditionMissing;
    if (request.content == StatsContent::Amount && request.amountBox.isEmpty())
        return StatsText::kAmountBoxMissing;
    return std::nullopt;
}

StatsResult ComputeStatistics(Database& db, const StatsRequest& request) {
    StatsResult result;
    result.content = request.content;
    bool failed = false;
    const QList<StatsBox> boxes = ReadStatsBoxes(db, request.formatName, &failed);
    const auto idsOf = [&boxes](StatsBoxList list, const QString& choice) {
        return IdsOf(BoxesOfChoice(boxes, list, choice));
    };

    const Reading dates =
        request.combinedDate
            ? CombinedDates(db, request.formatName,
                            {idsOf(StatsBoxList::Year, request.yearBox),
                             idsOf(StatsBoxList::Month, request.monthBox),
                             idsOf(StatsBoxList::Day, request.dayBox)})
            : WholeDates(db, request.formatName, idsOf(StatsBoxList::WholeDate, request.dateBox));

    std::optional<QSet<qint64>> holding;
    if (request.conditional)
        holding = BillsHolding(db, request.formatName,
                               idsOf(StatsBoxList::Condition, request.conditionBox),
                               request.conditionValue);

    std::optional<QHash<qint64, DecimalSum>> amounts;
    if (request.content == StatsContent::Amount) {
        const std::optional<PageParams> page = FormatStore(db).LoadPageParams(request.formatName);
        amounts = BillAmounts(db, request.formatName,
                              BoxesOfChoice(boxes, StatsBoxList::Amount, request.amountBox),
                              page ? page->options.currency : PageOptions().currency);
    }

    result.failed = failed || dates.failed || (request.conditional && !holding)
                    || (request.content == StatsContent::Amount && !amounts);
    if (result.failed) return result;

    const QDate first = std::min(request.from, request.to);
    const QDate last = std::max(request.from, request.to);
    QList<CountedBill> counted;
    for (auto it = dates.dates.cbegin(); it != dates.dates.cend(); ++it) {
        if (holding && !holding->contains(it.key())) continue;
        DecimalSum amount;
        if (amounts) {
            const auto found = amounts->constFind(it.key());
            if (found == amounts->constEnd()) continue;
            amount = *found;
        }
        if (!it.value()) {
            ++result.skippedBills;
            continue;
        }
        const QDate date = *it.value();
        if (date < first || date > last) continue;
        counted.append({date, amount});
    }
    result.rows = PeriodTable(counted, request.period);
    if (!result.rows.isEmpty()) result.caption = Caption(request, result.rows);
    return result;
}

QString StatsResult::ValueText(const StatsRow& row) const {
    return content == StatsContent::Count ? QString::number(row.bills) : row.amount.Text();
}

double StatsResult::Value(const StatsRow& row) const {
    return content == StatsContent::Count ? double(row.bills) : row.amount.Value();
}

QList<QStringList> StatsResult::Table() const {
    QList<QStringList> table{{StatsText::kNumberColumn, StatsText::kDateColumn,
                              content == StatsContent::Count ? StatsText::kCountColumn
                                                             : StatsText::kAmountColumn}};
    for (qsizetype i = 0; i < rows.size(); ++i)
        table.append({QString::number(i + 1), rows[i].period, ValueText(rows[i])});
    return table;
}

QString StatsResult::Csv() const {
    QString csv;
    for (const QStringList& line : Table()) {
        QStringList fields;
        for (const QString& cell : line) fields << CsvField(cell);
        csv += fields.join(u',') + u'\n';
    }
    return csv;
}

bool WriteStatsCsv(const StatsResult& result, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = "\xEF\xBB\xBF" + result.Csv().replace(u'\n', QStringLiteral("\r\n")).toUtf8();
    return file.write(bytes) == bytes.size() && file.commit();
}
