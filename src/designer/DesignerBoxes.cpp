// The designer's input boxes: building them from the records, numbering, adding,
// content in and out, selection.
#include "designer/DesignerView.h"

#include "aids/AidContext.h"
#include "aids/EntryPath.h"
#include "designer/BoxFactory.h"
#include "designer/BoxPlacement.h"
#include "designer/BoxTemplates.h"
#include "designer/CanvasScale.h"
#include "designer/DesignerTexts.h"
#include "designer/InputBox.h"
#include "designer/PageCanvas.h"
#include "document/BoxEditing.h"
#include "designer/TextInputBox.h"
#include "document/FormatDocument.h"
#include "core/Asker.h"
#include "store/BoxKinds.h"
#include "store/Format.h"
#include "core/Progress.h"

#include <QLabel>
#include <algorithm>
#include <utility>

const BoxRecord* DesignerView::RecordOf(const InputBox* box) const {
    return document_ && box ? document_->Record(box->Id()) : nullptr;
}

void DesignerView::DestroyBoxes() {
    if (dragging_) FinishDrag();
    // The box being typed in is left now: its text is converted before it goes.
    for (InputBox* box : boxes_)
        if (box->Kind() == BoxKind::Text && box->hasFocus()) OnEditingFinished(box);
    const QList<InputBox*> old = std::exchange(boxes_, {});
    boxesById_.clear();
    for (InputBox* box : old) {
        // A box that still has the focus reports losing it while it is destroyed;
        // nothing of it may reach the view any more.
        box->disconnect(this);
        for (QWidget* part : box->Parts()) part->removeEventFilter(this);
    }
    qDeleteAll(old);
    counts_.fill(0);
    dragging_ = false;
    dragMode_ = DragMode::None;
    dragId_ = 0;
}

void DesignerView::RebuildBoxes() {
    DestroyBoxes();
    if (!format_ || !(canvas_->CanvasWidth() > 0)) return;
    SilentProgress silent;
    ProgressScope progress(progress_ ? *progress_ : silent, DesignerText::kReloadingFormat,
                           int(format_->boxes.size()));
    canvas_->hide();
    for (const BoxRecord& record : format_->boxes) {
        InputBox* box = CreateBox(record);
        if (box && HoldsContent(box->Kind()) && document_->GetBill().Values().contains(record.id))
            box->ShowContent(document_->Content(record.id));
        progress.Step();
    }
    ShowCaptions();
    canvas_->show();
}

// Numbers the box within its kind; a kind that is full gets no more boxes.
InputBox* DesignerView::CreateBox(const BoxRecord& record) {
    const int kind = static_cast<int>(record.kind);
    if (kind < 0 || kind >= kBoxKindCount || counts_[kind] >= kMaxBoxesPerKind) return nullptr;
    BoxEnvironment environment;
    environment.twipsPerPixel = canvas_->TwipsPerPixel();
    environment.barcodeStandard = format_->page.options.barcodeStandard;
    InputBox* box = BoxFactory::Create(record, canvas_, environment, canvas_->Scale());
    if (!box) return nullptr;
    box->SetIdentity(record.id, BoxNumber(kind, ++counts_[kind]));
    if (box->Caption()) box->Caption()->setVisible(!canvas_->PaintsBackground());
    if (document_->IsSelected(record.id)) box->SetSelected(true);
    if (document_->CurrentId() == record.id) box->SetCurrent(true);
    WireBox(box);
    boxes_.append(box);
    boxesById_.insert(record.id, box);
    return box;
}

bool DesignerView::KindIsFull(int kind) {
    if (counts_[kind] < kMaxBoxesPerKind) return false;
    if (asker_) asker_->Message(DesignerText::kTooManyBoxes);
    return true;
}

