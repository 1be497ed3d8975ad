// How long the format list takes to open with 500 formats: reading the rows, filling
// the grid, marking the open format and decoding its scanned picture for the preview;
// and the format tree of the same formats.
#include "app/FormatListDialog.h"
#include "app/FormatTreeView.h"
#include "app/Session.h"
#include "app/WindowApp.h"
#include "WindowBench.h"
#include "core/Progress.h"
#include "store/FormatStore.h"

#include <QImage>
#include <QPainter>
#include <QTableWidget>
#include <benchmark/benchmark.h>

namespace {

constexpr int kFormats = 500;
const QString kOpenFormat = QStringLiteral("格式0250进账单");

std::unique_ptr<Session> session;

void PrepareDataFolder() {
    BenchAsker asker;
    session = OpenSession(asker);
    for (int i = 0; i < kFormats; ++i) {
        PageParams page;
        page.width = 100 + i % 120;
        page.height = 60 + i % 40;
        const QString name = QStringLiteral("格式%1进账单").arg(i, 4, 10, QLatin1Char('0'));
        session->Formats().SavePageParams(name, page, 15360);
    }
    // A scanned bill at 200 dpi, as the open format's background.
    QImage scan(1890, 780, QImage::Format_RGB32);
    scan.fill(Qt::white);
    QPainter painter(&scan);
    for (int y = 0; y < scan.height(); y += 40) painter.drawLine(0, y, scan.width(), y);
    painter.end();
    scan.save(BackgroundPicturePath(kOpenFormat), "JPG", 85);
}

void BM_OpenFormatList(benchmark::State& state) {
    BenchAsker asker;
    SilentProgress progress;
    for (auto _ : state) {
        FormatListDialog list(session->Db(), asker, progress, kOpenFormat);
        list.show();
        QCoreApplication::processEvents();
        if (list.findChild<QTableWidget*>()->rowCount() != kFormats)
            state.SkipWithError("formats missing");
    }
}
BENCHMARK(BM_OpenFormatList)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The tree in the main window, built from the stored tree of the same 500 formats.
void BM_ShowFormatTree(benchmark::State& state) {
    BenchAsker asker;
    for (auto _ : state) {
        FormatTreeView tree(session->Db(), asker);
        tree.SetCurrentFormat(kOpenFormat);
        tree.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ShowFormatTree)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    return RunWindowBenchmarks(argc, argv, PrepareDataFolder, [] { session.reset(); });
}
