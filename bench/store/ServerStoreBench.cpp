// The server store on loopback (a server of the bench's own, on a Unix socket): a
// bill's history saved in its own transaction, a batch's bills in one, and opening
// a format among 500 stored ones.
#include "common/TestServer.h"
#include "core/Progress.h"
#include "records/History.h"
#include "store/Bill.h"
#include "store/DataFolder.h"
#include "store/FormatStore.h"
#include "store/StoreOpening.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr qint64 kScreenWidth = 15360;
constexpr int kFormats = 500;
constexpr int kBoxes = 20;

Format Waybill(const QString& name) {
    Format format;
    format.name = name;
    format.page.width = 230;
    format.page.height = 127;
    for (int i = 0; i < kBoxes; ++i) {
        BoxRecord box;
        box.id = kFirstTemporaryId + i;
        box.label = QStringLiteral("栏") + QString::number(i);
        box.x = i * 10.0;
        box.y = 5;
        box.w = 9;
        box.h = 6;
        box.fontName = QStringLiteral("宋体");
        box.fontSize = 10.5;
        format.boxes << box;
    }
    return format;
}

// A fresh schema on the bench's server holding 500 formats.
struct ServerFixture {
    ServerFixture() {
        DataFolder::SetOverride(dir.path());
        TestServer* server = StartedTestServer();
        if (!server) return;
        db = OpenServerStore(server->FreshStore()).db;
        if (!db) return;
        FormatStore store(*db);
        Database::Transaction transaction(*db);
        for (int i = 0; i < kFormats; ++i) {
            Format made = Waybill(QStringLiteral("运单%1").arg(i));
            store.SaveFormat(made, {}, kScreenWidth, quiet);
        }
        transaction.Commit();
        format = *store.LoadFormat(QStringLiteral("运单250"), kScreenWidth);
        for (const BoxRecord& box : format.boxes) bill.SetValue(box.id, QStringLiteral("北京市海淀区"));
    }
    ~ServerFixture() { DataFolder::SetOverride(QString()); }
    QTemporaryDir dir;
    std::unique_ptr<Database> db;
    Format format;
    Bill bill;
    SilentProgress quiet;
};

ServerFixture& Shared() {
    static ServerFixture fixture;
    return fixture;
}

void BM_ServerSaveHistory(benchmark::State& state) {
    ServerFixture& fixture = Shared();
    if (!fixture.db) return state.SkipWithError("no PostgreSQL server");
    for (auto _ : state) benchmark::DoNotOptimize(SaveHistory(*fixture.db, fixture.format, fixture.bill));
}
BENCHMARK(BM_ServerSaveHistory)->Unit(benchmark::kMillisecond)->UseRealTime();

// A batch's bills kept in one transaction, as a batch print keeps them.
void BM_ServerBatchHistory(benchmark::State& state) {
    ServerFixture& fixture = Shared();
    if (!fixture.db) return state.SkipWithError("no PostgreSQL server");
    constexpr int kBills = 1000;
    for (auto _ : state) {
        Database::Transaction transaction(*fixture.db);
        for (int i = 0; i < kBills; ++i) SaveHistory(*fixture.db, fixture.format, fixture.bill);
        transaction.Commit();
    }
    state.SetItemsProcessed(state.iterations() * kBills);
}
BENCHMARK(BM_ServerBatchHistory)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_ServerOpenFormat(benchmark::State& state) {
    ServerFixture& fixture = Shared();
    if (!fixture.db) return state.SkipWithError("no PostgreSQL server");
    FormatStore store(*fixture.db);
    for (auto _ : state) benchmark::DoNotOptimize(store.LoadFormat(QStringLiteral("运单250"), kScreenWidth));
}
BENCHMARK(BM_ServerOpenFormat)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
