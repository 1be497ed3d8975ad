#include "app/FormatTreeView.h"

#include "formatfile/FormatTree.h"
#include "formatfile/FormatTreeCommands.h"
#include "formatfile/FormatTreeTexts.h"
#include "store/Database.h"

#include <QContextMenuEvent>
#include <QDrag>
#include <QMenu>
#include <QMimeData>
#include <QStyle>
#include <QTreeWidgetItemIterator>

using namespace FormatTreeTexts;

namespace {

const QString kFormatMime = QStringLiteral("application/x-vellumark-format");
constexpr int kKeyRole = Qt::UserRole;
const QColor kAddedClassColour(Qt::blue);

bool IsFormatKey(const QString& key) { return key.startsWith(kFormatKeyPrefix); }
bool IsClassKey(const QString& key) { return key.startsWith(kClassKeyPrefix); }

QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const QString& text, const QString& key,
                         Qt::ItemFlags flags, const QIcon& icon) {
    auto* item = new QTreeWidgetItem(parent, {text});
    item->setData(0, kKeyRole, key);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | flags);
    item->setIcon(0, icon);
    return item;
}

} // namespace

FormatTreeView::FormatTreeView(Database& db, Asker& asker, QWidget* parent)
    : QTreeWidget(parent), db_(db), asker_(asker), tree_(std::make_unique<FormatTreeValue>()) {
    setObjectName(QStringLiteral("TV"));
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(true);
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (IsFormatKey(KeyOf(item))) Q_EMIT OpenRequested(item->text(0));
    });
    Reload();
}

FormatTreeView::~FormatTreeView() = default;

void FormatTreeView::Reload() {
    // A server that cannot be reached now would read as a store without formats: the
    // tree keeps what it showed until the server answers again.
    if (!db_.Reachable()) return;
    FormatTreeValue loaded = LoadFormatTree(db_);
    if (topLevelItemCount() > 0 && loaded.ToString() == tree_->ToString()) {
        Highlight();
        return;
    }
    *tree_ = std::move(loaded);
    Show();
}

void FormatTreeView::Show() {
    clear();
    const QIcon classIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon formatIcon = style()->standardIcon(QStyle::SP_FileIcon);
    auto* root = new QTreeWidgetItem(this, {kRootText});
    root->setData(0, kKeyRole, kRootKey);
    root->setIcon(0, style()->standardIcon(QStyle::SP_DriveHDIcon));
    for (qsizetype i = 0; i < tree_->classes.size(); ++i) {
        const QString& name = tree_->classes[i];
        QTreeWidgetItem* node =
            AddNode(root, name, kClassKeyPrefix + name, Qt::ItemIsDropEnabled, classIcon);
        if (addedClasses_.contains(name)) node->setForeground(0, kAddedClassColour);
        for (const QString& format : tree_->lists.value(i))
            if (!format.isEmpty())
                AddNode(node, format, kFormatKeyPrefix + format, Qt::ItemIsDragEnabled, formatIcon);
    }
    root->setExpanded(true);
    Highlight();
}

void FormatTreeView::SetCurrentFormat(const QString& name) {
    current_ = name;
    Highlight();
}

void FormatTreeView::Highlight() {
    QTreeWidgetItem* current = nullptr;
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if (!IsFormatKey(KeyOf(*it))) continue;
        const bool isCurrent = (*it)->text(0) == current_;
        if (isCurrent) current = *it;
        QFont font = (*it)->font(0);
        if (font.bold() == isCurrent) continue;
        font.setBold(isCurrent);
        (*it)->setFont(0, font);
    }
    if (!current) return;
    current->parent()->setExpanded(true);
    setCurrentItem(current);
    scrollToItem(current);
}

QString FormatTreeView::KeyOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kKeyRole).toString() : QString();
}

QTreeWidgetItem* FormatTreeView::FindNode(const QString& key) const {
    for (QTreeWidgetItemIterator it(const_cast<FormatTreeView*>(this)); *it; ++it)
        if (KeyOf(*it) == key) return *it;
    return nullptr;
}

void FormatTreeView::AddClass() {
    if (const std::optional<QString> name = AddTreeClass(*tree_, db_, asker_)) {
        addedClasses_ << *name;
        Show();
    }
}

