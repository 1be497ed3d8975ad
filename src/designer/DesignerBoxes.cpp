// The designer's input boxes: building them from the records, numbering, adding,
// content in and out, selection.
#include "designer/DesignerView.h"

#include "content/Conversions.h"
#include "designer/BoxFactory.h"
#include "designer/BoxPlacement.h"
#include "designer/BoxTemplates.h"
#include "designer/CanvasScale.h"
#include "designer/DesignerTexts.h"
#include "designer/InputBox.h"
#include "designer/PageCanvas.h"
#include "designer/RecordEdit.h"
#include "core/Asker.h"
#include "store/Bill.h"
#include "store/Format.h"
#include "core/Progress.h"

#include <QLabel>
#include <algorithm>
#include <utility>

namespace {
bool HasContent(BoxKind kind) {
    return kind == BoxKind::Text || kind == BoxKind::Check || kind == BoxKind::Picture;
}
} // namespace

BoxRecord* DesignerView::RecordOf(const InputBox* box) const {
    return format_ && box ? format_->FindBox(box->Id()) : nullptr;
}

void DesignerView::DestroyBoxes() {
    if (dragging_) FinishDrag();
    // The box being typed in is left now: its text is converted before it goes.
    for (InputBox* box : boxes_)
        if (box->Kind() == BoxKind::Text && box->hasFocus()) OnEditingFinished(box);
    const QList<InputBox*> old = std::exchange(boxes_, {});
    for (InputBox* box : old) box->disconnect(this);
    qDeleteAll(old);
    counts_.fill(0);
    currentId_ = 0;
    dragging_ = false;
    dragMode_ = DragMode::None;
    dragId_ = 0;
}

void DesignerView::RebuildBoxes() {
    DestroyBoxes();
    if (!format_) return;
    SilentProgress silent;
    ProgressScope progress(progress_ ? *progress_ : silent, DesignerText::kReloadingFormat,
                           int(format_->boxes.size()));
    canvas_->hide();
    for (const BoxRecord& record : format_->boxes) {
        InputBox* box = CreateBox(record);
        if (box && HasContent(box->Kind())) {
            // An unlabelled text box holds fixed text, kept in the record.
            const bool fixedText = box->Kind() == BoxKind::Text && record.label.isEmpty();
            if (bill_ && bill_->Values().contains(record.id)) {
                box->ShowContent(bill_->Value(record.id));
            } else if (fixedText) {
                box->ShowContent(record.mem);
                StoreContent(box);
            }
        }
        progress.Step();
    }
    ShowCaptions();
    canvas_->show();
}

// Numbers the box within its kind; a kind that is full gets no more boxes.
InputBox* DesignerView::CreateBox(const BoxRecord& record) {
    const int kind = record.kind;
    if (kind < 0 || kind >= kBoxKindCount || counts_[kind] >= kMaxBoxesPerKind) return nullptr;
    BoxEnvironment environment;
    environment.twipsPerPixel = canvas_->TwipsPerPixel();
    environment.barcodeStandard = format_->page.options.barcodeStandard;
    InputBox* box = BoxFactory::Create(record, canvas_, environment, canvas_->Scale());
    if (!box) return nullptr;
    box->SetIdentity(record.id, BoxNumber(kind, ++counts_[kind]));
    if (box->Caption()) box->Caption()->setVisible(!canvas_->PaintsBackground());
    WireBox(box);
    boxes_.append(box);
    return box;
}

bool DesignerView::KindIsFull(int kind) {
    if (counts_[kind] < kMaxBoxesPerKind) return false;
    if (asker_) asker_->Message(DesignerText::kTooManyBoxes);
    return true;
}

