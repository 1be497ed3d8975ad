#include "app/ProposalItem.h"

#include "scan/DataTypeGuess.h"

#include <QBrush>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSimpleTextItem>
#include <QPen>

namespace {

// Proposed boxes stand out from the red, blue and black of printed bills.
const QColor kProposalColour(255, 120, 0);

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
