#include "app/ScanProposalDialog.h"

#include "content/DataTypes.h"
#include "core/Asker.h"
#include "scan/ScanTexts.h"

#include <QDialogButtonBox>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace {

// Proposed boxes stand out from the red, blue and black of printed bills.
const QColor kProposalColour(255, 120, 0);

QString TypeCaption(const ProposedBox& box) {
    if (box.kind == BoxKind::Check) return QStringLiteral("复选框");
    const DataTypeTraits* row = DataTypeOf(box.dataType);
    const std::u16string_view caption = row ? row->caption : kDataTypes[0].caption;
    QString text = QString::fromUtf16(caption.data(), qsizetype(caption.size()));
    if (box.cells > 0) text += QStringLiteral(" ×%1").arg(box.cells);
    return text;
}

} // namespace

// One proposed box: a rectangle in millimetres the user can drag, with its label and
// type written above it.
class ProposalItem final : public QGraphicsRectItem {
public:
    ProposalItem(int index, const ProposedBox& box, std::function<void(ProposalItem*)> rename)
        : QGraphicsRectItem(QRectF(QPointF(0, 0), box.mm.size())), index_(index), box_(box), rename_(std::move(rename)) {
        setPos(box.mm.topLeft());
        setFlags(ItemIsMovable | ItemIsSelectable);
        setPen(QPen(kProposalColour, 0.4));
        setBrush(QColor(kProposalColour.red(), kProposalColour.green(), kProposalColour.blue(), 50));
        caption_ = new QGraphicsSimpleTextItem(this);
        caption_->setBrush(kProposalColour.darker(130));
        // Written at screen size whatever the zoom, from the box's top-left corner.
        caption_->setFlag(ItemIgnoresTransformations);
        ShowCaption();
    }
    int Index() const { return index_; }
    QString Label() const { return box_.label; }
    void SetLabel(const QString& label) {
        box_.label = label;
        ShowCaption();
    }
    ProposedBox Box() const {
        ProposedBox box = box_;
        box.mm = QRectF(pos(), rect().size());
        return box;
    }

protected:
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override {
        rename_(this);
        event->accept();
    }

private:
    void ShowCaption() {
        caption_->setText(box_.label + QStringLiteral("｜") + TypeCaption(box_));
    }

    int index_;
    ProposedBox box_;
    std::function<void(ProposalItem*)> rename_;
    QGraphicsSimpleTextItem* caption_ = nullptr;
};

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
