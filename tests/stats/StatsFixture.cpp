#include "StatsFixture.h"

#include "core/Progress.h"
#include "records/History.h"
#include "store/Bill.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

StatsTest::StatsTest() : db(OpenDataDatabase()) {}

void StatsTest::StoreFormat(const QList<TypedBox>& boxes, const QString& currency) {
    Format built;
    built.name = QStringLiteral("发票");
    built.page.width = 210;
    built.page.height = 99;
    built.page.options.currency = currency;
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        BoxRecord box;
        box.id = kFirstTemporaryId + i;
        box.kind = boxes[i].kind;
        box.label = boxes[i].label;
        box.cash = boxes[i].dataType;
        box.x = 10;
        box.y = 5 + 8 * double(i);
        box.w = 40;
        box.h = 6;
        box.fontSize = 10.5;
        built.boxes << box;
    }
    SilentProgress progress;
    FormatStore store(*db);
    ASSERT_TRUE(store.SaveFormat(built, built.name, 15360, progress));
    format = store.LoadFormat(built.name, 15360).value_or(Format());
}

void StatsTest::AddBill(const QList<QPair<QString, QString>>& values) {
    Bill bill;
    for (const auto& [label, value] : values) {
        qint64 id = 0;
        for (const BoxRecord& box : format.boxes)
            if (box.label == label) id = box.id;
        ASSERT_NE(id, 0) << label.toStdString();
        bill.SetValue(id, value);
    }
    ASSERT_EQ(SaveHistory(*db, format, bill).outcome, SavedBill::Outcome::Added);
}

StatsRequest StatsTest::Request(const QString& from, const QString& to) const {
    StatsRequest request;
    request.formatName = format.name;
    request.from = QDate::fromString(from, Qt::ISODate);
    request.to = QDate::fromString(to, Qt::ISODate);
    return request;
}

QList<QStringList> StatsTest::Rows(const StatsResult& result) {
    return result.Table().mid(1);
}
