#include "scan/ProposalRecords.h"

#include "document/FormatDocument.h"
#include "scan/ScanTexts.h"
#include "store/BoxLinks.h"

#include <QSaveFile>
#include <QUndoStack>

#include <cmath>

namespace {

double Rounded(double mm) { return std::round(mm * 100) / 100; }

} // namespace

BoxRecord RecordOf(const ProposedBox& box) {
    BoxRecord record;
    record.kind = box.kind;
    record.label = box.label;
    record.x = Rounded(box.mm.x());
    record.y = Rounded(box.mm.y());
    record.w = Rounded(box.mm.width());
    record.h = Rounded(box.mm.height());
    record.fontName = QStringLiteral("宋体");
    record.fontSize = box.kind == BoxKind::Text ? 10.5 : 9;
    record.cash = box.kind == BoxKind::Text ? box.dataType : 0;
    return record;
}

QString FreeLabel(const QString& label, const QSet<QString>& taken) {
    if (!taken.contains(label)) return label;
    for (int n = 2;; ++n)
        if (const QString numbered = label + QString::number(n); !taken.contains(numbered)) return numbered;
}

QList<qint64> ApplyProposal(FormatDocument& document, const QList<ProposedBox>& boxes) {
    QSet<QString> taken;
    for (const BoxRecord& box : document.GetFormat().boxes) taken.insert(box.label);
    QList<BoxRecord> records;
    for (const ProposedBox& box : boxes) {
        records.append(RecordOf(box));
        records.last().label = FreeLabel(box.label, taken);
        taken.insert(records.last().label);
    }
    QUndoStack* undo = document.UndoStack();
    undo->beginMacro(ScanTexts::kStep);
    const QList<qint64> ids = document.AddRecords(records, ScanTexts::kStep);
    QList<BoxRecord> linked;
    for (qsizetype i = 0; i < boxes.size() && i < ids.size(); ++i) {
        const int into = boxes[i].productInto;
        if (into < 0 || into >= ids.size()) continue;
        BoxRecord record = *document.Record(ids[i]);
        record.SetSum({ids[into], true, false});
        linked.append(record);
    }
    if (!linked.isEmpty()) document.ChangeRecords(linked, ScanTexts::kStep);
    undo->endMacro();
    return ids;
}

bool SaveBackground(const QImage& picture, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!picture.save(&file, "JPG", 90)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
