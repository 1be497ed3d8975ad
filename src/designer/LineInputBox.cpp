#include "designer/LineInputBox.h"

#include "content/LineStyles.h"
#include "content/layout/BoxFont.h"
#include "designer/BoxHitArea.h"
#include "designer/SelectionMark.h"

#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>

double DistanceToSegment(const QPointF& p, const QPointF& a, const QPointF& b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF nearest = a + t * ab;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

LineInputBox::LineInputBox(QWidget* canvas) : InputBox(BoxKind::Line, canvas) {
    setObjectName(QStringLiteral("Line"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineInputBox::ApplyRecord(const BoxRecord& record) {
    InputBox::ApplyRecord(record);
    color_ = RecordColor(record.color);
    if (record.fontSize > 0) penWidth_ = std::max(1, int(std::lround(record.fontSize)));
    style_ = LinePenStyle(record.cash);
    update();
}

QPoint LineInputBox::FirstEnd() const {
    return Twips().topLeft();
}

QPoint LineInputBox::SecondEnd() const {
    return Twips().topLeft() + QPoint(Twips().width(), Twips().height());
}

// Half the line's thickness, but never less than a comfortable reach.
double LineInputBox::Tolerance() const {
    return std::max(double(kLineTolerance), penWidth_ * Environment().twipsPerPixel / 2);
}

bool LineInputBox::Hits(const QPointF& twips) const {
    return DistanceToSegment(twips, FirstEnd(), SecondEnd()) <= Tolerance();
}

DragMode LineInputBox::HitPart(const QPointF& twips) const {
    const double d = Tolerance();
    const auto near = [&](const QPoint& end) {
        return std::fabs(twips.x() - end.x()) <= d && std::fabs(twips.y() - end.y()) <= d;
    };
    if (near(FirstEnd())) return DragMode::Move;
    if (near(SecondEnd())) return DragMode::Resize;
    return Hits(twips) ? DragMode::WholeLine : DragMode::None;
}

void LineInputBox::LayOut() {
    const double tpp = Environment().twipsPerPixel;
    const QPointF a = QPointF(FirstEnd()) / tpp, b = QPointF(SecondEnd()) / tpp;
    const int margin = penWidth_ + 1;
    const QRectF bounds = QRectF(a, b).normalized().adjusted(-margin, -margin, margin, margin);
    setGeometry(bounds.toAlignedRect());
    update();
}

void LineInputBox::paintEvent(QPaintEvent*) {
    const double tpp = Environment().twipsPerPixel;
    const QPointF origin = pos();
    QPainter painter(this);
    QPen pen(IsSelected() ? kSelectionColor : color_, penWidth_, style_);
    painter.setPen(pen);
    painter.drawLine(QPointF(FirstEnd()) / tpp - origin, QPointF(SecondEnd()) / tpp - origin);
}
