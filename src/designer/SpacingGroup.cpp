#include "designer/SpacingGroup.h"

#include "designer/DesignerTexts.h"
#include "designer/NumberField.h"
#include "store/Format.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

SpacingGroup::SpacingGroup(QWidget* parent) : PropertyGroup(parent) {
    auto* layout = new QFormLayout(this);
    characters_ = new NumberField(QStringLiteral("S"), this);
    characters_->setToolTip(DesignerText::kCharSpacingTip);
    lines_ = new NumberField(QStringLiteral("L"), this);
    layout->addRow(DesignerText::kCharSpacing, characters_);
    layout->addRow(DesignerText::kLineSpacing, lines_);
    auto* box = new QGroupBox(DesignerText::kAlignmentGroup, this);
    auto* row = new QHBoxLayout(box);
    alignment_ = new QButtonGroup(this);
    for (int code = 0; code < DesignerText::kAlignments.size(); ++code) {
        auto* button = new QRadioButton(DesignerText::kAlignments[code], box);
        alignment_->addButton(button, code);
        row->addWidget(button);
    }
    layout->addRow(box);
}

void SpacingGroup::Load(const BoxRecord& record) {
    characters_->SetValue(record.s);
    lines_->SetValue(record.LineSpacing());
    loadedAlignment_ = record.AlignmentCode();
    alignment_->setExclusive(false);
    for (QAbstractButton* button : alignment_->buttons()) button->setChecked(false);
    alignment_->setExclusive(true);
    if (QAbstractButton* button = alignment_->button(loadedAlignment_)) button->setChecked(true);
}

void SpacingGroup::Store(BoxRecord& record) const {
    record.s = characters_->Value();
    const int alignment = alignment_->checkedId() >= 0 ? alignment_->checkedId() : loadedAlignment_;
    record.SetSpacing(alignment, lines_->Value());
}
