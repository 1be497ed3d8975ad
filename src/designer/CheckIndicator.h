#pragma once
// The tick area of a check box, drawn over the whole widget. The style's own indicator
// has a fixed pixel size and is cut off inside a box of 190 twips, so it is not used.
#include <QCheckBox>

class CheckIndicator : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckIndicator(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};
