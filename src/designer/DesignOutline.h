#pragma once
// A faint frame that shows where a box lies on a blank page. It belongs to the
// designer only: printing draws from the records and never sees it.
#include <QColor>
#include <QWidget>

class QPainter;

inline const QColor kDesignOutlineColor(170, 190, 225);

// Paints the faint frame around `area`.
void PaintDesignOutline(QPainter& painter, const QRect& area);

// The frame as a child drawn over its parent's inputs; it takes no pointer events
// and follows the parent's size.
class DesignOutline : public QWidget {
    Q_OBJECT
public:
    explicit DesignOutline(QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
