#pragma once
// The proposal of a scan shown over the straightened picture for review: each box in
// its own colour with its label and data type. The user moves boxes by dragging,
// resizes one by dragging its edges or corners, removes the selected ones (Delete or
// 删除) and renames one (double-click or 改名); 全部接受 hands the boxes as they stand
// to the caller.
#include "scan/ScanProposal.h"

#include <QDialog>

class Asker;
class QGraphicsScene;
class QGraphicsView;
class ProposalItem;

class ScanProposalDialog final : public QDialog {
    Q_OBJECT
public:
    ScanProposalDialog(const ScanProposal& proposal, Asker& asker, QWidget* parent = nullptr);

    // The boxes left, in their order, at the places they were moved to; links into a
    // removed box are dropped.
    QList<ProposedBox> Boxes() const;
    // The boxes' items, for selection and tests.
    QList<ProposalItem*> Items() const { return items_; }

    void RemoveSelected();
    void RenameSelected();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Rename(ProposalItem* item);

    Asker& asker_;
    QGraphicsScene* scene_ = nullptr;
    QGraphicsView* view_ = nullptr;
    QList<ProposalItem*> items_;
};
