#include "print/PrintCommand.h"

#include "aids/AidContext.h"
#include "aids/FillAsTyped.h"
#include "document/FormatDocument.h"
#include "print/BatchCommand.h"
#include "print/CommandSetup.h"
#include "print/PrintJob.h"
#include "print/PrintTexts.h"
#include "records/JobHistory.h"
#include "records/RecordsTexts.h"
#include "core/StreamAsker.h"
#include "store/Bill.h"
#include "store/Database.h"
#include "store/FormatHold.h"
#include "store/StoreOpening.h"

#include <QList>
#include <QPair>
#include <QPrinter>
#include <QTextStream>
#include <memory>

namespace {

constexpr int kUsageError = 2;
constexpr int kFailure = 1;

const QString kUsage = QStringLiteral(
    "用法: print FORMAT [--set LABEL=VALUE]... (--pdf FILE | --printer NAME) [--copies N] "
    "[--fill-dates] [--no-history]");

struct PrintArgs {
    QString format;
    QList<LabelValue> values;
    QString pdf, printer;
    int copies = 1;
    bool history = true;
    bool fillDates = false;
};

// Empty error when the arguments are well formed.
QString Parse(const QStringList& args, PrintArgs& parsed) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (arg == u"--no-history") {
            parsed.history = false;
            continue;
        }
        if (arg == u"--fill-dates") {
            parsed.fillDates = true;
            continue;
        }
        if (arg == u"--set" || arg == u"--pdf" || arg == u"--printer" || arg == u"--copies") {
            if (!hasValue) return QStringLiteral("%1 需要一个值").arg(arg);
            const QString value = args.at(++i);
            if (arg == u"--set") {
                const qsizetype equals = value.indexOf(u'=');
                if (equals <= 0) return QStringLiteral("--set 的格式应为 LABEL=VALUE: %1").arg(value);
                parsed.values.append({value.left(equals), value.mid(equals + 1)});
            } else if (arg == u"--pdf") {
                parsed.pdf = value;
            } else if (arg == u"--printer") {
                parsed.printer = value;
            } else {
                bool ok = false;
                parsed.copies = value.toInt(&ok);
                if (!ok || parsed.copies < 1 || parsed.copies > kMaxCopies)
                    return PrintText::CopiesOutOfRange(value);
            }
        } else if (arg.startsWith(u"--") || !parsed.format.isEmpty()) {
            return QStringLiteral("未知参数: %1").arg(arg);
        } else {
            parsed.format = arg;
        }
    }
    if (parsed.format.isEmpty()) return QStringLiteral("缺少格式名称");
    if (parsed.pdf.isEmpty() == parsed.printer.isEmpty())
        return QStringLiteral("请指定 --pdf 或 --printer 之一");
    return {};
}

int PrintFromStore(Database& db, const PrintArgs& parsed, QTextStream& out, QTextStream& err) {
    const FormatHold hold(db, parsed.format, FormatHold::Purpose::Print);
    const std::optional<CommandFormat> loaded = LoadCommandFormat(db, parsed.format, err);
    if (!loaded) return kFailure;
    // The bill is filled as a user types it: empty boxes with their automatic values,
    // then each value in turn with the aids (rings, sums, linked bills) after it.
    StreamAsker asker(err);
    FormatDocument document;
    document.Open(loaded->format);
    const AidContext aids{&db, loaded->filling, {}, &asker};
    StartBillAsTyped(document, aids, parsed.fillDates);
    if (const QStringList missing = FillAsTyped(document, parsed.values, aids); !missing.isEmpty()) {
        err << QStringLiteral("格式中没有标签为“%1”的内容框").arg(missing.first()) << Qt::endl;
        return kUsageError;
    }
    const Format& filledFormat = document.GetFormat();
    const Bill& bill = document.GetBill();

    QPrinter printer(QPrinter::HighResolution);
    if (!UseCommandOutput(printer, parsed.pdf, parsed.printer, err)) return kFailure;
    PrintJob job(printer, asker);
    // Like the window's print command, a printed bill is kept in history, as the
    // output is published.
    JobHistory history(db, hold.Identity());
    if (parsed.history) {
        history.Add(filledFormat, bill);
        job.PublishWith(&history);
    }
    BillPrintRequest request;
    request.copies = parsed.copies;
    request.page.canvasWidthTwips = loaded->canvasWidthTwips;
    request.page.roundingMethod = loaded->filling.settings.roundingMethod;
    if (!job.PrintBill(filledFormat, bill, request)) return kFailure;
    out << QStringLiteral("已打印 %1 页").arg(job.PagesPrinted()) << Qt::endl;
    if (parsed.history && history.CommittedNumbers().isEmpty()) {
        err << RecordsText::kHistorySaveFailed << Qt::endl;
        return kFailure;
    }
    return 0;
}

} // namespace

int RunPrintCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (IsBatchPrint(args)) return RunBatchPrintCommand(args, out, err);
    PrintArgs parsed;
    if (const QString error = Parse(args, parsed); !error.isEmpty()) {
        err << error << Qt::endl << kUsage << Qt::endl;
        return kUsageError;
    }

    const std::unique_ptr<Database> db = OpenStoreForCommand(err);
    if (!db) return kFailure;
    return FinishStoreCommand(*db, PrintFromStore(*db, parsed, out, err), err);
}
