// Copying a store of 10 000 bills (three values each) between the data folder's file
// and a server of the bench's own on a Unix socket, both ways; items are bills.
#include "common/TestServer.h"
#include "core/Progress.h"
#include "records/HistorySql.h"
#include "store/BackgroundPictures.h"
#include "store/DataFolder.h"
#include "store/FormatStore.h"
#include "store/Schema.h"
#include "store/StoreCopy.h"
#include "store/StoreOpening.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

constexpr int kBills = 10000;
constexpr qint64 kScreenWidth = 15360;

bool FillFileStore(Database& db) {
    Format format;
    format.name = QStringLiteral("出库单");
    format.page.width = 210;
    format.page.height = 99;
    for (int i = 0; i < 3; ++i) {
        BoxRecord box;
        box.id = kFirstTemporaryId + i;
        box.label = QStringLiteral("栏%1").arg(i);
        box.y = 10 * i;
        box.w = 60;
        box.h = 6;
        format.boxes << box;
    }
    SilentProgress quiet;
    if (!FormatStore(db).SaveFormat(format, {}, kScreenWidth, quiet)
        || !BackgroundPictures(db).Write(format.name, QByteArray(300 * 1024, 'j')))
        return false;
    Database::Transaction transaction(db);
    for (int bill = 1; bill <= kBills; ++bill)
        for (int box = 0; box < 3; ++box)
            if (!db.Exec(HistorySql::kInsert, {bill, format.name, format.boxes[box].id,
                                               QStringLiteral("客户%1，第%2栏").arg(bill).arg(box)}))
                return false;
    return transaction.Commit();
}

struct CopyFixture {
    CopyFixture() {
        DataFolder::SetOverride(dir.path());
        server = StartedTestServer();
        file = OpenDataDatabase();
        if (!server || !file || !FillFileStore(*file)) server = nullptr;
    }
    QTemporaryDir dir;
    TestServer* server = nullptr;
    std::unique_ptr<Database> file;
};

CopyFixture& Shared() {
    static CopyFixture fixture;
    return fixture;
}

void BM_CopyFileToServer(benchmark::State& state) {
    CopyFixture& fixture = Shared();
    if (!fixture.server) return state.SkipWithError("no PostgreSQL server");
    for (auto _ : state) {
        state.PauseTiming();
        const std::unique_ptr<Database> target = OpenServerStore(fixture.server->FreshStore()).db;
        state.ResumeTiming();
        if (!target || CopyStore(*fixture.file, *target, false).result != StoreCopyOutcome::Result::Copied)
            return state.SkipWithError("copy failed");
    }
    state.SetItemsProcessed(state.iterations() * kBills);
}
BENCHMARK(BM_CopyFileToServer)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_CopyServerToFile(benchmark::State& state) {
    CopyFixture& fixture = Shared();
    if (!fixture.server) return state.SkipWithError("no PostgreSQL server");
    const std::unique_ptr<Database> source = OpenServerStore(fixture.server->FreshStore()).db;
    if (!source || CopyStore(*fixture.file, *source, false).result != StoreCopyOutcome::Result::Copied)
        return state.SkipWithError("no server store to copy");
    std::vector<std::unique_ptr<QTemporaryDir>> folders;
    for (auto _ : state) {
        state.PauseTiming();
        folders.push_back(std::make_unique<QTemporaryDir>());
        DataFolder::SetOverride(folders.back()->path());
        std::unique_ptr<Database> target = OpenDataDatabase();
        state.ResumeTiming();
        if (!target || CopyStore(*source, *target, false).result != StoreCopyOutcome::Result::Copied)
            return state.SkipWithError("copy failed");
        state.PauseTiming();
        target.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kBills);
}
BENCHMARK(BM_CopyServerToFile)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
