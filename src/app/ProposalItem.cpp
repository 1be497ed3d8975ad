#include "app/ProposalItem.h"

#include "scan/DataTypeGuess.h"

#include <QBrush>
#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSimpleTextItem>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

// Proposed boxes stand out from the red, blue and black of printed bills.
const QColor kProposalColour(255, 120, 0);

enum BoxEdges { kLeft = 1, kTop = 2, kRight = 4, kBottom = 8 };
// How near an edge, in millimetres, a press takes hold of it: a quarter of a small
// box at most, so its middle still moves it.
constexpr double kEdgeReach = 1.0;
// A box is never resized below this, in millimetres.
constexpr double kLeastSide = 1.0;

Qt::CursorShape CursorFor(int edges) {
    switch (edges) {
    case kLeft | kTop: case kRight | kBottom: return Qt::SizeFDiagCursor;
    case kLeft | kBottom: case kRight | kTop: return Qt::SizeBDiagCursor;
    case kLeft: case kRight: return Qt::SizeHorCursor;
    case kTop: case kBottom: return Qt::SizeVerCursor;
    }
    return Qt::SizeAllCursor;
}

QString TypeCaption(const ProposedBox& box) {
    if (box.kind == BoxKind::Check) return QStringLiteral("复选框");
    QString text = DataTypeName(box.dataType);
    if (box.cells > 0) text += QStringLiteral(" ×%1").arg(box.cells);
    return text;
}

} // namespace

ProposalItem::ProposalItem(int index, const ProposedBox& box, std::function<void(ProposalItem*)> rename)
    : QGraphicsRectItem(QRectF(QPointF(0, 0), box.mm.size())), index_(index), box_(box), rename_(std::move(rename)) {
    setPos(box.mm.topLeft());
    setFlags(ItemIsMovable | ItemIsSelectable);
    setAcceptHoverEvents(true);
    setPen(QPen(kProposalColour, 0.4));
    setBrush(QColor(kProposalColour.red(), kProposalColour.green(), kProposalColour.blue(), 50));
    caption_ = new QGraphicsSimpleTextItem(this);
    caption_->setBrush(kProposalColour.darker(130));
    // Written at screen size whatever the zoom.
    caption_->setFlag(ItemIgnoresTransformations);
    ShowCaption();
}

void ProposalItem::SetLabel(const QString& label) {
    box_.label = label;
    ShowCaption();
}

ProposedBox ProposalItem::Box() const {
    ProposedBox box = box_;
    box.mm = QRectF(pos(), rect().size());
    return box;
}

void ProposalItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) {
    rename_(this);
    event->accept();
}

void ProposalItem::ShowCaption() { caption_->setText(box_.label + QStringLiteral("｜") + TypeCaption(box_)); }

int ProposalItem::EdgesAt(const QPointF& point) const {
    const QRectF r = rect();
    const double reach = std::min({kEdgeReach, r.width() / 4, r.height() / 4});
    int edges = 0;
    if (std::abs(point.x() - r.left()) <= reach) edges |= kLeft;
    else if (std::abs(point.x() - r.right()) <= reach) edges |= kRight;
    if (std::abs(point.y() - r.top()) <= reach) edges |= kTop;
    else if (std::abs(point.y() - r.bottom()) <= reach) edges |= kBottom;
    return edges;
}

void ProposalItem::hoverMoveEvent(QGraphicsSceneHoverEvent* event) {
    setCursor(CursorFor(EdgesAt(event->pos())));
    QGraphicsRectItem::hoverMoveEvent(event);
}

void ProposalItem::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    held_ = event->button() == Qt::LeftButton ? EdgesAt(event->pos()) : 0;
    if (!held_) {
        QGraphicsRectItem::mousePressEvent(event);
        return;
    }
    // Resizing works on this box alone, whatever else was selected.
    if (scene()) scene()->clearSelection();
    setSelected(true);
    heldFrom_ = QRectF(pos(), rect().size());
    pressedAt_ = event->scenePos();
    event->accept();
}

void ProposalItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event) {
    if (!held_) {
        QGraphicsRectItem::mouseMoveEvent(event);
        return;
    }
    const QPointF by = event->scenePos() - pressedAt_;
    QRectF r = heldFrom_;
    if (held_ & kLeft) r.setLeft(std::min(r.left() + by.x(), r.right() - kLeastSide));
    if (held_ & kRight) r.setRight(std::max(r.right() + by.x(), r.left() + kLeastSide));
    if (held_ & kTop) r.setTop(std::min(r.top() + by.y(), r.bottom() - kLeastSide));
    if (held_ & kBottom) r.setBottom(std::max(r.bottom() + by.y(), r.top() + kLeastSide));
    setPos(r.topLeft());
    setRect(QRectF(QPointF(0, 0), r.size()));
    event->accept();
}

void ProposalItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event) {
    if (!held_) {
        QGraphicsRectItem::mouseReleaseEvent(event);
        return;
    }
    held_ = 0;
    event->accept();
}
