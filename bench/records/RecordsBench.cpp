// History at the size of years of use: a DATA.db holding 1 000 000 history rows
// (100 000 bills of 10 values over four formats, one of them with 50 000 bills).
#include "core/Progress.h"
#include "records/History.h"
#include "records/HistoryModel.h"
#include "records/HistoryQueries.h"
#include "store/Bill.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"
#include "store/Schema.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int kBoxes = 20;
constexpr int kValuesPerBill = 10;
const std::pair<const char*, int> kFormats[] = {
    {"出库单", 50000}, {"送货单", 25000}, {"收据", 15000}, {"运单", 10000}};

QString Label(int box) {
    static const QStringList named = {"编号", "客户", "金额", "日期", "备注", "户名_1", "户名_2"};
    return box < named.size() ? named[box] : QStringLiteral("栏目%1").arg(box);
}

// The value of a bill's box: numbering, customers repeating over 5 000 names, amounts...
QString Value(int box, int bill) {
    switch (box) {
    case 0: return QStringLiteral("NO.%1").arg(bill, 6, 10, QLatin1Char('0'));
    case 1: return QStringLiteral("客户%1").arg(bill * 7919 % 5000);
    case 2: return QString::number(bill % 9973 * 1.25, 'f', 2);
    case 3: return QStringLiteral("2024-%1-%2").arg(bill % 12 + 1).arg(bill % 28 + 1);
    case 5: return QStringLiteral("户%1").arg(bill % 3000);
    default: return QStringLiteral("内容%1-%2").arg(box).arg(bill % 100);
    }
}

struct Data {
    Data() {
        DataFolder::SetOverride(dir.path());
        db = OpenDataDatabase();
        QElapsedTimer timer;
        timer.start();
        FormatStore store(*db);
        for (const auto& [name, bills] : kFormats) {
            Format format;
            format.name = QString::fromUtf8(name);
            format.page.width = 210;
            format.page.height = 99;
            for (int i = 0; i < kBoxes; ++i) {
                BoxRecord box;
                box.id = kFirstTemporaryId + i;
                box.label = Label(i);
                box.w = 30;
                box.h = 6;
                format.boxes << box;
            }
            store.SaveFormat(format, {}, 15360, progress);
            formats << *store.LoadFormat(format.name, 15360);
            Database::Transaction transaction(*db);
            for (int bill = 1; bill <= bills; ++bill)
                for (int box = 0; box < kValuesPerBill; ++box)
                    db->Exec(QStringLiteral("INSERT INTO 历史(ID, Fmt, CID, Con) VALUES(?, ?, ?, ?)"),
                             {bill, format.name, formats.last().boxes[box].id, Value(box, bill)});
            transaction.Commit();
        }
        std::fprintf(stderr, "DATA.db with %lld history rows built in %.1f s\n",
                     db->Query(QStringLiteral("SELECT count(*) FROM 历史")).rows[0][0].toLongLong(),
                     timer.elapsed() / 1000.0);
    }
    const Format& Main() const { return formats.first(); }
    qint64 Box(int index) const { return Main().boxes[index].id; }

    QTemporaryDir dir;
    std::unique_ptr<Database> db;
    SilentProgress progress;
    QList<Format> formats;
};

Data& Shared() {
    static Data data;
    return data;
}

void BM_SaveHistory20Boxes(benchmark::State& state) {
    Data& data = Shared();
    Bill bill;
    for (int box = 0; box < kBoxes; ++box) bill.SetValue(data.Box(box), Value(box, 7));
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveHistory(*data.db, data.Main(), bill));
}
BENCHMARK(BM_SaveHistory20Boxes)->Unit(benchmark::kMillisecond);

void BM_ShowHistory300(benchmark::State& state) {
    Data& data = Shared();
    ParamStore params(*data.db);
    HistoryModel model(*data.db, params);
    for (auto _ : state) {
        model.Forget();
        model.Show(data.Main().name, HistoryModel::kFirstLimit, data.progress);
    }
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_ShowHistory300)->Unit(benchmark::kMillisecond);

// Show-all of the format with 50 000 bills (500 000 values) into the model.
void BM_ShowAll50000Bills(benchmark::State& state) {
    Data& data = Shared();
    ParamStore params(*data.db);
    HistoryModel model(*data.db, params);
    for (auto _ : state) {
        model.Forget();
        model.Show(data.Main().name, 0, data.progress);
    }
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_ShowAll50000Bills)->Unit(benchmark::kMillisecond)->Iterations(3);

// A header click on the customer column of all 50 000 bills.
void BM_SortAll50000Bills(benchmark::State& state) {
    Data& data = Shared();
    ParamStore params(*data.db);
    HistoryModel model(*data.db, params);
    model.Show(data.Main().name, 0, data.progress);
    for (auto _ : state) model.SortByHeader(HistoryModel::kFirstDataColumn + 1);
}
BENCHMARK(BM_SortAll50000Bills)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FindLinkedBill(benchmark::State& state) {
    Data& data = Shared();
    const QString customer = Value(1, 12345);
    for (auto _ : state)
        benchmark::DoNotOptimize(FindLinkedBill(*data.db, data.Main().name, data.Box(1), Label(1), customer));
}
BENCHMARK(BM_FindLinkedBill)->Unit(benchmark::kMicrosecond);

// A grouped label: the value may stand in any box of the stem.
void BM_FindLinkedBillInGroup(benchmark::State& state) {
    Data& data = Shared();
    const QString name = Value(5, 2222);
    for (auto _ : state)
        benchmark::DoNotOptimize(FindLinkedBill(*data.db, data.Main().name, data.Box(6), Label(6), name));
}
BENCHMARK(BM_FindLinkedBillInGroup)->Unit(benchmark::kMicrosecond);

void BM_LoadLinkedBill(benchmark::State& state) {
    Data& data = Shared();
    for (auto _ : state) benchmark::DoNotOptimize(LoadLinkedBill(*data.db, data.Main().name, 31415));
}
BENCHMARK(BM_LoadLinkedBill)->Unit(benchmark::kMicrosecond);

// Numbering: the newest value of a box filled in every bill, and of one never filled.
void BM_NewestValue(benchmark::State& state) {
    Data& data = Shared();
    const qint64 box = data.Box(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(NewestValue(*data.db, data.Main().name, box));
}
BENCHMARK(BM_NewestValue)->Arg(0)->Arg(kBoxes - 1)->Unit(benchmark::kMicrosecond);

void BM_NextBillNumber(benchmark::State& state) {
    Data& data = Shared();
    for (auto _ : state) benchmark::DoNotOptimize(NextBillNumber(*data.db, data.Main().name));
}
BENCHMARK(BM_NextBillNumber)->Unit(benchmark::kMicrosecond);

// Autocompletion as typing goes: "客户1" matches 1 111 distinct values of 50 000 rows.
void BM_ValuesStartingWith(benchmark::State& state) {
    Data& data = Shared();
    const QString prefix = QStringLiteral("客户1").left(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ValuesStartingWith(*data.db, data.Main().name, data.Box(1), prefix, 2));
}
BENCHMARK(BM_ValuesStartingWith)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
