// The entry aids at the sizes they meet: one edit propagating through a 50-box form
// of rings and chained sums (target: at most 2 ms), and autocompletion over a
// history of 1 000 000 rows (target: at most 5 ms).
#include "aids/AidContext.h"
#include "aids/EntryPath.h"
#include "aids/TypingAids.h"
#include "core/Progress.h"
#include "document/FormatDocument.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

BoxRecord TextBox(qint64 id, double cash) {
    BoxRecord box;
    box.id = id;
    box.label = QStringLiteral("框%1").arg(id);
    box.w = 30;
    box.h = 6;
    box.cash = cash;
    return box;
}

// Boxes 1..40 feed four subtotals 41..44 (ten each, every third negated), the
// subtotals add into the total 45, which shares a ring with capitals 46 and two more
// amount boxes 47, 48; 49 and 50 are on a ring with the first contributor.
Format FiftyBoxForm() {
    Format format;
    format.name = QStringLiteral("五十框");
    for (qint64 id = 1; id <= 40; ++id) {
        BoxRecord box = TextBox(id, 105);
        box.sumId = double(41 + (id - 1) / 10) + (id % 3 == 0 ? 0.1 : 0);
        format.boxes << box;
    }
    for (qint64 id = 41; id <= 44; ++id) {
        BoxRecord box = TextBox(id, 104);
        box.sumId = 45;
        format.boxes << box;
    }
    const QList<std::pair<qint64, double>> ring = {{45, 104}, {46, 103}, {47, 105}, {48, 117}};
    for (qsizetype i = 0; i < ring.size(); ++i) {
        BoxRecord box = TextBox(ring[i].first, ring[i].second);
        box.rctl = double(ring[(i + 1) % ring.size()].first);
        format.boxes << box;
    }
    format.boxes[0].rctl = 49;
    BoxRecord b49 = TextBox(49, 0), b50 = TextBox(50, 120);
    b49.rctl = 50;
    b50.rctl = 1;
    format.boxes << b49 << b50;
    return format;
}

void BM_EditThroughFiftyBoxes(benchmark::State& state) {
    FormatDocument document;
    document.Open(FiftyBoxForm());
    AidContext context;
    for (qint64 id = 2; id <= 40; ++id) document.SetContent(id, QString::number(id * 1.25));
    int round = 0;
    for (auto _ : state) {
        EnterValue(document, 1, QString::number(++round % 1000) + QStringLiteral(".5"), EntryRoute::Typed, context);
    }
    if (document.Content(46).isEmpty()) state.SkipWithError("the edit did not reach the capitals");
}
BENCHMARK(BM_EditThroughFiftyBoxes)->Unit(benchmark::kMicrosecond);

struct History {
    History() {
        DataFolder::SetOverride(dir.path());
        db = OpenDataDatabase();
        QElapsedTimer timer;
        timer.start();
        Format format;
        format.name = QStringLiteral("出库单");
        for (int i = 0; i < 10; ++i) format.boxes << TextBox(kFirstTemporaryId + i, 0);
        SilentProgress progress;
        FormatStore store(*db);
        store.SaveFormat(format, {}, 15360, progress);
        stored = *store.LoadFormat(format.name, 15360);
        Database::Transaction transaction(*db);
        for (int bill = 1; bill <= 100000; ++bill)
            for (int box = 0; box < 10; ++box) {
                const QString value = box == 0 ? QStringLiteral("客户%1公司").arg(bill * 7919 % 20000)
                                               : QStringLiteral("内容%1-%2").arg(box).arg(bill % 500);
                db->Exec(QStringLiteral("INSERT INTO 历史(ID, Fmt, CID, Con) VALUES(?, ?, ?, ?)"),
                         {bill, stored.name, stored.boxes[box].id, value});
            }
        transaction.Commit();
        std::fprintf(stderr, "history of %lld rows built in %.1f s\n",
                     db->Query(QStringLiteral("SELECT count(*) FROM 历史")).rows[0][0].toLongLong(),
                     timer.elapsed() / 1000.0);
    }
    QTemporaryDir dir;
    std::unique_ptr<Database> db;
    Format stored;
};

History& SharedHistory() {
    static History history;
    return history;
}

// Typing "客户1" matches thousands of values, "客户12345" exactly one.
void BM_CompleteFromHistory(benchmark::State& state) {
    History& history = SharedHistory();
    const QString typed = QStringLiteral("客户12345").left(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            CompleteFromHistory(*history.db, history.stored.name, history.stored.boxes[0].id, typed));
}
BENCHMARK(BM_CompleteFromHistory)->Arg(3)->Arg(7)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
