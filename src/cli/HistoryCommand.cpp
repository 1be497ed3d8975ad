#include "cli/HistoryCommand.h"

#include "cli/CliTexts.h"
#include "cli/CommandArgs.h"
#include "cli/CommandStart.h"
#include "core/Progress.h"
#include "records/ColumnOrder.h"
#include "records/History.h"
#include "records/HistoryCsv.h"
#include "records/RecordsTexts.h"
#include "store/Database.h"
#include "store/ParamStore.h"

#include <QSet>
#include <QTextStream>
#include <limits>

namespace {

const QString kLimit = QStringLiteral("--limit"), kCsv = QStringLiteral("--csv"),
              kDelete = QStringLiteral("--delete");
const QString kUsage = QStringLiteral("history 格式 [--limit 张数] [--csv] | history 格式 --delete 3,5-9");

struct HistoryArgs {
    QString format;
    qint64 limit = 0;
    bool csv = false;
    QList<qint64> deleted; // --delete: the bills to remove instead of listing
};

// Empty when the arguments are well formed.
QString Parse(const QStringList& args, HistoryArgs& parsed) {
    QString problem;
    const std::optional<CommandArgs> read =
        CommandArgs::Read(args, {{kLimit, true}, {kCsv}, {kDelete, true}}, &problem);
    if (!read) return problem;
    if (read->Positional().size() != 1) return CliText::kFormatNameMissing;
    parsed.format = read->Positional().first();
    parsed.csv = read->Has(kCsv);
    if (const std::optional<QString> limit = read->OptionalValue(kLimit)) {
        const std::optional<qint64> number = ReadWholeNumber(*limit, 1, std::numeric_limits<qint64>::max());
        if (!number) return CliText::BadValue(kLimit, *limit, CliText::kExpectPositive);
        parsed.limit = *number;
    }
    if (const std::optional<QString> bills = read->OptionalValue(kDelete)) {
        constexpr qint64 kMostBills = 1'000'000;
        const std::optional<QList<qint64>> numbers = ReadNumberList(*bills, kMostBills);
        if (!numbers) return CliText::BadValue(kDelete, *bills, CliText::kExpectNumberList);
        if (parsed.csv || parsed.limit > 0) return CliText::kDeleteAlone;
        parsed.deleted = *numbers;
    }
    return {};
}

QList<QStringList> Table(const QList<HistoryColumn>& columns, const QList<HistoryRow>& rows) {
    QList<QStringList> table{HistoryHeader(columns)};
    for (const HistoryRow& row : rows) table << (QStringList{QString::number(row.bill)} + row.cells);
    return table;
}

// Columns padded to their widest cell; a line break in a value shows as the user's
// line-break marker, so the value can be typed back the same way.
void WriteAligned(QList<QStringList> table, QTextStream& out) {
    const QString marker = ReadSetting(QStringLiteral("QMX"), QStringLiteral("Para"),
                                       QStringLiteral("CrlfChr"), QStringLiteral("//"));
    QList<int> widths;
    for (QStringList& line : table)
        for (qsizetype c = 0; c < line.size(); ++c) {
            line[c] = OnOneLine(line[c], marker);
            if (widths.size() <= c) widths << 0;
            widths[c] = std::max(widths[c], DisplayWidth(line[c]));
        }
    for (const QStringList& line : table) {
        QString text;
        for (qsizetype c = 0; c < line.size(); ++c) {
            text += line[c];
            if (c + 1 < line.size())
                text += QString(widths[c] - DisplayWidth(line[c]) + 2, QLatin1Char(' '));
        }
        out << text << '\n';
    }
}

} // namespace

int DisplayWidth(const QString& text) {
    int width = 0;
    for (char32_t c : text.toUcs4()) {
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF)
                          || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF)
                          || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
                          || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
        width += wide ? 2 : 1;
    }
    return width;
}

namespace {

// The history reader does not tell a damaged file from other failures; the whole-file
// check does, and marks the store damaged so that the way back is offered.
int ReadFailed(Database& db, QTextStream& err) {
    if (!db.Damaged()) db.CheckIntegrity();
    if (!db.Damaged()) err << CliText::kHistoryReadFailed << Qt::endl;
    return ExitCode::kFailed;
}

int ListBills(Database& db, const HistoryArgs& parsed, QTextStream& out, QTextStream& err) {
    ParamStore params(db);
    const QList<HistoryColumn> columns = HistoryColumns(db, params, parsed.format);
    // CSV is written as it is read; aligned text needs every width first.
    if (parsed.csv) {
        const bool failed = WriteHistoryCsv(db, parsed.format, columns, {0, parsed.limit}, out).failed;
        out.flush();
        return failed ? ReadFailed(db, err) : ExitCode::kDone;
    }
    SilentProgress progress;
    const HistoryPage page = ReadHistory(db, parsed.format, columns, {0, parsed.limit}, progress);
    if (page.failed) return ReadFailed(db, err);
    WriteAligned(Table(columns, page.rows), out);
    out.flush();
    return ExitCode::kDone;
}

// All or nothing: a number that names no bill (a slip of the finger) deletes none.
int DeleteListedBills(Database& db, const HistoryArgs& parsed, QTextStream& out, QTextStream& err) {
    SilentProgress progress;
    const HistoryPage page = ReadHistory(db, parsed.format, {}, {}, progress);
    if (page.failed) return ReadFailed(db, err);
    QSet<qint64> stored;
    for (const HistoryRow& row : page.rows) stored.insert(row.bill);
    QStringList missing;
    for (qint64 number : parsed.deleted)
        if (!stored.contains(number)) missing << QString::number(number);
    if (!missing.isEmpty()) {
        err << CliText::NoSuchBills(missing) << Qt::endl;
        return ExitCode::kFailed;
    }
    if (!DeleteBills(db, parsed.format, parsed.deleted)) {
        err << RecordsText::kHistoryDeleteFailed << Qt::endl;
        return ExitCode::kFailed;
    }
    out << CliText::BillsDeleted(int(parsed.deleted.size())) << Qt::endl;
    return ExitCode::kDone;
}

} // namespace

int RunHistoryCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    HistoryArgs parsed;
    if (const QString problem = Parse(args, parsed); !problem.isEmpty()) return UsageError(err, problem, kUsage);
    return RunWithStore(err, [&](Database& db) {
        if (!FormatExists(db, parsed.format, err)) return ExitCode::kFailed;
        return parsed.deleted.isEmpty() ? ListBills(db, parsed, out, err) : DeleteListedBills(db, parsed, out, err);
    });
}

SubCommand HistorySubCommand() {
    return {QStringLiteral("history"), kUsage,
            QStringLiteral("列出历史单据，最新的在前（--csv 以CSV输出）；--delete 删除这些编号的单据"),
            SubCommand::Needs::Core, RunHistoryCommand};
}
