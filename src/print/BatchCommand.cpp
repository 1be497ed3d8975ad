#include "print/BatchCommand.h"

#include "core/StreamAsker.h"
#include "exchange/ImportRun.h"
#include "exchange/SheetReader.h"
#include "print/BatchPrint.h"
#include "print/CommandSetup.h"
#include "print/JobProgress.h"
#include "print/LabelSheet.h"
#include "print/PrintJob.h"
#include "print/PrintTexts.h"
#include "print/RowBill.h"
#include "records/HistoryQueries.h"
#include "store/Bill.h"
#include "store/Database.h"
#include "store/FormatHold.h"
#include "store/StoreOpening.h"

#include <QElapsedTimer>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextStream>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kUsageError = 2;
constexpr int kFailure = 1;

const QString kUsage = QStringLiteral(
    "用法: print FORMAT (--data FILE [--sheet NAME] [--rows A-B] | --bills 3,5-9) "
    "[--labels COLSxROWS [--sheet-size WxH]] (--pdf FILE | --printer NAME) [--copies N] "
    "[--no-history]");

struct BatchArgs {
    QString format, data, sheet, pdf, printer;
    std::optional<QString> rowStart, rowEnd;
    QList<qint64> bills;
    std::optional<LabelSheetSpec> labels;
    bool sheetSize = false;
    int copies = 1;
    bool history = true;
};

// "a-b" or "a,b" with a separator `sep`: the two numbers; nullopt when malformed.
std::optional<QPair<double, double>> NumberPair(const QString& text, const QString& separators) {
    const QStringList parts = text.split(QRegularExpression(QStringLiteral("[%1]").arg(separators)));
    if (parts.size() != 2) return std::nullopt;
    bool ok1 = false, ok2 = false;
    const double a = parts[0].trimmed().toDouble(&ok1);
    const double b = parts[1].trimmed().toDouble(&ok2);
    if (!ok1 || !ok2) return std::nullopt;
    return QPair<double, double>{a, b};
}

// "3,5-9": the bill numbers in order; empty when malformed.
QList<qint64> BillNumbers(const QString& text) {
    QList<qint64> numbers;
    constexpr qint64 kMostBills = 1'000'000;
    for (const QString& part : text.split(u',')) {
        const qsizetype dash = part.indexOf(u'-', 1);
        bool ok1 = false, ok2 = true;
        const qint64 first = part.left(dash < 0 ? part.size() : dash).trimmed().toLongLong(&ok1);
        const qint64 last = dash < 0 ? first : part.mid(dash + 1).trimmed().toLongLong(&ok2);
        if (!ok1 || !ok2 || first < 1 || last < first || numbers.size() + (last - first) > kMostBills)
            return {};
        for (qint64 number = first; number <= last; ++number) numbers << number;
    }
    return numbers;
}

QString ParseValue(const QString& option, const QString& value, BatchArgs& parsed) {
    if (option == u"--data") {
        parsed.data = value;
    } else if (option == u"--sheet") {
        parsed.sheet = value;
    } else if (option == u"--pdf") {
        parsed.pdf = value;
    } else if (option == u"--printer") {
        parsed.printer = value;
    } else if (option == u"--rows") {
        const qsizetype dash = value.indexOf(u'-', 1);
        if (dash < 0) return QStringLiteral("--rows 的格式应为 开始-截止: %1").arg(value);
        parsed.rowStart = value.left(dash);
        parsed.rowEnd = value.mid(dash + 1);
    } else if (option == u"--bills") {
        parsed.bills = BillNumbers(value);
        if (parsed.bills.isEmpty()) return QStringLiteral("--bills 的格式应为 3,5-9: %1").arg(value);
    } else if (option == u"--labels") {
        const auto pair = NumberPair(value, QStringLiteral("xX×"));
        LabelSheetSpec spec = parsed.labels.value_or(LabelSheetSpec{});
        if (pair) spec.columns = int(pair->first), spec.rows = int(pair->second);
        if (!pair || !spec.Valid())
            return QStringLiteral("--labels 应为 列数x行数（1-200 列，1-100 行）: %1").arg(value);
        parsed.labels = spec;
    } else if (option == u"--sheet-size") {
        const auto pair = NumberPair(value, QStringLiteral("xX×"));
        if (!pair || pair->first <= 0 || pair->second <= 0)
            return QStringLiteral("--sheet-size 应为 宽x高（毫米）: %1").arg(value);
        LabelSheetSpec spec = parsed.labels.value_or(LabelSheetSpec{});
        spec.widthMm = pair->first;
        spec.heightMm = pair->second;
        parsed.labels = spec;
        parsed.sheetSize = true;
    } else if (option == u"--copies") {
        bool ok = false;
        parsed.copies = value.toInt(&ok);
        if (!ok || parsed.copies < 1 || parsed.copies > kMaxCopies) return PrintText::CopiesOutOfRange(value);
    } else {
        return QStringLiteral("未知参数: %1").arg(option);
    }
    return {};
}

// Empty error when the arguments are well formed.
QString Parse(const QStringList& args, BatchArgs& parsed) {
    bool labels = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == u"--no-history") {
            parsed.history = false;
        } else if (arg.startsWith(u"--")) {
            if (i + 1 >= args.size()) return QStringLiteral("%1 需要一个值").arg(arg);
            if (arg == u"--labels") labels = true;
            if (const QString error = ParseValue(arg, args.at(++i), parsed); !error.isEmpty()) return error;
        } else if (parsed.format.isEmpty()) {
            parsed.format = arg;
        } else {
            return QStringLiteral("未知参数: %1").arg(arg);
        }
    }
    if (parsed.format.isEmpty()) return QStringLiteral("缺少格式名称");
    if (parsed.data.isEmpty() == parsed.bills.isEmpty()) return QStringLiteral("请指定 --data 或 --bills 之一");
    if (parsed.sheetSize && !labels) return QStringLiteral("--sheet-size 只能与 --labels 一起使用");
    if (!labels) parsed.labels.reset();
    if (parsed.pdf.isEmpty() == parsed.printer.isEmpty()) return QStringLiteral("请指定 --pdf 或 --printer 之一");
    return {};
}

