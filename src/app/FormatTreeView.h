#pragma once
// The format tree TV: the root "[Vellumark格式列表]", a node per class and under it a
// node per format. It shows the stored tree and changes it only through the tree
// commands, each of which stores it, so what is shown is what is stored. A format
// node dragged onto a class node moves there; activating a format node asks the
// window to open it.
#include <QTreeWidget>
#include <memory>

class Asker;
class Database;
struct FormatTreeValue;

class FormatTreeView final : public QTreeWidget {
    Q_OBJECT
public:
    FormatTreeView(Database& db, Asker& asker, QWidget* parent = nullptr);
    ~FormatTreeView() override;

    // Reads the stored tree (made to agree with the formats that exist) and shows it.
    void Reload();
    // Highlights the open format's node and expands its class.
    void SetCurrentFormat(const QString& name);
    const FormatTreeValue& Tree() const { return *tree_; }

    // The node's key: "D0" for the root, "C" + class name, "F" + format name.
    static QString KeyOf(const QTreeWidgetItem* item);
    QTreeWidgetItem* FindNode(const QString& key) const;

    // The popup commands: "添加格式分类" on the root, "删除" and "改名" on the others.
    void AddClass();
    void DeleteNode(QTreeWidgetItem* item);
    void RenameNode(QTreeWidgetItem* item);
    // A format node dropped on a class node.
    bool MoveFormat(const QString& name, const QString& className);

Q_SIGNALS:
    void OpenRequested(const QString& name);
    void FormatRenamed(const QString& oldName, const QString& newName);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Show();
    void Highlight();
    // The class node under a drop position, or nullptr.
    QTreeWidgetItem* ClassNodeAt(const QPoint& position) const;

    Database& db_;
    Asker& asker_;
    std::unique_ptr<FormatTreeValue> tree_;
    QString current_;
    // Classes added while the window is open are shown in blue.
    QStringList addedClasses_;
};
