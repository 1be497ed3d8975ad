// The property dialogs of the boxes: opened from the box menu; OK hands the changed
// records to the document as one step, and the boxes follow it.
#include "designer/DesignerView.h"

#include "designer/BoxFactory.h"
#include "designer/CanvasScale.h"
#include "designer/BoxPropertyDialog.h"
#include "designer/DesignerTexts.h"
#include "designer/InputBox.h"
#include "designer/PageCanvas.h"
#include "document/FormatDocument.h"
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
    document_->ChangeRecords(dialog.ChangedRecords(), DesignerText::kStepProperties);
}
