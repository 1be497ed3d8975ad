#include "cli/BatchCommand.h"

#include "aids/AidContext.h"
#include "cli/CliTexts.h"
#include "cli/CommandImport.h"
#include "cli/CommandSetup.h"
#include "cli/CommandStart.h"
#include "cli/TerminalProgress.h"
#include "core/StreamAsker.h"
#include "exchange/HeaderMapping.h"
#include "exchange/SheetReader.h"
#include "print/BatchPrint.h"
#include "print/LabelSheet.h"
#include "print/PrintJob.h"
#include "print/PrintTexts.h"
#include "print/RowBill.h"
#include "records/HistoryQueries.h"
#include "store/Bill.h"
#include "store/Database.h"
#include "store/FormatHold.h"

#include <QTextStream>

namespace {

const QString kData = QStringLiteral("--data"), kSheet = QStringLiteral("--sheet"), kRows = QStringLiteral("--rows"),
              kBills = QStringLiteral("--bills"), kLabels = QStringLiteral("--labels"),
              kSheetSize = QStringLiteral("--sheet-size"), kNoHistory = QStringLiteral("--no-history");

const QString kUsage = QStringLiteral("print 格式 (--data 文件 [--sheet 工作表] [--rows 开始-截止] | --bills 3,5-9) "
                                      "[--labels 列数x行数 [--sheet-size 宽x高]] [--no-history] ")
                       + CliText::kOutputUsage;

struct BatchArgs {
    QString format, data, sheet;
    std::optional<RowSpan> rows;
    QList<qint64> bills;
    std::optional<LabelSheetSpec> labels;
    PrintTarget target;
    bool history = true;
};

QString ReadLabels(const CommandArgs& read, BatchArgs& parsed) {
    const std::optional<QString> grid = read.OptionalValue(kLabels);
    const std::optional<QString> size = read.OptionalValue(kSheetSize);
    if (!grid) return size ? QStringLiteral("--sheet-size 只能与 --labels 一起使用") : QString();
    LabelSheetSpec spec;
    const auto cells = ReadGrid(*grid);
    if (cells) spec.columns = cells->first, spec.rows = cells->second;
    if (!cells || !spec.Valid()) return CliText::BadValue(kLabels, *grid, CliText::kExpectGrid);
    if (size) {
        const std::optional<QSizeF> mm = ReadSizeMm(*size);
        if (!mm) return CliText::BadValue(kSheetSize, *size, CliText::kExpectSize);
        spec.widthMm = mm->width();
        spec.heightMm = mm->height();
    }
    parsed.labels = spec;
    return {};
}

// Empty when the arguments are well formed.
QString Parse(const QStringList& args, BatchArgs& parsed) {
    QString problem;
    const std::optional<CommandArgs> read = CommandArgs::Read(
        args,
        OutputOptions() + QList<CommandOption>{{kData, true}, {kSheet, true}, {kRows, true}, {kBills, true},
                                               {kLabels, true}, {kSheetSize, true}, {kNoHistory}},
        &problem);
    if (!read) return problem;
    if (read->Positional().size() != 1) return CliText::kFormatNameMissing;
    parsed.format = read->Positional().first();
    parsed.data = read->Value(kData);
    parsed.sheet = read->Value(kSheet);
    parsed.history = !read->Has(kNoHistory);
    if (const std::optional<QString> rows = read->OptionalValue(kRows)) {
        parsed.rows = ReadRowSpan(*rows);
        if (!parsed.rows) return CliText::BadValue(kRows, *rows, CliText::kExpectRows);
    }
    if (const std::optional<QString> bills = read->OptionalValue(kBills)) {
        constexpr qint64 kMostBills = 1'000'000;
        const std::optional<QList<qint64>> numbers = ReadNumberList(*bills, kMostBills);
        if (!numbers) return CliText::BadValue(kBills, *bills, CliText::kExpectNumberList);
        parsed.bills = *numbers;
    }
    if (parsed.data.isEmpty() == parsed.bills.isEmpty()) return QStringLiteral("请指定 --data 或 --bills 之一");
    if (const QString labels = ReadLabels(*read, parsed); !labels.isEmpty()) return labels;
    const std::optional<PrintTarget> target = ReadPrintTarget(*read, &problem);
    if (!target) return problem;
    parsed.target = *target;
    return {};
}

// The boxes the file's columns go to: the stored mapping, else the labels heading the
// file's columns (the heading row then is no bill); nullopt after saying how to set one.
std::optional<QList<MappedBox>> BoxesForFile(Database& db, const Format& format, const SheetReader& sheet,
                                             RowSettings& settings, QTextStream& err) {
    QList<MappedBox> boxes = MappedBoxes(format, LoadMapping(db, format.name));
    if (HasMapping(boxes)) return boxes;
    if (!MapByHeaderRow(sheet, boxes)) {
        err << CliText::NoMapping(format.name) << Qt::endl;
        return std::nullopt;
    }
    if (const std::optional<ImportRange> range = CheckRange(settings); range && range->start <= 1)
        settings.start = QStringLiteral("2");
    return boxes;
}

// The file's records through the format's mapping; nullopt after saying why.
std::optional<BillData> ReadRecords(Database& db, const BatchArgs& args, const Format& format,
                                    const QString& lineBreak, QTextStream& err) {
    ImportRequest request;
    request.formatName = format.name;
    request.settings = ReadRowSettings();
    if (args.rows) {
        request.settings.start = QString::number(args.rows->first);
        request.settings.end = QString::number(args.rows->last);
    }
    const std::unique_ptr<SheetReader> reader =
        OpenSheetForCommand(args.data, args.sheet, LastRowWanted(request.settings), err);
    if (!reader) return std::nullopt;
    std::optional<QList<MappedBox>> boxes = BoxesForFile(db, format, *reader, request.settings, err);
    if (!boxes) return std::nullopt;
    request.boxes = std::move(*boxes);
    request.store = false;
    return ImportForCommand(db, *reader, request, lineBreak, err);
}

int PrintBatchFromStore(Database& db, const BatchArgs& args, QTextStream& out, QTextStream& err) {
    // Held before the format and its mapping are read, so the rows are read through
    // the very format that prints them.
    const FormatHold hold(db, args.format, FormatHold::Purpose::Print);
    std::optional<CommandFormat> loaded = LoadCommandFormat(db, args.format, err);
    if (!loaded) return ExitCode::kFailed;
    Format& format = loaded->format;

    std::optional<BillData> data;
    std::optional<RowLoader> rows;
    Bill opened; // the rows enter the bill the window shows when the format is opened
    BatchSource source;
    if (!args.data.isEmpty()) {
        data = ReadRecords(db, args, format, loaded->filling.lineBreakMarker, err);
        if (!data) return ExitCode::kFailed;
        rows.emplace(format, data->columns, RowFilling{loaded->filling, &db});
        opened = OpenedBill(format, {&db, loaded->filling, {}, nullptr});
        source.count = int(data->rows.size());
        source.load = [&](int index, Bill& bill, QString*) {
            bill = rows->LoadRowAsTyped(data->rows[index].values, opened);
            return true;
        };
    } else {
        source.count = int(args.bills.size());
        source.load = [&](int index, Bill& bill, QString* problem) {
            const bool read = LoadStoredBill(db, format, args.bills[index], bill, loaded->filling);
            if (read && bill.Values().isEmpty()) *problem = PrintText::kNoSuchBill;
            return read && !bill.Values().isEmpty();
        };
        source.describe = [&](int index) { return PrintText::BillName(args.bills[index]); };
    }
    if (source.count == 0) {
        err << PrintText::kNoRows << Qt::endl;
        return ExitCode::kFailed;
    }

    CommandOutput output;
    if (!output.Open(args.target, format.page, err)) return ExitCode::kFailed;
    StreamAsker asker(err);
    const std::unique_ptr<PrintJob> started = output.StartJob(asker);
    PrintJob& job = *started;
    BatchOptions options;
    options.copies = args.target.copies;
    options.page.canvasWidthTwips = loaded->canvasWidthTwips;
    options.page.roundingMethod = loaded->filling.settings.roundingMethod;
    const std::unique_ptr<JobProgress> progress = ProgressForStderr();
    BatchResult result;
    if (args.labels) {
        PageParams sheet = format.page;
        sheet.width = args.labels->widthMm;
        sheet.height = args.labels->heightMm;
        WarnWhenOffPaper(output.Device(), sheet, CliText::kLabelSheet, err);
        WarnOfHardwareMargins(output.Device(), format, *args.labels, err);
        options.caption = PrintText::kPrintingLabels;
        result = PrintLabelSheets(job, format, *args.labels, source, options, *progress, asker);
    } else {
        WarnWhenOffPaper(output.Device(), format.page, CliText::kBillPage, err);
        WarnOfHardwareMargins(output.Device(), format, err);
        options.caption = PrintText::kPrintingBills;
        // Reprinted bills are in history already.
        options.history = args.history && !args.data.isEmpty() ? &db : nullptr;
        result = PrintBatch(job, format, source, options, *progress, asker);
    }
    // Only what went out is counted: nothing for a job that never did, the strips the
    // spooler took for one that stopped part way.
    if (result.ended || result.printed > 0)
        out << QStringLiteral("已打印 %1 张单据，共 %2 页").arg(result.printed).arg(job.PagesSent()) << Qt::endl;
    return result.Complete(source.count * (args.labels ? options.copies : 1)) ? ExitCode::kDone
                                                                                : ExitCode::kFailed;
}

} // namespace

bool IsBatchPrint(const QStringList& args) { return args.contains(kData) || args.contains(kBills); }

int RunBatchPrintCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    BatchArgs parsed;
    if (const QString problem = Parse(args, parsed); !problem.isEmpty()) return UsageError(err, problem, kUsage);
    return RunWithStore(err, [&](Database& db) { return PrintBatchFromStore(db, parsed, out, err); });
}

QString BatchPrintUsage() { return kUsage; }
