#pragma once
// One proposed box over the scan: a rectangle in millimetres the user can drag, or
// resize by dragging an edge or corner, with its label and data type written at its
// top-left corner.
#include "scan/ScanProposal.h"

#include <QGraphicsRectItem>
#include <functional>

class QGraphicsSimpleTextItem;

class ProposalItem final : public QGraphicsRectItem {
public:
    // `index` is the box's place in the proposal; `rename` is called on a double-click.
    ProposalItem(int index, const ProposedBox& box, std::function<void(ProposalItem*)> rename);

    int Index() const { return index_; }
    QString Label() const { return box_.label; }
    void SetLabel(const QString& label);
    // The box as it stands now: moved to the item's place, with its label.
    ProposedBox Box() const;

protected:
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    void ShowCaption();
    // The edges (BoxEdges flags) a point of the item, in millimetres, takes hold of.
    int EdgesAt(const QPointF& point) const;

    int held_ = 0;           // the edges being dragged
    QRectF heldFrom_;        // the box on the page when the drag began
    QPointF pressedAt_;      // where on the page the drag began

    int index_;
    ProposedBox box_;
    std::function<void(ProposalItem*)> rename_;
    QGraphicsSimpleTextItem* caption_ = nullptr;
};
