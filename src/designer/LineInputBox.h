#pragma once
// Kind 3: a line between two points. It takes no mouse input of its own: the canvas
// finds the line under the pointer. Its twips rectangle holds the end points as
// (x1, y1) = topLeft and (x2, y2) = topLeft + (width, height), so it may be "negative".
#include "designer/DragMode.h"
#include "designer/InputBox.h"

#include <QPoint>

class LineInputBox : public InputBox {
    Q_OBJECT
public:
    explicit LineInputBox(QWidget* canvas);

    void ApplyRecord(const BoxRecord& record) override;
    QPoint FirstEnd() const;  // twips
    QPoint SecondEnd() const; // twips
    int PenPixels() const { return penWidth_; }
    // Whether a canvas point in twips lies within the line's tolerance.
    bool Hits(const QPointF& twips) const;
    // Which part of the line a canvas point hits: Move near the first end point,
    // Resize near the second, WholeLine on the body, None elsewhere.
    DragMode HitPart(const QPointF& twips) const;
    // Lays the widget over the line in canvas pixels.
    void LayOut() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void ShowSelection(bool) override { update(); }

private:
    double Tolerance() const;

    QColor color_;
    int penWidth_ = 1;
    Qt::PenStyle style_ = Qt::SolidLine;
};

// Distance from a point to the segment a-b.
double DistanceToSegment(const QPointF& point, const QPointF& a, const QPointF& b);
