#include "AidsFixture.h"

#include "aids/EntryPath.h"
#include "core/Progress.h"
#include "records/History.h"
#include "store/Bill.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

#include <cmath>

Format MakeAidsFormat(const QString& name, const QList<Box>& boxes, qint64 firstId) {
    Format format;
    format.name = name;
    format.page.width = 210;
    format.page.height = 99;
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        const Box& spec = boxes[i];
        BoxRecord box;
        box.id = firstId + i;
        box.kind = spec.kind;
        box.label = spec.label.isEmpty() ? QStringLiteral("框%1").arg(i + 1) : spec.label;
        box.x = 10;
        box.y = 5 + 2 * double(i % 40);
        box.w = 30;
        box.h = 6;
        box.fontSize = 10;
        box.cash = spec.cash;
        box.rctl = spec.rctl;
        box.rctl1 = spec.rctl1;
        box.sumId = spec.sumId;
        box.sumId1 = spec.sumId1;
        format.boxes << box;
    }
    return format;
}

void AidsTest::Open(const QList<Box>& boxes) { document.Open(MakeAidsFormat(QStringLiteral("测试"), boxes)); }

void AidsTest::Type(qint64 id, const QString& text) {
    const QString held = document.Content(id);
    document.SetContent(id, text);
    LeaveTypedBox(document, id, held, context);
}

AidsDbTest::AidsDbTest() : db(OpenDataDatabase()) { context.db = db.get(); }

namespace {
// A link naming the n-th box (1-based) rewritten to name its stored ID.
double Retarget(double link, const Format& stored) {
    const qint64 n = LinkTarget(link);
    if (n == 0 || n > stored.boxes.size()) return link;
    return RetargetLink(link, stored.boxes[n - 1].id);
}
} // namespace

Format AidsDbTest::StoreAndOpen(const QString& name, const QList<Box>& boxes) {
    Format format = MakeAidsFormat(name, boxes, kFirstTemporaryId);
    for (BoxRecord& box : format.boxes) box.rctl = box.rctl1 = 0, box.sumId = box.sumId1 = 0;
    SilentProgress progress;
    FormatStore store(*db);
    EXPECT_TRUE(store.SaveFormat(format, name, 15360, progress));
    Format stored = store.LoadFormat(name, 15360).value_or(Format());
    stored.name = name;
    for (qsizetype i = 0; i < stored.boxes.size() && i < boxes.size(); ++i) {
        BoxRecord& box = stored.boxes[i];
        box.rctl = Retarget(boxes[i].rctl, stored);
        box.rctl1 = qint64(Retarget(double(boxes[i].rctl1), stored));
        box.sumId = Retarget(boxes[i].sumId, stored);
        box.sumId1 = Retarget(boxes[i].sumId1, stored);
    }
    document.Open(stored);
    return stored;
}

qint64 AidsDbTest::IdOf(const QString& label) const {
    for (const BoxRecord& box : document.GetFormat().boxes)
        if (box.label == label) return box.id;
    ADD_FAILURE() << "no box " << label.toStdString();
    return 0;
}

void AidsDbTest::SaveBill(const QList<QPair<QString, QString>>& values) {
    Bill bill;
    for (const auto& [label, value] : values) bill.SetValue(IdOf(label), value);
    EXPECT_EQ(SaveHistory(*db, document.GetFormat(), bill).outcome, SavedBill::Outcome::Added);
}
