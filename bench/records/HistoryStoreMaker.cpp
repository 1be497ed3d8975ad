// Makes a data folder whose format 出库单 has BILLS stored bills of three values, all
// in one transaction through the store code, for bench/history-csv.sh.
//   bench_make_history_store DATA_DIR BILLS
#include "core/Progress.h"
#include "records/HistorySql.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_make_history_store DATA_DIR BILLS\n");
        return 2;
    }
    DataFolder::SetOverride(QString::fromLocal8Bit(argv[1]));
    const int bills = QByteArray(argv[2]).toInt();
    std::unique_ptr<Database> db = OpenDataDatabase();
    if (!db) return 1;
    Format format;
    format.name = QStringLiteral("出库单");
    format.page.width = 210;
    format.page.height = 99;
    const QStringList labels = {QStringLiteral("客户"), QStringLiteral("金额"), QStringLiteral("备注")};
    for (int i = 0; i < labels.size(); ++i) {
        BoxRecord box;
        box.id = kFirstTemporaryId + i;
        box.label = labels[i];
        box.y = 10 * i;
        box.w = 60;
        box.h = 6;
        format.boxes << box;
    }
    SilentProgress progress;
    FormatStore store(*db);
    if (!store.SaveFormat(format, {}, 15360, progress)) return 1;
    const Format saved = *store.LoadFormat(format.name, 15360);
    Database::Transaction transaction(*db);
    for (int bill = 1; bill <= bills; ++bill) {
        const QVariantList values = {QStringLiteral("客户%1").arg(bill * 7919 % 5000),
                                     QString::number(bill % 9973 * 1.25, 'f', 2),
                                     QStringLiteral("第%1批，含“引号”, 逗号").arg(bill % 100)};
        for (int box = 0; box < values.size(); ++box)
            if (!db->Exec(HistorySql::kInsert, {bill, saved.name, saved.boxes[box].id, values[box]}))
                return 1;
    }
    return transaction.Commit() ? 0 : 1;
}
