// How long the program takes from start to the main window showing the last format
// (offscreen): opening the encrypted database (key derivation included), the schema
// check, building the window and loading a format of 60 boxes.
#include "app/MainWindow.h"
#include "app/Session.h"
#include "app/WindowApp.h"
#include "WindowBench.h"
#include "store/FormatStore.h"
#include "core/Progress.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kBoxes = 60;

void PrepareDataFolder() {
    BenchAsker asker;
    std::unique_ptr<Session> session = OpenSession(asker);
    Format format;
    format.name = QStringLiteral("进账单");
    format.page.width = 210;
    format.page.height = 99;
    for (int i = 0; i < kBoxes; ++i) {
        BoxRecord box;
        box.id = kFirstTemporaryId + i;
        box.kind = static_cast<BoxKind>(i % 3);
        box.label = QStringLiteral("框%1").arg(i);
        box.x = i % 10 * 20;
        box.y = i / 10 * 15;
        box.w = 18;
        box.h = 6;
        box.fontName = QStringLiteral("宋体");
        box.fontSize = 10.5;
        format.boxes << box;
    }
    SilentProgress progress;
    session->Formats().SaveFormat(format, QString(), 15360, progress);
    session->Formats().WriteLastUse(format.name, {0, 0, 0});
}

void BM_StartToLastFormatShown(benchmark::State& state) {
    BenchAsker asker;
    for (auto _ : state) {
        std::unique_ptr<Session> session = OpenSession(asker);
        MainWindow window(*session, asker);
        window.StartUp();
        window.show();
        QCoreApplication::processEvents();
        if (session->CurrentFormat().boxes.size() != kBoxes) state.SkipWithError("format not shown");
    }
}
BENCHMARK(BM_StartToLastFormatShown)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// The window part alone, with the connection already open.
void BM_WindowWithOpenConnection(benchmark::State& state) {
    BenchAsker asker;
    std::unique_ptr<Session> session = OpenSession(asker);
    for (auto _ : state) {
        MainWindow window(*session, asker);
        window.StartUp();
        window.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_WindowWithOpenConnection)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv, PrepareDataFolder); }