void FormatTreeView::DeleteNode(QTreeWidgetItem* item) {
    const QString key = KeyOf(item);
    const QString text = item ? item->text(0) : QString();
    if ((IsFormatKey(key) && DeleteTreeFormat(*tree_, db_, asker_, text, current_))
        || (IsClassKey(key) && DeleteTreeClass(*tree_, db_, asker_, text, current_)))
        Show();
}

void FormatTreeView::RenameNode(QTreeWidgetItem* item) {
    const QString key = KeyOf(item);
    const QString text = item ? item->text(0) : QString();
    if (IsClassKey(key)) {
        const std::optional<QString> renamed = RenameTreeClass(*tree_, db_, asker_, text);
        if (!renamed) return;
        const qsizetype added = addedClasses_.indexOf(text);
        if (added >= 0) addedClasses_[added] = *renamed;
        Show();
    } else if (IsFormatKey(key)) {
        const std::optional<QString> renamed = RenameTreeFormat(*tree_, db_, asker_, text);
        if (!renamed) return;
        if (current_ == text) current_ = *renamed;
        Show();
        Q_EMIT FormatRenamed(text, *renamed);
    }
}

bool FormatTreeView::MoveFormat(const QString& name, const QString& className) {
    if (!MoveTreeFormat(*tree_, db_, name, className)) return false;
    Show();
    return true;
}

void FormatTreeView::contextMenuEvent(QContextMenuEvent* event) {
    QTreeWidgetItem* item = itemAt(event->pos());
    if (!item) return;
    QMenu menu(this);
    auto add = [&menu, this](const QString& text, auto command) {
        connect(menu.addAction(text), &QAction::triggered, this, command);
    };
    if (KeyOf(item) == kRootKey) {
        add(kAddClass, [this] { AddClass(); });
    } else {
        add(kDelete, [this, item] { DeleteNode(item); });
        add(kRename, [this, item] { RenameNode(item); });
    }
    menu.exec(event->globalPos());
}

void FormatTreeView::mousePressEvent(QMouseEvent* event) {
    // Only the left button drags a format.
    setDragEnabled(event->button() == Qt::LeftButton);
    QTreeWidget::mousePressEvent(event);
}

QStringList FormatTreeView::mimeTypes() const { return {kFormatMime}; }

QMimeData* FormatTreeView::mimeData(const QList<QTreeWidgetItem*>& items) const {
    if (items.size() != 1 || !IsFormatKey(KeyOf(items.first()))) return nullptr;
    auto* mime = new QMimeData;
    mime->setData(kFormatMime, items.first()->text(0).toUtf8());
    return mime;
}

void FormatTreeView::startDrag(Qt::DropActions) {
    QTreeWidgetItem* item = currentItem();
    QMimeData* mime = mimeData({item});
    if (!mime) return;
    // The drop rebuilds the tree itself; the view must not remove the dragged row.
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(item->icon(0).pixmap(16));
    drag->exec(Qt::MoveAction);
}

void FormatTreeView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(kFormatMime))
        event->acceptProposedAction();
    else
        event->ignore();
}

void FormatTreeView::dragMoveEvent(QDragMoveEvent* event) {
    QTreeWidget::dragMoveEvent(event); // scrolls near the edges
    if (event->mimeData()->hasFormat(kFormatMime) && ClassNodeAt(event->position().toPoint()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void FormatTreeView::dropEvent(QDropEvent* event) {
    stopAutoScroll();
    setState(NoState);
    QTreeWidgetItem* target = ClassNodeAt(event->position().toPoint());
    if (!target || !event->mimeData()->hasFormat(kFormatMime)) {
        event->ignore();
        return;
    }
    const QString name = QString::fromUtf8(event->mimeData()->data(kFormatMime));
    const QString className = target->text(0);
    event->acceptProposedAction();
    MoveFormat(name, className);
}

QTreeWidgetItem* FormatTreeView::ClassNodeAt(const QPoint& position) const {
    QTreeWidgetItem* item = itemAt(position);
    return IsClassKey(KeyOf(item)) ? item : nullptr;
}
