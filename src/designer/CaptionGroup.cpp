#include "designer/CaptionGroup.h"

#include "designer/DesignerTexts.h"
#include "store/Format.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

CaptionGroup::CaptionGroup(bool withPlace, QWidget* parent) : PropertyGroup(DesignerText::kCaptionGroup, parent) {
    auto* layout = new QFormLayout(this);
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("LBL"));
    text_->setToolTip(DesignerText::kCaptionTip);
    layout->addRow(DesignerText::kCaptionText, text_);
    if (!withPlace) return;
    place_ = new QButtonGroup(this);
    auto* row = new QHBoxLayout;
    for (int dir = 0; dir < DesignerText::kCaptionPlaces.size(); ++dir) {
        auto* button = new QRadioButton(DesignerText::kCaptionPlaces[dir], this);
        place_->addButton(button, dir);
        row->addWidget(button);
    }
    layout->addRow(row);
}

void CaptionGroup::Load(const BoxRecord& record) {
    text_->setText(record.label);
    if (!place_) return;
    QAbstractButton* button = place_->button(record.dir);
    if (!button) button = place_->button(0); // an unknown place shows above, as it is drawn
    button->setChecked(true);
}

void CaptionGroup::Store(BoxRecord& record) const {
    record.label = text_->text();
    if (place_ && place_->checkedId() >= 0) record.dir = place_->checkedId();
}
