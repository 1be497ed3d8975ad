#pragma once
// Makes the record changes of one scope a single undo step of the designer.
#include "designer/DesignerView.h"

class RecordEdit {
public:
    RecordEdit(DesignerView& view, const QString& text) : view_(view), text_(text) { view_.BeginEdit(); }
    ~RecordEdit() { view_.EndEdit(text_); }
    RecordEdit(const RecordEdit&) = delete;
    RecordEdit& operator=(const RecordEdit&) = delete;

private:
    DesignerView& view_;
    QString text_;
};
