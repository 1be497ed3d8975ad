// Batches: data rows of a 20-box format into one PDF with every bill kept in history
// (bills per second, and the peak memory, which must not grow with the rows: run
// the row counts in separate processes with --benchmark_filter to compare; the rows
// themselves are held in memory up front, which rows_in_MB shows), and label sheets
// of 4 × 10 labels.
#include "core/StreamAsker.h"
#include "print/BatchPrint.h"
#include "print/JobProgress.h"
#include "print/LabelSheet.h"
#include "print/PrintJob.h"
#include "print/PrinterChoice.h"
#include "print/RowBill.h"
#include "exchange/ColumnMapping.h"
#include "records/JobHistory.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/FormatHold.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

#include <QGuiApplication>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <sqlcipher/sqlite3.h>
#include <sys/resource.h>

namespace {

// A waybill: 20 text boxes of plain text, amounts and dates.
Format WaybillFormat() {
    Format format;
    format.name = QStringLiteral("运单");
    format.page.width = 210;
    format.page.height = 140;
    const double types[] = {0, 0, 0, 104, 0};
    for (int i = 0; i < 20; ++i) {
        BoxRecord box;
        box.id = kFirstTemporaryId + i;
        box.label = QStringLiteral("栏目%1").arg(i);
        box.x = 10 + (i % 2) * 100;
        box.y = 10 + (i / 2) * 12;
        box.w = 90;
        box.h = 10;
        box.fontName = QStringLiteral("宋体");
        box.fontSize = 11;
        box.cash = types[i % 5];
        format.boxes << box;
    }
    return format;
}

QList<QStringList> Rows(int count) {
    QList<QStringList> rows;
    for (int row = 0; row < count; ++row) {
        QStringList values;
        for (int column = 0; column < 20; ++column)
            values << (column % 5 == 3 ? QString::number(row * 3.5 + column)
                                       : QStringLiteral("收件人%1 北京市%2号").arg(row).arg(column));
        rows << values;
    }
    return rows;
}

// The rows loaded as if typed, one bill at a time, as the batch commands load them.
BatchSource SourceOf(const RowLoader& loader, const QList<QStringList>& rows) {
    BatchSource source;
    source.count = int(rows.size());
    source.load = [&loader, &rows](int index, Bill& bill, QString*) {
        bill = loader.LoadRowAsTyped(rows[index]);
        return true;
    };
    return source;
}

struct Store {
    Store() {
        DataFolder::SetOverride(dir.path());
        db = OpenDataDatabase();
        SilentProgress progress;
        FormatStore store(*db);
        Format waybill = WaybillFormat();
        store.SaveFormat(waybill, waybill.name, 15360, progress);
        format = *store.LoadFormat(waybill.name, 15360);
        columns = BillColumns(MappedBoxes(format, {}));
    }
    QTemporaryDir dir;
    std::unique_ptr<Database> db;
    Format format;
    QList<BillColumn> columns;
};

// CPU seconds the process has used, user and system.
double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long PeakRssMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Resident memory now, in MB.
double RssMb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096 / (1024 * 1024) : 0;
}

void RowsToPdfWithHistory(benchmark::State& state) {
    Store store;
    const QList<QStringList> rows = Rows(int(state.range(0)));
    const RowLoader loader(store.format, store.columns, RowFilling{});
    const BatchSource source = SourceOf(loader, rows);
    QString sink;
    QTextStream messages(&sink);
    StreamAsker asker(messages);
    SilentJobProgress progress;
    const double before = RssMb();
    const double cpuBefore = CpuSeconds();
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        UsePdfFile(printer, store.dir.filePath(QStringLiteral("batch.pdf")));
        PrintJob job(printer, asker);
        BatchOptions options;
        options.history = store.db.get();
        const BatchResult result = PrintBatch(job, store.format, source, options, progress, asker);
        if (!result.Complete(source.count)) state.SkipWithError("batch stopped");
    }
    state.counters["bills/s"] =
        benchmark::Counter(double(rows.size()) * state.iterations(), benchmark::Counter::kIsRate);
    // The same per second of the process's own CPU time: what the batch would reach on
    // cores it has to itself, comparable between runs on a busy machine.
    state.counters["bills/cpu_s"] =
        double(rows.size()) * double(state.iterations()) / std::max(CpuSeconds() - cpuBefore, 1e-6);
    state.counters["peak_MB"] = double(PeakRssMb());
    state.counters["rows_in_MB"] = before; // resident with the rows loaded, before printing
    // The store's own peak (its page cache above all) within that.
    state.counters["store_MB"] = double(sqlite3_memory_highwater(0)) / (1024 * 1024);
}
BENCHMARK(RowsToPdfWithHistory)->Arg(1000)->Arg(10000)->Unit(benchmark::kSecond)->Iterations(1)
    ->UseRealTime();

// The history part of a batch alone: the bills of one job written and committed in
// one transaction.
void HistoryOfOneJob(benchmark::State& state) {
    Store store;
    const QList<QStringList> rows = Rows(int(state.range(0)));
    const RowLoader loader(store.format, store.columns, RowFilling{});
    QList<Bill> bills;
    for (const QStringList& row : rows) bills << loader.LoadRowAsTyped(row);
    const qint64 identity = FormatIdentity(*store.db, store.format.name);
    for (auto _ : state) {
        JobHistory history(*store.db, identity);
        for (const Bill& bill : bills) history.Add(store.format, bill);
        QString reason;
        if (!history.Prepare(&reason) || !history.Commit()) state.SkipWithError("not kept");
    }
    state.counters["bills/s"] =
        benchmark::Counter(double(rows.size()) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(HistoryOfOneJob)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void LabelSheetsToPdf(benchmark::State& state) {
    Store store;
    const QList<QStringList> rows = Rows(int(state.range(0)));
    const RowLoader loader(store.format, store.columns, RowFilling{});
    const BatchSource source = SourceOf(loader, rows);
    LabelSheetSpec spec;
    spec.columns = 4;
    spec.rows = 10;
    spec.separators = true;
    QString sink;
    QTextStream messages(&sink);
    StreamAsker asker(messages);
    SilentJobProgress progress;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        UsePdfFile(printer, store.dir.filePath(QStringLiteral("labels.pdf")));
        PrintJob job(printer, asker);
        const BatchResult result = PrintLabelSheets(job, store.format, spec, source, {}, progress, asker);
        if (!result.Complete(source.count)) state.SkipWithError("labels stopped");
    }
    state.counters["sheets/s"] = benchmark::Counter(
        double(spec.SheetCount(source.count)) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(LabelSheetsToPdf)->Arg(2000)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
