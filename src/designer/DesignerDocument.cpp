// The designer as a view of the document: boxes are built, dropped, re-placed and
// refilled one record at a time as the document signals, and arrangement made with
// the mouse or keys is staged and handed to the document as one edit.
#include "designer/DesignerView.h"

#include "designer/BoxFactory.h"
#include "designer/BoxPlacement.h"
#include "designer/CanvasScale.h"
#include "designer/DesignerTexts.h"
#include "designer/InputBox.h"
#include "designer/PageCanvas.h"
#include "document/FormatDocument.h"

#include <QLabel>
#include <QUndoStack>

namespace {
// Whether two records differ only in where the box lies.
bool OnlyPlaceDiffers(BoxRecord a, const BoxRecord& b) {
    a.x = b.x, a.y = b.y, a.w = b.w, a.h = b.h;
    a.mem = b.mem;
    return a == b;
}
} // namespace

void DesignerView::SetDocument(FormatDocument* document) {
    if (document_ == document) return;
    if (document_) document_->disconnect(this);
    DestroyBoxes();
    document_ = document;
    format_ = document ? &document->GetFormat() : nullptr;
    if (!document_) return;
    ConnectDocument();
    connect(document_->UndoStack(), &QUndoStack::canUndoChanged, undoAction_, &QAction::setEnabled);
    connect(document_->UndoStack(), &QUndoStack::canRedoChanged, redoAction_, &QAction::setEnabled);
    undoAction_->setEnabled(document_->UndoStack()->canUndo());
    redoAction_->setEnabled(document_->UndoStack()->canRedo());
}

QUndoStack* DesignerView::UndoStack() const { return document_ ? document_->UndoStack() : nullptr; }

void DesignerView::ConnectDocument() {
    connect(document_, &FormatDocument::Opened, this, [this] {
        editDepth_ = 0;
        stagedOrder_.clear();
        stagedPlaces_.clear();
        stagedRecords_.clear();
        DestroyBoxes();
        if (document_->IsOpen()) Rebuild();
    });
    connect(document_, &FormatDocument::Rekeyed, this, &DesignerView::RebuildBoxes);
    connect(document_, &FormatDocument::RecordInserted, this, &DesignerView::OnRecordInserted);
    connect(document_, &FormatDocument::RecordRemoved, this, &DesignerView::OnRecordRemoved);
    connect(document_, &FormatDocument::RecordChanged, this, &DesignerView::OnRecordChanged);
    connect(document_, &FormatDocument::ContentChanged, this, &DesignerView::OnContentChanged);
    connect(document_, &FormatDocument::SelectionChanged, this, &DesignerView::OnSelectionChanged);
}

void DesignerView::OnRecordInserted(qint64 id, int row) {
    if (!(canvas_->CanvasWidth() > 0)) return;
    InputBox* box = CreateBox(format_->boxes[row]);
    if (!box) return;
    // Keep the list in record order, which is the numbering order.
    boxes_.removeLast();
    int at = 0;
    for (int i = 0; i < row; ++i)
        if (boxesById_.contains(format_->boxes[i].id)) ++at;
    boxes_.insert(at, box);
    if (document_->GetBill().Values().contains(id)) box->ShowContent(document_->Content(id));
    Renumber();
}

void DesignerView::OnRecordRemoved(qint64 id) {
    InputBox* box = boxesById_.take(id);
    if (!box) return;
    if (dragging_ && dragId_ == id) FinishDrag();
    shown_.remove(id);
    boxes_.removeOne(box);
    box->disconnect(this);
    for (QWidget* part : box->Parts()) part->removeEventFilter(this);
    delete box;
    Renumber();
}

// Box numbers count within each kind in record order.
void DesignerView::Renumber() {
    counts_.fill(0);
    for (InputBox* box : boxes_) {
        const int kind = static_cast<int>(box->Kind());
        box->SetIdentity(box->Id(), BoxNumber(kind, ++counts_[kind]));
    }
}

void DesignerView::OnRecordChanged(qint64 id) {
    InputBox* box = BoxById(id);
    const BoxRecord* record = document_->Record(id);
    if (!box || !record) return;
    if (record->kind != box->Kind()) {
        RebuildBoxes(); // another kind needs another widget
        return;
    }
    const auto shown = shown_.constFind(id);
    const bool known = shown != shown_.constEnd();
    const bool placeOnly = known && OnlyPlaceDiffers(*shown, *record);
    const bool newType = known && shown->cash != record->cash;
    if (!placeOnly) BoxFactory::Apply(*box, *record, canvas_->Scale());
    // The place the box was given on screen, unless the record says otherwise (undo).
    const auto pending = pendingPlaces_.constFind(id);
    BoxRecord placed = *record;
    if (pending != pendingPlaces_.constEnd()) BoxFactory::WritePlace(box->Kind(), *pending, placed, canvas_->Scale());
    if (pending != pendingPlaces_.constEnd() && placed == *record) box->SetTwips(*pending);
    else box->SetTwips(BoxFactory::TwipsFromRecord(*record, canvas_->Scale()));
    shown_.insert(id, *record);
    // A new data type shows at once: the text enters again, converted by it; the
    // aids follow only when that changed it.
    if (newType && box->Kind() == BoxKind::Text) LeaveBox(box, document_->Content(id));
}

void DesignerView::OnContentChanged(qint64 id) {
    InputBox* box = BoxById(id);
    if (!box) return;
    const QString value = document_->Content(id);
    // The box being typed in already shows it; setting it again would move the caret.
    if (box->Content() != value) box->ShowContent(value);
}

void DesignerView::OnSelectionChanged(qint64 id) {
    if (InputBox* box = BoxById(id)) box->SetSelected(document_->IsSelected(id));
}

QRect DesignerView::PlaceOf(const InputBox* box) const {
    return stagedPlaces_.value(box->Id(), box->Twips());
}

void DesignerView::StagePlace(InputBox* box, const QRect& twips) {
    if (!stagedPlaces_.contains(box->Id()) && !stagedRecords_.contains(box->Id()))
        stagedOrder_.append(box->Id());
    stagedPlaces_.insert(box->Id(), twips);
    if (editDepth_ == 0) CommitStaged(DesignerText::kStepMove, EditRun::None);
}

void DesignerView::StageRecord(const BoxRecord& record) {
    if (!stagedPlaces_.contains(record.id) && !stagedRecords_.contains(record.id))
        stagedOrder_.append(record.id);
    stagedRecords_.insert(record.id, record);
    if (editDepth_ == 0) CommitStaged(DesignerText::kStepProperties, EditRun::None);
}

void DesignerView::CommitStaged(const QString& text, EditRun run) {
    QList<BoxRecord> records;
    records.reserve(stagedOrder_.size());
    for (qint64 id : std::as_const(stagedOrder_)) {
        const BoxRecord* current = document_ ? document_->Record(id) : nullptr;
        if (!current) continue;
        BoxRecord record = stagedRecords_.value(id, *current);
        const auto place = stagedPlaces_.constFind(id);
        if (place != stagedPlaces_.constEnd()) {
            BoxFactory::WritePlace(record.kind, *place, record, canvas_->Scale());
            pendingPlaces_.insert(id, *place);
        }
        records.append(record);
    }
    stagedOrder_.clear();
    stagedPlaces_.clear();
    stagedRecords_.clear();
    if (!records.isEmpty()) document_->ChangeRecords(records, text, run);
    pendingPlaces_.clear();
}
