#pragma once
// One proposed box over the scan: a rectangle in millimetres the user can drag, with
// its label and data type written at its top-left corner.
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

private:
    void ShowCaption();

    int index_;
    ProposedBox box_;
    std::function<void(ProposalItem*)> rename_;
    QGraphicsSimpleTextItem* caption_ = nullptr;
};
