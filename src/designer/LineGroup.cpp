#include "designer/LineGroup.h"

#include "content/LineStyles.h"
#include "content/layout/BoxFont.h"
#include "designer/ColorButton.h"
#include "designer/DesignerTexts.h"
#include "designer/InputBox.h"
#include "designer/NumberField.h"
#include "store/Format.h"

#include <QComboBox>
#include <QFormLayout>
#include <QPainter>
#include <algorithm>
#include <cmath>

// The line as it will look, across the preview's width.
class LinePreview : public QWidget {
public:
    explicit LinePreview(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("LinePreview"));
        setMinimumSize(120, 24);
    }
    void Show(const QPen& pen) {
        pen_ = pen;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setPen(pen_);
        painter.drawLine(QPointF(4, height() / 2.0), QPointF(width() - 4, height() / 2.0));
    }

private:
    QPen pen_;
};


LineGroup::LineGroup(QWidget* parent) : PropertyGroup(parent) {
    auto* layout = new QFormLayout(this);
    width_ = new NumberField(QStringLiteral("fSize"), this);
    style_ = new QComboBox(this);
    style_->setObjectName(QStringLiteral("Cash"));
    style_->addItems(DesignerText::kLineStyles);
    color_ = new ColorButton(DesignerText::kLineColor, this);
    color_->setObjectName(QStringLiteral("Color"));
    preview_ = new LinePreview(this);
    layout->addRow(DesignerText::kLineWidth, width_);
    layout->addRow(DesignerText::kLineStyle, style_);
    layout->addRow(color_);
    layout->addRow(DesignerText::kLinePreview, preview_);
    connect(width_, &NumberField::textChanged, this, &LineGroup::ShowPreview);
    connect(style_, &QComboBox::currentIndexChanged, this, &LineGroup::ShowPreview);
    connect(color_, &ColorButton::ColorChanged, this, &LineGroup::ShowPreview);
}

// A stored style outside 1 .. 5 selects nothing and is kept.
void LineGroup::Load(const BoxRecord& record) {
    width_->SetValue(record.fontSize);
    style_->setCurrentIndex(LineStyleIndex(record.cash).value_or(-1));
    color_->SetColor(RecordColor(record.color));
    ShowPreview();
}

void LineGroup::Store(BoxRecord& record) const {
    record.fontSize = width_->Value();
    if (style_->currentIndex() >= 0) record.cash = LineStyleCode(style_->currentIndex());
    record.color = RecordFromColor(color_->Color());
}

void LineGroup::ShowPreview() {
    const int index = std::max(0, style_->currentIndex());
    const double width = std::clamp(width_->Value(), 1.0, 20.0);
    preview_->Show(QPen(color_->Color(), width, kLineStyles[index]));
}
