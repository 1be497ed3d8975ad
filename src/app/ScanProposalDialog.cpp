#include "app/ScanProposalDialog.h"

#include "app/ProposalItem.h"
#include "core/Asker.h"
#include "scan/ScanTexts.h"

#include <QDialogButtonBox>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

ScanProposalDialog::ScanProposalDialog(const ScanProposal& proposal, Asker& asker, QWidget* parent)
    : QDialog(parent), asker_(asker) {
    setWindowTitle(ScanTexts::kReviewTitle);
    scene_ = new QGraphicsScene(QRectF(QPointF(0, 0), proposal.pageMm), this);
    auto* picture = scene_->addPixmap(QPixmap::fromImage(proposal.picture));
    if (!proposal.picture.isNull())
        picture->setTransform(QTransform::fromScale(proposal.pageMm.width() / proposal.picture.width(),
                                                    proposal.pageMm.height() / proposal.picture.height()));
    picture->setTransformationMode(Qt::SmoothTransformation);
    for (int i = 0; i < proposal.boxes.size(); ++i) {
        auto* item = new ProposalItem(i, proposal.boxes[i], [this](ProposalItem* it) { Rename(it); });
        scene_->addItem(item);
        items_.append(item);
    }
    view_ = new QGraphicsView(scene_, this);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setDragMode(QGraphicsView::RubberBandDrag);
    // About four screen pixels a millimetre: an A4 page fits a common screen.
    view_->setTransform(QTransform::fromScale(4, 4));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* remove = buttons->addButton(ScanTexts::kRemove, QDialogButtonBox::ActionRole);
    QPushButton* rename = buttons->addButton(ScanTexts::kRename, QDialogButtonBox::ActionRole);
    QPushButton* accept = buttons->addButton(ScanTexts::kAccept, QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    remove->setObjectName(QStringLiteral("scanRemove"));
    rename->setObjectName(QStringLiteral("scanRename"));
    accept->setObjectName(QStringLiteral("scanAccept"));
    remove->setAutoDefault(false);
    rename->setAutoDefault(false);
    connect(remove, &QPushButton::clicked, this, &ScanProposalDialog::RemoveSelected);
    connect(rename, &QPushButton::clicked, this, &ScanProposalDialog::RenameSelected);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addWidget(buttons);
    resize(1000, 760);
}

QList<ProposedBox> ScanProposalDialog::Boxes() const {
    QHash<int, int> newIndex; // original index → index among the boxes left
    for (int i = 0; i < items_.size(); ++i) newIndex.insert(items_[i]->Index(), i);
    QList<ProposedBox> boxes;
    for (const ProposalItem* item : items_) {
        ProposedBox box = item->Box();
        box.productInto = box.productInto >= 0 ? newIndex.value(box.productInto, -1) : -1;
        boxes.append(box);
    }
    return boxes;
}

void ScanProposalDialog::RemoveSelected() {
    for (QGraphicsItem* selected : scene_->selectedItems()) {
        auto* item = static_cast<ProposalItem*>(selected);
        items_.removeOne(item);
        scene_->removeItem(item);
        delete item;
    }
}

void ScanProposalDialog::RenameSelected() {
    const QList<QGraphicsItem*> selected = scene_->selectedItems();
    if (selected.size() == 1) Rename(static_cast<ProposalItem*>(selected.first()));
}

void ScanProposalDialog::Rename(ProposalItem* item) {
    const std::optional<QString> label = asker_.AskText(ScanTexts::kRenamePrompt, item->Label());
    if (label && !label->trimmed().isEmpty()) item->SetLabel(label->trimmed());
}

void ScanProposalDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        RemoveSelected();
        return;
    }
    QDialog::keyPressEvent(event);
}
