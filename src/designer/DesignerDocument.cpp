// The designer as a view of the document: boxes are built, dropped, re-placed and
// refilled one record at a time as the document signals; each signal says what
// changed, so a moved box is only re-placed and a page change refits the page.
#include "designer/DesignerView.h"

#include "designer/BoxFactory.h"
#include "designer/BoxPlacement.h"
#include "designer/CanvasScale.h"
#include "designer/InputBox.h"
#include "designer/PageCanvas.h"
#include "document/FormatDocument.h"

#include <QUndoStack>

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
        DestroyBoxes();
        if (document_->IsOpen()) Rebuild();
    });
    connect(document_, &FormatDocument::Rekeyed, this, &DesignerView::RebuildBoxes);
    connect(document_, &FormatDocument::RecordInserted, this, &DesignerView::OnRecordInserted);
    connect(document_, &FormatDocument::RecordRemoved, this, &DesignerView::OnRecordRemoved);
    connect(document_, &FormatDocument::RecordChanged, this, &DesignerView::OnRecordChanged);
    connect(document_, &FormatDocument::ContentChanged, this, &DesignerView::OnContentChanged);
    connect(document_, &FormatDocument::SelectionChanged, this, &DesignerView::OnSelectionChanged);
    connect(document_, &FormatDocument::CurrentChanged, this, &DesignerView::OnCurrentChanged);
    connect(document_, &FormatDocument::PageChanged, this, &DesignerView::OnPageChanged);
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

void DesignerView::OnRecordChanged(qint64 id, RecordParts what) {
    InputBox* box = BoxById(id);
    const BoxRecord* record = document_->Record(id);
    if (!box || !record) return;
    if (what.testFlag(RecordPart::Kind)) {
        RebuildBoxes(); // another kind needs another widget
        return;
    }
    if (what != RecordPart::Geometry) box->ApplyRecord(*record);
    if (what.testFlag(RecordPart::Geometry))
        box->SetTwips(BoxFactory::TwipsFromRecord(*record, canvas_->Scale()));
    // A new data type shows at once: the text enters again, converted by it; the
    // aids follow only when that changed it.
    if (what.testFlag(RecordPart::DataType) && box->Kind() == BoxKind::Text) LeaveBox(box, document_->Content(id));
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

void DesignerView::OnCurrentChanged(qint64 id) {
    for (InputBox* box : std::as_const(boxes_))
        if (box->IsCurrent() != (box->Id() == id)) box->SetCurrent(box->Id() == id);
}

// A new size fits the page again, which places every box anew; other options are
// shown as they are; boxes draw their barcodes again in a new standard.
void DesignerView::OnPageChanged(PageParts what) {
    if (what.testFlag(PagePart::Size)) {
        FitPageToViewport();
        Q_EMIT PageChanged();
    } else if (what.testFlag(PagePart::Barcode)) {
        for (InputBox* box : std::as_const(boxes_))
            box->SetBarcodeStandard(format_->page.options.barcodeStandard);
    }
    if (what.testFlag(PagePart::Options)) ApplyOptions();
}
