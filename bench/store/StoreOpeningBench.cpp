// What the store's safety costs at start-up, on a store of 20 formats of 500 boxes:
// a normal open, the whole-file check after a session that did not close, the day's
// backup, and a start with and without a login password (the password's key
// derivation is paid once per start).
#include "core/Progress.h"
#include "store/Backups.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/DatabaseKey.h"
#include "store/FormatStore.h"
#include "store/PasswordKey.h"
#include "store/StoreOpening.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

struct FilledStore {
    FilledStore() {
        DataFolder::SetOverride(dir.path());
        std::unique_ptr<Database> db = OpenStore().db;
        SilentProgress quiet;
        for (int f = 0; f < 20; ++f) {
            Format format;
            format.name = QStringLiteral("格式%1").arg(f);
            format.page.width = 210;
            format.page.height = 297;
            for (int i = 0; i < 500; ++i) {
                BoxRecord box;
                box.id = kFirstTemporaryId + i;
                box.label = QStringLiteral("内容框%1").arg(i);
                box.x = i % 20 * 10.0;
                box.y = i / 20 * 10.0;
                box.w = 9.5;
                box.h = 6;
                format.boxes << box;
            }
            FormatStore(*db).SaveFormat(format, {}, 15360, quiet);
        }
    }
    ~FilledStore() { DataFolder::SetOverride(QString()); }
    QTemporaryDir dir;
};

void OpenStoreNormally(benchmark::State& state) {
    FilledStore store;
    OpenStore(); // today's backup is made here, once
    for (auto _ : state) benchmark::DoNotOptimize(OpenStore().db);
}
BENCHMARK(OpenStoreNormally)->Unit(benchmark::kMillisecond);

void OpenStoreAfterUncleanEnd(benchmark::State& state) {
    FilledStore store;
    OpenStore();
    const QString mark = Database::CheckMarkPath(DataFolder::DatabasePath());
    for (auto _ : state) {
        QFile(mark).open(QIODevice::WriteOnly); // as a session that did not close leaves it
        benchmark::DoNotOptimize(OpenStore().db);
    }
}
BENCHMARK(OpenStoreAfterUncleanEnd)->Unit(benchmark::kMillisecond);

void DailyBackup(benchmark::State& state) {
    FilledStore store;
    std::unique_ptr<Database> db = Database::Open(DataFolder::DatabasePath());
    int day = 0;
    for (auto _ : state) benchmark::DoNotOptimize(BackUpOncePerDay(*db, QDate(2000, 1, 1).addDays(day++)));
}
BENCHMARK(DailyBackup)->Unit(benchmark::kMillisecond);

// A start as the program makes it: the password asked only when the store needs one.
void StartUp(const QString& password) {
    UseStoreKey({});
    const QString path = DataFolder::DatabasePath();
    if (StoreNeedsPassword(path) && !UnlockWithPassword(path, path, password)) std::abort();
    benchmark::DoNotOptimize(OpenStore().db);
}

void StartUpWithoutPassword(benchmark::State& state) {
    FilledStore store;
    OpenStore();
    for (auto _ : state) StartUp({});
}
BENCHMARK(StartUpWithoutPassword)->Unit(benchmark::kMillisecond);

void StartUpWithPassword(benchmark::State& state) {
    FilledStore store;
    {
        std::unique_ptr<Database> db = OpenStore().db;
        if (!db || !RekeyStore(*db, QStringLiteral("办公室口令"))) std::abort();
    }
    for (auto _ : state) StartUp(QStringLiteral("办公室口令"));
    UseStoreKey({});
}
BENCHMARK(StartUpWithPassword)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
