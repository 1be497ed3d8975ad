// How long the format list takes to open with 500 formats: reading the rows, filling
// the grid, marking the open format and decoding its scanned picture for the preview.
#include "app/FormatListDialog.h"
#include "app/Session.h"
#include "app/WindowApp.h"
#include "BenchAsker.h"
#include "core/Progress.h"
#include "store/DataFolder.h"
#include "store/FormatStore.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTableWidget>
#include <benchmark/benchmark.h>

namespace {

constexpr int kFormats = 500;
const QString kOpenFormat = QStringLiteral("格式0250进账单");

void PrepareDataFolder(Session& session) {
    for (int i = 0; i < kFormats; ++i) {
        PageParams page;
        page.width = 100 + i % 120;
        page.height = 60 + i % 40;
        session.Formats().SavePageParams(QStringLiteral("格式%1进账单").arg(i, 4, 10, QLatin1Char('0')),
                                         page, 15360);
    }
    // A scanned bill at 200 dpi, as the open format's background.
    QImage scan(1890, 780, QImage::Format_RGB32);
    scan.fill(Qt::white);
    QPainter painter(&scan);
    for (int y = 0; y < scan.height(); y += 40) painter.drawLine(0, y, scan.width(), y);
    painter.end();
    scan.save(BackgroundPicturePath(kOpenFormat), "JPG", 85);
}

void BM_OpenFormatList(benchmark::State& state, std::unique_ptr<Session>* session) {
    BenchAsker asker;
    SilentProgress progress;
    for (auto _ : state) {
        FormatListDialog list((*session)->Db(), asker, progress, kOpenFormat);
        list.show();
        QCoreApplication::processEvents();
        if (list.findChild<QTableWidget*>()->rowCount() != kFormats)
            state.SkipWithError("formats missing");
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir data, settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    DataFolder::SetOverride(data.path());
    BenchAsker asker;
    std::unique_ptr<Session> session = OpenSession(asker);
    PrepareDataFolder(*session);
    benchmark::RegisterBenchmark("BM_OpenFormatList", BM_OpenFormatList, &session)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
