// Opening and saving a format of 500 boxes in a real encrypted DATA.db.
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "core/Progress.h"
#include "store/Schema.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kBoxes = 500;
constexpr qint64 kScreenWidth = 15360;

Format FiveHundredBoxes() {
    Format format;
    format.name = QStringLiteral("五百框");
    format.page.width = 210;
    format.page.height = 297;
    for (int i = 0; i < kBoxes; ++i) {
        BoxRecord box;
        box.id = kFirstTemporaryId + i;
        box.label = QStringLiteral("内容框") + QString::number(i);
        box.kind = static_cast<BoxKind>(i % 5);
        box.x = i % 20 * 10.0;
        box.y = i / 20 * 10.0;
        box.w = 9.5;
        box.h = 6;
        box.fontName = QStringLiteral("宋体");
        box.fontSize = 10.5;
        box.cash = 103;
        if (i > 0) box.rctl = kFirstTemporaryId + i - 1;
        format.boxes << box;
    }
    return format;
}

// A fresh data folder with the format stored once.
struct Fixture {
    Fixture() {
        DataFolder::SetOverride(dir.path());
        db = OpenDataDatabase();
        format = FiveHundredBoxes();
        FormatStore(*db).SaveFormat(format, {}, kScreenWidth, progress);
    }
    ~Fixture() { DataFolder::SetOverride(QString()); }
    QTemporaryDir dir;
    std::unique_ptr<Database> db;
    Format format;
    SilentProgress progress;
};

void BM_LoadFormat(benchmark::State& state) {
    Fixture fixture;
    FormatStore store(*fixture.db);
    for (auto _ : state) {
        std::optional<Format> loaded = store.LoadFormat(fixture.format.name, 19200);
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK(BM_LoadFormat)->Unit(benchmark::kMillisecond);

// Saving the open format again: every row updated in place.
void BM_SaveFormat(benchmark::State& state) {
    Fixture fixture;
    FormatStore store(*fixture.db);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.SaveFormat(fixture.format, {}, kScreenWidth, fixture.progress));
}
BENCHMARK(BM_SaveFormat)->Unit(benchmark::kMillisecond);

// Saving a newly designed format: 500 new rows with their links remapped.
void BM_SaveNewFormat(benchmark::State& state) {
    Fixture fixture;
    FormatStore store(*fixture.db);
    const Format designed = FiveHundredBoxes();
    for (auto _ : state) {
        Format format = designed;
        benchmark::DoNotOptimize(store.SaveFormat(format, QStringLiteral("新格式"), kScreenWidth,
                                                  fixture.progress));
    }
}
BENCHMARK(BM_SaveNewFormat)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