// Stores a new record after the last one of its kind (the grid is ordered by kind,
// then ID, and new IDs are the highest) and builds its box.
InputBox* DesignerView::AddRecord(BoxRecord record) {
    record.id = format_->NextTemporaryId();
    qsizetype at = 0;
    for (qsizetype i = 0; i < format_->boxes.size(); ++i)
        if (format_->boxes[i].kind <= record.kind) at = i + 1;
    format_->boxes.insert(at, record);
    return CreateBox(record);
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
    const RecordEdit edit(*this, DesignerText::kStepAdd);
    InputBox* box = AddRecord(TemplateRecord(static_cast<BoxKind>(kind), canvas_->Scale()));
    if (!box) return nullptr;
    if (canvasTwips != QPoint()) {
        const QRect t = box->Twips();
        const QPoint delta = canvasTwips - t.topLeft();
        if (box->Kind() == BoxKind::Line) box->SetTwips(t.translated(delta));
        else box->SetTwips(ClampedMove(t, delta.x(), delta.y(), int(canvas_->CanvasWidth()),
                                       int(canvas_->CanvasHeight())));
        WriteBackPlace(box);
    }
    Q_EMIT RecordsChanged();
    return box;
}

void DesignerView::WriteBackPlace(InputBox* box) {
    if (BoxRecord* record = RecordOf(box)) BoxFactory::WritePlace(*box, *record, canvas_->Scale());
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
    if (bill_) bill_->SetValue(box->Id(), box->Content());
    BoxRecord* record = RecordOf(box);
    // Saving keeps an unlabelled text box's text with the format.
    if (record && box->Kind() == BoxKind::Text && record->label.isEmpty()) record->mem = box->Content();
}

void DesignerView::OnContentEdited(InputBox* box) {
    StoreContent(box);
    Q_EMIT ContentChanged(box->Id());
}

void DesignerView::OnEditingFinished(InputBox* box) {
    const BoxRecord* record = RecordOf(box);
    if (!record) return;
    const QString converted = ConvertByDataType(box->Content(), record->cash, settings_);
    if (converted == box->Content()) return;
    box->ShowContent(converted);
    OnContentEdited(box);
}

QString DesignerView::GetBoxContent(qint64 id) const {
    const InputBox* box = BoxById(id);
    return box ? box->Content() : QString();
}

void DesignerView::SetBoxContent(qint64 id, const QString& text) {
    InputBox* box = BoxById(id);
    const BoxRecord* record = RecordOf(box);
    if (!record || !HasContent(box->Kind())) return;
    if (box->Kind() == BoxKind::Text) box->ShowContent(FillBoxText(text, lineBreakMarker_, record->cash, settings_));
    else if (box->Kind() == BoxKind::Check) box->ShowContent(text.trimmed().isEmpty() ? QString() : QStringLiteral("1"));
    else box->ShowContent(text);
    OnContentEdited(box);
}

InputBox* DesignerView::BoxByNumber(int number) const {
    for (InputBox* box : boxes_)
        if (box->Number() == number) return box;
    return nullptr;
}

InputBox* DesignerView::BoxById(qint64 id) const {
    for (InputBox* box : boxes_)
        if (box->Id() == id) return box;
    return nullptr;
}

InputBox* DesignerView::CurrentBox() const {
    return currentId_ ? BoxById(currentId_) : nullptr;
}

void DesignerView::SetCurrentBox(InputBox* box) {
    currentId_ = box ? box->Id() : 0;
}

void DesignerView::ToggleSelected(InputBox* box) {
    if (box) box->SetSelected(!box->IsSelected());
}

void DesignerView::ClearSelection() {
    for (InputBox* box : boxes_) box->SetSelected(false);
}

// The selected boxes plus the current box, by kind and then by number.
QList<InputBox*> DesignerView::BoxesToActOn() const {
    QList<InputBox*> result;
    for (InputBox* box : boxes_)
        if (box->IsSelected() || box->Id() == currentId_) result.append(box);
    std::sort(result.begin(), result.end(),
              [](const InputBox* a, const InputBox* b) { return a->Number() < b->Number(); });
    return result;
}

// Captions tell which box is which on an empty page; over the background they would
// cover the bill's own printing.
void DesignerView::ShowCaptions() {
    const bool visible = !canvas_->PaintsBackground();
    for (InputBox* box : boxes_)
        if (box->Caption()) box->Caption()->setVisible(visible);
}
