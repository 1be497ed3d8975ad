#pragma once
// A faint frame that shows where a box lies on a blank page. It belongs to the
// designer only: printing draws from the records and never sees it.
#include <QColor>
#include <QWidget>

class QPainter;

inline const QColor kDesignOutlineColor(170, 190, 225);

// Paints the faint frame around `area`.
void PaintDesignOutline(QPainter& painter, const QRect& area);

// A child drawn over its parent box's inputs: it takes no pointer events and no
// focus, and follows the parent's size.
class BoxOverlay : public QWidget {
    Q_OBJECT
public:
    explicit BoxOverlay(QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The faint frame as such an overlay.
class DesignOutline : public BoxOverlay {
    Q_OBJECT
public:
    explicit DesignOutline(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