InputBox* DesignerView::AddBox(int kind, QPoint canvasTwips) {
    if (!format_) return nullptr;
    if (kind == -1) {
        if (!asker_) return nullptr;
        const auto chosen = asker_->ChooseItem(DesignerText::kChooseKind, DesignerText::kKindChoices, 0);
        if (!chosen) return nullptr;
        kind = *chosen;
    }
    if (kind < 0 || kind >= kBoxKindCount || KindIsFull(kind)) return nullptr;
    BoxRecord record = TemplateRecord(static_cast<BoxKind>(kind), canvas_->Scale());
    FitLabelToText(record, canvas_->Scale(), canvas_->TwipsPerPixel());
    if (canvasTwips != QPoint()) {
        const CanvasScale scale = canvas_->Scale();
        const QPointF at(scale.CanvasToMm(canvasTwips.x()), scale.CanvasToMm(canvasTwips.y()));
        record = MovedRecord(record, at - QPointF(record.x, record.y), Area());
    }
    return BoxById(document_->AddRecord(record, DesignerText::kStepAdd));
}

void DesignerView::WireBox(InputBox* box) {
    connect(box, &InputBox::ContentEdited, this, &DesignerView::OnContentEdited);
    connect(box, &InputBox::EditingFinished, this, &DesignerView::OnEditingFinished);
    connect(box, &InputBox::CtrlClicked, this, &DesignerView::ToggleSelected);
    connect(box, &InputBox::MenuRequested, this, &DesignerView::ShowBoxMenu);
    // Hit areas need the pointer while no button is down.
    for (QWidget* part : box->Parts()) {
        part->setMouseTracking(true);
        part->installEventFilter(this);
    }
}

void DesignerView::StoreContent(InputBox* box) {
    if (document_) document_->SetContent(box->Id(), box->Content());
}

void DesignerView::OnContentEdited(InputBox* box) {
    StoreContent(box);
    // A tick is entered at once; typed text when the box is left.
    if (box->Kind() == BoxKind::Check) LeaveBox(box, std::nullopt);
}

void DesignerView::OnEditingFinished(InputBox* box) {
    const auto* text = qobject_cast<TextInputBox*>(box);
    LeaveBox(box, text ? text->ContentAtFocus() : std::nullopt);
}

void DesignerView::LeaveBox(InputBox* box, const std::optional<QString>& held) {
    if (!RecordOf(box)) return;
    LeaveTypedBox(*document_, box->Id(), held, EntryContext());
    Q_EMIT BoxEdited(box->Id());
}

QString DesignerView::GetBoxContent(qint64 id) const {
    return document_ ? document_->Content(id) : QString();
}

InputBox* DesignerView::BoxByNumber(int number) const {
    for (InputBox* box : boxes_)
        if (box->Number() == number) return box;
    return nullptr;
}

InputBox* DesignerView::BoxById(qint64 id) const { return boxesById_.value(id); }

InputBox* DesignerView::CurrentBox() const {
    return document_ ? BoxById(document_->CurrentId()) : nullptr;
}

void DesignerView::SetCurrentBox(InputBox* box) {
    if (document_) document_->SetCurrent(box ? box->Id() : 0);
}

void DesignerView::ToggleSelected(InputBox* box) {
    if (box && document_) document_->SetSelected(box->Id(), !document_->IsSelected(box->Id()));
}

void DesignerView::ClearSelection() {
    if (document_) document_->ClearSelection();
}

// The selected boxes plus the current box, in record order (by kind, then number).
QList<InputBox*> DesignerView::BoxesToActOn() const {
    QList<InputBox*> result;
    if (!document_) return result;
    for (qint64 id : document_->IdsToActOn())
        if (InputBox* box = BoxById(id)) result.append(box);
    return result;
}

// Captions tell which box is which on an empty page; over the background they would
// cover the bill's own printing.
void DesignerView::ShowCaptions() {
    const bool visible = !canvas_->PaintsBackground();
    for (InputBox* box : boxes_)
        if (box->Caption()) box->Caption()->setVisible(visible);
}
