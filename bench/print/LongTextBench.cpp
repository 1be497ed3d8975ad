// A long text in one box: the line breaking alone at growing lengths (it should grow
// linearly), and a whole bill with a 60 KB fixed text printed to PDF. Part of
// bench_print, whose main makes the application object.
#include "content/layout/TextTokens.h"
#include "core/StreamAsker.h"
#include "print/PrintJob.h"
#include "print/PrinterChoice.h"
#include "store/Bill.h"
#include "store/Format.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>

namespace {

QString LongText(qsizetype chars) {
    QString text;
    while (text.size() < chars) text += QStringLiteral("付款人全称Vellumark, 1,234.56元；");
    return text.left(chars);
}

void BreakLongLine(benchmark::State& state) {
    const QFontMetricsF metrics(QFont(QStringLiteral("Noto Sans CJK SC"), 10));
    const TextMeasure measure = [&](const QString& s) { return metrics.horizontalAdvance(s); };
    const QString text = LongText(state.range(0) * 1024);
    const double boxWidth = double(state.range(1)); // twips: 600 is ~1 cm, 500000 ~9 m
    for (auto _ : state) benchmark::DoNotOptimize(BreakSourceLine(text, boxWidth, 0.5, measure));
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}
BENCHMARK(BreakLongLine)
    ->ArgsProduct({{15, 30, 60}, {600, 500000}})
    ->Unit(benchmark::kMillisecond);

void PrintSixtyKilobyteField(benchmark::State& state) {
    QTemporaryDir dir;
    Format format;
    format.name = QStringLiteral("长文");
    format.page.width = 210;
    format.page.height = 297;
    BoxRecord box;
    box.id = 1;
    box.x = box.y = 10;
    box.w = 190;
    box.h = 270;
    box.fontName = QStringLiteral("宋体");
    box.fontSize = 10;
    format.boxes << box;
    Bill bill;
    bill.SetValue(box.id, LongText(60 * 1024));
    QString sink;
    QTextStream messages(&sink);
    StreamAsker asker(messages);
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        UsePdfFile(printer, dir.filePath(QStringLiteral("long.pdf")));
        PrintJob job(printer, asker);
        benchmark::DoNotOptimize(job.PrintBill(format, bill, BillPrintRequest{}));
    }
}
BENCHMARK(PrintSixtyKilobyteField)->Unit(benchmark::kMillisecond);

} // namespace
