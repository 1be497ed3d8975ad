// A year of bills: 100 000 bills of one format with a date, two amount boxes (one
// in capitals), a customer and a remark, beside 50 000 bills of another format.
#include "core/Progress.h"
#include "stats/Statistics.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kBills = 100000;
const std::pair<QString, double> kBoxes[] = {
    {QStringLiteral("日期"), 111}, {QStringLiteral("金额_1"), 104}, {QStringLiteral("金额_2"), 103},
    {QStringLiteral("客户"), 0},   {QStringLiteral("备注"), 0}};

QString Value(int box, int bill) {
    switch (box) {
    case 0: return QDate(2024, 1, 1).addDays(bill % 366).toString(QStringLiteral("yyyy-MM-dd"));
    case 1: return QStringLiteral("￥%1.%2").arg(bill % 9973).arg(bill % 100, 2, 10, QLatin1Char('0'));
    case 2: return QStringLiteral("壹仟贰佰叁拾肆元伍角整");
    case 3: return QStringLiteral("客户%1").arg(bill % 500);
    default: return QStringLiteral("备注%1").arg(bill % 100);
    }
}

struct Data {
    Data() {
        DataFolder::SetOverride(dir.path());
        db = OpenDataDatabase();
        SilentProgress progress;
        FormatStore store(*db);
        for (const auto& [name, bills] : {std::pair{QStringLiteral("销售单"), kBills},
                                          std::pair{QStringLiteral("运单"), kBills / 2}}) {
            Format format;
            format.name = name;
            format.page.width = 210;
            format.page.height = 99;
            for (const auto& [label, type] : kBoxes) {
                BoxRecord box;
                box.id = kFirstTemporaryId + format.boxes.size();
                box.label = label;
                box.cash = type;
                box.w = 30;
                box.h = 6;
                format.boxes << box;
            }
            store.SaveFormat(format, {}, 15360, progress);
            Database::Transaction transaction(*db);
            for (int bill = 1; bill <= bills; ++bill)
                for (int box = 0; box < format.boxes.size(); ++box)
                    db->Exec(QStringLiteral("INSERT INTO 历史(ID, Fmt, CID, Con) VALUES(?, ?, ?, ?)"),
                             {bill, name, format.boxes[box].id, Value(box, bill)});
            transaction.Commit();
        }
    }
    StatsRequest Request(StatsContent content) const {
        StatsRequest request;
        request.formatName = QStringLiteral("销售单");
        request.from = QDate(2024, 1, 1);
        request.to = QDate(2024, 12, 31);
        request.dateBox = QStringLiteral("日期");
        request.amountBox = QStringLiteral("金额_XX");
        request.content = content;
        return request;
    }

    QTemporaryDir dir;
    std::unique_ptr<Database> db;
};

Data& Shared() {
    static Data data;
    return data;
}

void Run(benchmark::State& state, StatsRequest request) {
    Data& data = Shared();
    for (auto _ : state) {
        const StatsResult result = ComputeStatistics(*data.db, request);
        if (result.rows.size() != (request.period == StatsPeriod::Day ? 366 : 12))
            state.SkipWithError("wrong period count");
        benchmark::DoNotOptimize(result.rows.data());
    }
}

void PerDayAmounts(benchmark::State& state) { Run(state, Shared().Request(StatsContent::Amount)); }

void PerDayCount(benchmark::State& state) { Run(state, Shared().Request(StatsContent::Count)); }

void PerMonthAmountsForOneCustomer(benchmark::State& state) {
    StatsRequest request = Shared().Request(StatsContent::Amount);
    request.period = StatsPeriod::Month;
    request.conditional = true;
    request.conditionBox = QStringLiteral("客户");
    request.conditionValue = QStringLiteral("客户7");
    Run(state, request);
}

} // namespace

BENCHMARK(PerDayAmounts)->Unit(benchmark::kMillisecond);
BENCHMARK(PerDayCount)->Unit(benchmark::kMillisecond);
BENCHMARK(PerMonthAmountsForOneCustomer)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
