#include "designer/ColorButton.h"

#include <QColorDialog>

ColorButton::ColorButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    connect(this, &QPushButton::clicked, this, &ColorButton::Pick);
}

void ColorButton::SetColor(const QColor& color) {
    color_ = color;
    Q_EMIT ColorChanged(color);
}

void ColorButton::Pick() {
    QColorDialog dialog(color_, this);
    dialog.setObjectName(QStringLiteral("ColorPicker"));
    if (dialog.exec() == QDialog::Accepted && dialog.selectedColor().isValid())
        SetColor(dialog.selectedColor());
}
