#include "RecordsFixture.h"

#include "store/FormatStore.h"
#include "store/Schema.h"

RecordsTest::RecordsTest() : db(OpenDataDatabase()) {}

Format RecordsTest::StoreFormat(const QString& name, const QList<BoxSpec>& boxes) {
    Format format;
    format.name = name;
    format.page.width = 210;
    format.page.height = 99;
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        BoxRecord box;
        box.id = kFirstTemporaryId + i;
        box.kind = boxes[i].kind;
        box.label = boxes[i].label;
        box.x = 10;
        box.y = 5 + 8 * double(i);
        box.w = 40;
        box.h = 6;
        box.fontSize = 10.5;
        format.boxes << box;
    }
    FormatStore store(*db);
    EXPECT_TRUE(store.SaveFormat(format, name, 15360, progress));
    return store.LoadFormat(name, 15360).value_or(Format());
}

qint64 RecordsTest::Count(const QString& sql, const QVariantList& params) {
    return db->Query(sql, params).rows.value(0).value(0).toLongLong();
}

qint64 RecordsTest::IdOf(const Format& format, const QString& label) {
    for (const BoxRecord& box : format.boxes)
        if (box.label == label) return box.id;
    ADD_FAILURE() << "no box " << label.toStdString();
    return 0;
}

Bill RecordsTest::BillOf(const Format& format, const QList<QPair<QString, QString>>& values) {
    Bill bill;
    for (const auto& [label, value] : values) bill.SetValue(IdOf(format, label), value);
    return bill;
}
