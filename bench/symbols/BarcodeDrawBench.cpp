// One Code 39 and one EAN-13 symbol with their text lines, drawn as the printer draws a
// picture box that carries a code: the time a barcode adds to a bill once Qt's font cache
// holds the sizes (each size measured first builds a font engine).
#include "symbols/SymbolDrawing.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

void DrawOnPrinterPage(benchmark::State& state, BarcodeStandard standard, const QString& content) {
    // A 600 dpi device, a 60 × 15 mm box.
    QImage page(1600, 500, QImage::Format_RGB32);
    page.setDotsPerMeterX(23622);
    page.setDotsPerMeterY(23622);
    QPainter painter(&page);
    const QFont font(QStringLiteral("DejaVu Sans"), 9);
    // Sizes vary from bill to bill, as box widths do between formats.
    int bill = 0;
    for (auto _ : state) {
        const QRectF box(20, 20, 1400 + (bill++ % 7) * 20, 354);
        benchmark::DoNotOptimize(DrawSymbol(painter, box, content, standard, font));
    }
}

void Code39(benchmark::State& state) { DrawOnPrinterPage(state, BarcodeStandard::Code39, "VM2026120601"); }
void Ean13(benchmark::State& state) { DrawOnPrinterPage(state, BarcodeStandard::Ean13, "690123456789"); }
BENCHMARK(Code39)->Unit(benchmark::kMillisecond);
BENCHMARK(Ean13)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
