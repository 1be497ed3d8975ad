#include "cli/CommandArgs.h"

#include "cli/CliTexts.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>

std::optional<CommandArgs> CommandArgs::Read(const QStringList& args, const QList<CommandOption>& options,
                                             QString* problem) {
    CommandArgs read;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (!arg.startsWith(QLatin1String("--"))) {
            read.positional_ << arg;
            continue;
        }
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&](const CommandOption& known) { return known.name == arg; });
        if (option == options.end()) {
            *problem = CliText::UnknownArgument(arg);
            return std::nullopt;
        }
        if (!option->takesValue) {
            read.given_.append({arg, QString()});
        } else if (i + 1 < args.size()) {
            read.given_.append({arg, args.at(++i)});
        } else {
            *problem = CliText::NeedsValue(arg);
            return std::nullopt;
        }
    }
    return read;
}

bool CommandArgs::Has(const QString& option) const {
    return std::any_of(given_.begin(), given_.end(), [&](const auto& given) { return given.first == option; });
}

QString CommandArgs::Value(const QString& option) const { return OptionalValue(option).value_or(QString()); }

std::optional<QString> CommandArgs::OptionalValue(const QString& option) const {
    for (auto given = given_.rbegin(); given != given_.rend(); ++given)
        if (given->first == option) return given->second;
    return std::nullopt;
}

QStringList CommandArgs::Values(const QString& option) const {
    QStringList values;
    for (const auto& [name, value] : given_)
        if (name == option) values << value;
    return values;
}

std::optional<qint64> ReadWholeNumber(const QString& text, qint64 least, qint64 most) {
    static const QRegularExpression kDigits(QStringLiteral("^\\d{1,15}$"));
    const QString trimmed = text.trimmed();
    if (!kDigits.match(trimmed).hasMatch()) return std::nullopt;
    const qint64 number = trimmed.toLongLong();
    if (number < least || number > most) return std::nullopt;
    return number;
}

std::optional<RowSpan> ReadRowSpan(const QString& text) {
    const QStringList parts = text.split(u'-');
    if (parts.size() != 2) return std::nullopt;
    constexpr qint64 kMostRow = 1'000'000'000;
    const std::optional<qint64> first = ReadWholeNumber(parts[0], 1, kMostRow);
    const std::optional<qint64> last = ReadWholeNumber(parts[1], 1, kMostRow);
    if (!first || !last) return std::nullopt;
    return RowSpan{int(*first), int(*last)};
}

std::optional<QList<qint64>> ReadNumberList(const QString& text, qint64 most) {
    QList<qint64> numbers;
    for (const QString& part : text.split(u',')) {
        const QStringList ends = part.split(u'-');
        if (ends.size() > 2) return std::nullopt;
        const std::optional<qint64> first = ReadWholeNumber(ends.first(), 1, std::numeric_limits<qint64>::max());
        const std::optional<qint64> last = ReadWholeNumber(ends.last(), 1, std::numeric_limits<qint64>::max());
        if (!first || !last || *last < *first || numbers.size() + (*last - *first) >= most) return std::nullopt;
        for (qint64 number = *first; number <= *last; ++number) numbers << number;
    }
    return numbers;
}

namespace {
// The two halves of "AxB"; empty when there are not two.
QStringList Halves(const QString& text) {
    static const QRegularExpression kTimes(QStringLiteral("[xX×]"));
    const QStringList parts = text.split(kTimes);
    return parts.size() == 2 ? parts : QStringList();
}
} // namespace

std::optional<QPair<int, int>> ReadGrid(const QString& text) {
    const QStringList parts = Halves(text);
    if (parts.isEmpty()) return std::nullopt;
    constexpr qint64 kMost = 1'000'000;
    const std::optional<qint64> columns = ReadWholeNumber(parts[0], 1, kMost);
    const std::optional<qint64> rows = ReadWholeNumber(parts[1], 1, kMost);
    if (!columns || !rows) return std::nullopt;
    return QPair<int, int>{int(*columns), int(*rows)};
}

std::optional<QSizeF> ReadSizeMm(const QString& text) {
    const QStringList parts = Halves(text);
    if (parts.isEmpty()) return std::nullopt;
    constexpr double kMostMm = 100'000;
    bool widthOk = false, heightOk = false;
    const double width = parts[0].trimmed().toDouble(&widthOk);
    const double height = parts[1].trimmed().toDouble(&heightOk);
    if (!widthOk || !heightOk || !(width > 0 && width <= kMostMm) || !(height > 0 && height <= kMostMm))
        return std::nullopt;
    return QSizeF(width, height);
}

std::optional<QPair<QString, QString>> ReadAssignment(const QString& text) {
    const qsizetype equals = text.indexOf(u'=');
    if (equals <= 0) return std::nullopt;
    return QPair<QString, QString>{text.left(equals), text.mid(equals + 1)};
}

std::optional<QList<double>> ReadDecimals(const QString& text, int count) {
    const QStringList parts = text.split(u',');
    if (parts.size() != count) return std::nullopt;
    QList<double> numbers;
    for (const QString& part : parts) {
        bool ok = false;
        const double number = part.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(number)) return std::nullopt;
        numbers << number;
    }
    return numbers;
}
