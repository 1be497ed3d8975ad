// Printing speed: pages per second of a 60-box bill printed to PDF, one bill printed
// by the print sub-command from opening the database to the finished file, and the
// repair of a PDF file's text layer alone.
#include "core/StreamAsker.h"
#include "print/BillPage.h"
#include "print/PdfTextLayer.h"
#include "cli/PrintCommand.h"
#include "print/PrintJob.h"
#include "print/PrinterChoice.h"
#include "store/Bill.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/Format.h"
#include "store/FormatStore.h"
#include "core/Progress.h"
#include "store/Schema.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>

namespace {

// 60 boxes as a busy bill has them: text of several data types, check boxes,
// lines and labels.
Format SixtyBoxBill(Bill& bill) {
    Format format;
    format.name = QStringLiteral("基准");
    format.page.width = 210;
    format.page.height = 297;
    const double types[] = {0, 103, 104, 111, 11, 311, 208, 109};
    qint64 id = 1;
    for (int i = 0; i < 60; ++i, ++id) {
        BoxRecord box;
        box.id = id;
        box.x = 10 + (i % 3) * 65;
        box.y = 10 + (i / 3) * 13;
        box.w = 60;
        box.h = 10;
        box.fontName = QStringLiteral("宋体");
        box.fontSize = 12;
        box.label = QStringLiteral("框%1").arg(i);
        if (i < 40) {
            box.kind = BoxKind::Text;
            box.cash = types[i % 8];
            bill.SetValue(id, i % 8 == 1 ? QStringLiteral("壹仟贰佰叁拾肆元伍角整")
                                         : QStringLiteral("1234.5 付款单位名称"));
        } else if (i < 50) {
            box.kind = BoxKind::Check;
            bill.SetValue(id, QStringLiteral("1"));
        } else if (i < 55) {
            box.kind = BoxKind::Line;
            box.w = box.x + 60;
            box.h = box.y;
        } else {
            box.kind = BoxKind::Label;
        }
        format.boxes << box;
    }
    return format;
}

void PagesToPdf(benchmark::State& state) {
    QTemporaryDir dir;
    Bill bill;
    const Format format = SixtyBoxBill(bill);
    QString sink;
    QTextStream messages(&sink);
    StreamAsker asker(messages);
    const int pages = int(state.range(0));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        UsePdfFile(printer, dir.filePath(QStringLiteral("bench.pdf")));
        PrintJob job(printer, asker);
        BillPrintRequest request;
        request.copies = pages;
        benchmark::DoNotOptimize(job.PrintBill(format, bill, request));
    }
    state.SetItemsProcessed(state.iterations() * pages);
    state.counters["pages_per_second"] =
        benchmark::Counter(double(state.iterations() * pages), benchmark::Counter::kIsRate);
}
BENCHMARK(PagesToPdf)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

void PrintCommandToPdf(benchmark::State& state) {
    QTemporaryDir dir;
    DataFolder::SetOverride(dir.path());
    {
        std::unique_ptr<Database> db = OpenDataDatabase();
        Bill unused;
        Format format = SixtyBoxBill(unused);
        for (BoxRecord& box : format.boxes) box.id += kFirstTemporaryId;
        SilentProgress progress;
        FormatStore(*db).SaveFormat(format, format.name, 15360, progress);
    }
    const QStringList args = {QStringLiteral("基准"), "--set", QStringLiteral("框0=收款单位"),
                              "--set", QStringLiteral("框4=1234.5"), "--pdf",
                              dir.filePath(QStringLiteral("command.pdf"))};
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    for (auto _ : state) {
        if (RunPrintCommand(args, outStream, errStream) != 0) {
            state.SkipWithError(err.toUtf8().constData());
            break;
        }
    }
    DataFolder::SetOverride(QString());
}
BENCHMARK(PrintCommandToPdf)->Unit(benchmark::kMillisecond);

// A file of `pages` pages of the bill as Qt's writer leaves it, then its text layer
// repaired in memory.
void RepairTextLayer(benchmark::State& state) {
    QTemporaryDir dir;
    Bill bill;
    const Format format = SixtyBoxBill(bill);
    const QString path = dir.filePath(QStringLiteral("raw.pdf"));
    {
        // Straight to the file, without the staging and repair a print job adds.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        QPainter painter(&printer);
        for (int page = 0; page < state.range(0); ++page) {
            if (page > 0) printer.newPage();
            PrintPage(painter, format, bill, BillPageOptions());
        }
    }
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray pdf = file.readAll();
    for (auto _ : state) {
        const std::optional<QByteArray> repaired = WithReadableText(pdf);
        if (!repaired) {
            state.SkipWithError("nothing to repair");
            break;
        }
        benchmark::DoNotOptimize(repaired->size());
    }
    state.SetBytesProcessed(state.iterations() * pdf.size());
}
BENCHMARK(RepairTextLayer)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