// "正在打印单据…… 120/300" on one line of a terminal, rewritten a few times a second.
class TerminalProgress final : public JobProgress {
public:
    void Start(const QString& caption, int steps) override {
        caption_ = caption;
        steps_ = steps;
        done_ = 0;
        shown_.start();
        Show();
    }
    void Step() override {
        ++done_;
        if (shown_.elapsed() >= 200 || done_ == steps_) Show();
    }
    void Close() override { std::fputs("\n", stderr); }
    bool CancelRequested() const override { return false; }

private:
    void Show() {
        shown_.restart();
        std::fprintf(stderr, "\r%s %d/%d", caption_.toLocal8Bit().constData(), done_, steps_);
        std::fflush(stderr);
    }
    QString caption_;
    int steps_ = 0, done_ = 0;
    QElapsedTimer shown_;
};

std::unique_ptr<JobProgress> ProgressForStderr() {
    if (isatty(fileno(stderr))) return std::make_unique<TerminalProgress>();
    return std::make_unique<SilentJobProgress>();
}

// The file's records through the format's stored mapping; nullopt after saying why.
std::optional<BillData> ReadRecords(Database& db, const BatchArgs& args, const Format& format,
                                    const QString& lineBreak, QTextStream& err) {
    QString error;
    const std::unique_ptr<SheetReader> reader = OpenSheetFile(args.data, &error);
    const QString sheet = args.sheet.isEmpty() && reader ? reader->SheetNames().value(0) : args.sheet;
    if (!reader || !reader->SelectSheet(sheet, &error)) {
        err << error << Qt::endl;
        return std::nullopt;
    }
    ImportRequest request;
    request.formatName = format.name;
    request.boxes = MappedBoxes(format, LoadMapping(db, format.name));
    request.settings = ReadRowSettings();
    request.settings.start = args.rowStart.value_or(request.settings.start);
    request.settings.end = args.rowEnd.value_or(request.settings.end);
    request.store = false;
    SilentProgress progress;
    std::optional<BillData> data = RunImport(db, *reader, request, lineBreak, progress, &error);
    for (const QString& warning : reader->Warnings()) err << warning << Qt::endl;
    if (!data) err << error << Qt::endl;
    return data;
}

int PrintBatchFromStore(Database& db, const BatchArgs& args, QTextStream& out, QTextStream& err) {
    // Held before the format and its mapping are read, so the rows are read through
    // the very format that prints them.
    const FormatHold hold(db, args.format, FormatHold::Purpose::Print);
    const std::optional<CommandFormat> loaded = LoadCommandFormat(db, args.format, err);
    if (!loaded) return kFailure;
    const Format& format = loaded->format;

    std::optional<BillData> data;
    std::optional<RowLoader> rows;
    BatchSource source;
    if (!args.data.isEmpty()) {
        data = ReadRecords(db, args, format, loaded->filling.lineBreakMarker, err);
        if (!data) return kFailure;
        rows.emplace(format, data->columns, RowFilling{loaded->filling, EntryAidsAfterRow(db, loaded->filling)});
        source.count = int(data->rows.size());
        source.load = [&](int index, Bill& bill, QString*) {
            bill = rows->LoadRowAsTyped(data->rows[index].values);
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
        return kFailure;
    }

    QPrinter printer(QPrinter::HighResolution);
    if (!UseCommandOutput(printer, args.pdf, args.printer, err)) return kFailure;
    StreamAsker asker(err);
    PrintJob job(printer, asker);
    BatchOptions options;
    options.copies = args.copies;
    options.page.canvasWidthTwips = loaded->canvasWidthTwips;
    options.page.roundingMethod = loaded->filling.settings.roundingMethod;
    const std::unique_ptr<JobProgress> progress = ProgressForStderr();
    BatchResult result;
    if (args.labels) {
        options.caption = PrintText::kPrintingLabels;
        result = PrintLabelSheets(job, format, *args.labels, source, options, *progress, asker);
    } else {
        options.caption = PrintText::kPrintingBills;
        // Reprinted bills are in history already.
        options.history = args.history && !args.data.isEmpty() ? &db : nullptr;
        result = PrintBatch(job, format, source, options, *progress, asker);
    }
    // A job that never went out printed nothing: no count is claimed.
    if (result.ended)
        out << QStringLiteral("已打印 %1 张单据，共 %2 页").arg(result.printed).arg(job.PagesPrinted())
            << Qt::endl;
    return result.Complete(source.count * (args.labels ? options.copies : 1)) ? 0 : kFailure;
}

} // namespace

bool IsBatchPrint(const QStringList& args) {
    return args.contains(QStringLiteral("--data")) || args.contains(QStringLiteral("--bills"));
}

int RunBatchPrintCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    BatchArgs parsed;
    if (const QString error = Parse(args, parsed); !error.isEmpty()) {
        err << error << Qt::endl << kUsage << Qt::endl;
        return kUsageError;
    }
    const std::unique_ptr<Database> db = OpenStoreForCommand(err);
    if (!db) return kFailure;
    return FinishStoreCommand(*db, PrintBatchFromStore(*db, parsed, out, err), err);
}
