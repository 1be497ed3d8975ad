// The property dialogs of the boxes: opened from the box menu, their records written
// back on OK and the boxes rebuilt from them.
#include "designer/DesignerView.h"

#include "designer/BoxFactory.h"
#include "designer/CanvasScale.h"
#include "designer/BoxPropertyDialog.h"
#include "designer/DesignerTexts.h"
#include "designer/InputBox.h"
#include "designer/PageCanvas.h"
#include "designer/RecordEdit.h"
#include "store/Format.h"

void DesignerView::EditCurrentBoxProperties() {
    EditBoxProperties(CurrentBox());
}

void DesignerView::EditBoxProperties(InputBox* box) {
    if (!format_ || !box || IsLocked()) return;
    qsizetype row = -1;
    for (qsizetype i = 0; i < format_->boxes.size() && row < 0; ++i)
        if (format_->boxes[i].id == box->Id()) row = i;
    if (row < 0) return;
    PropertyContext context;
    context.asker = asker_;
    context.params = params_;
    context.formatName = format_->name;
    BoxPropertyDialog dialog(format_->boxes, int(row), context, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const RecordEdit edit(*this, DesignerText::kStepProperties);
    for (const BoxRecord& record : dialog.ChangedRecords()) ApplyEditedRecord(record);
}

// A new data type shows at once: the text is converted by it again.
void DesignerView::ApplyEditedRecord(const BoxRecord& record) {
    BoxRecord* target = format_->FindBox(record.id);
    if (!target) return;
    *target = record;
    if (InputBox* box = BoxById(record.id)) {
        BoxFactory::Apply(*box, *target, canvas_->Scale());
        if (box->Kind() == BoxKind::Text) OnEditingFinished(box);
    }
    Q_EMIT RecordChanged(record.id);
}
