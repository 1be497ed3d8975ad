#include "designer/FontGroup.h"

#include "content/layout/BoxFont.h"
#include "designer/ColorButton.h"
#include "designer/DesignerTexts.h"
#include "designer/FontChoices.h"
#include "designer/InputBox.h"
#include "designer/NumberField.h"
#include "core/Asker.h"
#include "store/Format.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

FontGroup::FontGroup(Asker* asker, QWidget* parent) : PropertyGroup(DesignerText::kFontGroup, parent), asker_(asker) {
    auto* layout = new QGridLayout(this);
    auto* chooseName = new QPushButton(DesignerText::kFontButton, this);
    chooseName->setObjectName(QStringLiteral("FontName"));
    chooseName->setEnabled(asker_ != nullptr);
    name_ = new QLabel(this);
    name_->setObjectName(QStringLiteral("fName"));
    size_ = new NumberField(QStringLiteral("fSize"), this);
    color_ = new ColorButton(DesignerText::kColorButton, this);
    color_->setObjectName(QStringLiteral("Color"));
    layout->addWidget(chooseName, 0, 0);
    layout->addWidget(name_, 0, 1, 1, 2);
    layout->addWidget(color_, 0, 3);
    layout->addWidget(new QLabel(DesignerText::kFontSize, this), 1, 0);
    layout->addWidget(size_, 1, 1);
    const char* names[] = {"fBold", "fItalic", "fUnderline", "fStrikethru"};
    for (int i = 0; i < DesignerText::kFontStyles.size(); ++i) {
        auto* style = new QCheckBox(DesignerText::kFontStyles[i], this);
        style->setObjectName(QLatin1String(names[i]));
        layout->addWidget(style, 2, i);
        styles_.append(style);
        connect(style, &QCheckBox::toggled, this, &FontGroup::ShowSample);
    }
    sample_ = new QLabel(DesignerText::kSampleText, this);
    sample_->setObjectName(QStringLiteral("Sample"));
    sample_->setMinimumHeight(40);
    layout->addWidget(sample_, 3, 0, 1, 4);
    connect(chooseName, &QPushButton::clicked, this, &FontGroup::ChooseName);
    connect(size_, &NumberField::textChanged, this, &FontGroup::ShowSample);
    connect(color_, &ColorButton::ColorChanged, this, &FontGroup::ShowSample);
}

void FontGroup::Load(const BoxRecord& record) {
    name_->setText(record.fontName);
    size_->SetValue(record.fontSize);
    const bool flags[] = {record.bold, record.italic, record.underline, record.strikeout};
    for (int i = 0; i < styles_.size(); ++i) styles_[i]->setChecked(flags[i]);
    color_->SetColor(RecordColor(record.color));
    ShowSample();
}

void FontGroup::Store(BoxRecord& record) const {
    record.fontName = name_->text();
    record.fontSize = size_->Value();
    record.bold = styles_[0]->isChecked();
    record.italic = styles_[1]->isChecked();
    record.underline = styles_[2]->isChecked();
    record.strikeout = styles_[3]->isChecked();
    record.color = RecordFromColor(color_->Color());
}

void FontGroup::ChooseName() {
    const FontChoices choices = MakeFontChoices(QFontDatabase::families(), name_->text());
    const auto chosen = asker_->ChooseItem(DesignerText::kChooseFont, choices.families, choices.current);
    if (!chosen || *chosen < 0 || *chosen >= choices.families.size()) return;
    name_->setText(choices.families[*chosen]);
    ShowSample();
}

void FontGroup::ShowSample() {
    BoxRecord record;
    Store(record);
    sample_->setFont(FontFromRecord(record));
    QPalette palette = sample_->palette();
    palette.setColor(QPalette::WindowText, color_->Color());
    sample_->setPalette(palette);
}
