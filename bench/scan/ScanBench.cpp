// The design from a scan on a whole A4 page scanned at 300 dpi (two generated bills
// one above the other, turned 1.5°, with noise, blur, shade and JPEG): the time from
// the picture to the proposal, captions read, and the process's peak memory.
#include "BillGenerator.h"
#include "scan/CaptionReader.h"
#include "scan/ScanAnalysis.h"

#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

QImage A4Scan() {
    ScanLook look;
    look.dpi = 300;
    const GeneratedBill top = GenerateBill(1, look), bottom = GenerateBill(2, look);
    const double pxPerMm = look.dpi / 25.4;
    QImage page(int(210 * pxPerMm), int(297 * pxPerMm), QImage::Format_RGB888);
    page.fill(Qt::white);
    page.setDotsPerMeterX(top.image.dotsPerMeterX());
    page.setDotsPerMeterY(top.image.dotsPerMeterY());
    {
        QPainter painter(&page);
        painter.drawImage(0, 0, top.image);
        painter.drawImage(0, top.image.height(), bottom.image);
    }
    // Spoil the whole page the way one scan would be.
    look.degrees = 1.5;
    look.noise = 5;
    look.blur = 0.6;
    look.shade = 0.15;
    look.jpegQuality = 75;
    return SpoiledScan(page, look, 3);
}

void AnalyseA4(benchmark::State& state) {
    static CaptionReader reader;
    const QImage scan = A4Scan();
    int boxes = 0;
    for (auto _ : state) {
        const ScanOutcome outcome = AnalyseScan(scan, {}, reader);
        boxes = outcome.proposal ? int(outcome.proposal->boxes.size()) : -1;
        benchmark::DoNotOptimize(boxes);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["boxes"] = boxes;
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024;
}
BENCHMARK(AnalyseA4)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
