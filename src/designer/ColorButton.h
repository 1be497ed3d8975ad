#pragma once
// A button that opens the colour picker and holds the colour chosen.
#include <QColor>
#include <QPushButton>

class ColorButton : public QPushButton {
    Q_OBJECT
public:
    ColorButton(const QString& text, QWidget* parent = nullptr);
    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

Q_SIGNALS:
    void ColorChanged(const QColor& color);

private:
    void Pick();

    QColor color_ = Qt::black;
};
