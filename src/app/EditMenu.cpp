#include "app/EditMenu.h"

#include "designer/DesignerView.h"
#include "document/FormatDocument.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QUndoStack>

namespace {

// The text editor `widget` is, if it is one.
bool IsTextEditor(const QObject* widget) {
    return qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QLineEdit*>(widget)
           || qobject_cast<const QTextEdit*>(widget);
}

// Whether the editor has its own text step to undo (`undo`) or redo.
bool EditorHasStep(QObject* editor, bool undo) {
    if (auto* plain = qobject_cast<QPlainTextEdit*>(editor))
        return undo ? plain->document()->isUndoAvailable() : plain->document()->isRedoAvailable();
    if (auto* rich = qobject_cast<QTextEdit*>(editor))
        return undo ? rich->document()->isUndoAvailable() : rich->document()->isRedoAvailable();
    if (auto* line = qobject_cast<QLineEdit*>(editor)) return undo ? line->isUndoAvailable() : line->isRedoAvailable();
    return false;
}

// Lets Ctrl+Z and Ctrl+Y reach the window's undo and redo when the editor with the
// focus has no text step of its own to take them.
class StepKeys final : public QObject {
public:
    StepKeys(QWidget& window) : QObject(&window), window_(window) { qApp->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride || !IsTextEditor(watched)) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() != Qt::ControlModifier) return false;
        if (key->key() != Qt::Key_Z && key->key() != Qt::Key_Y) return false;
        if (!window_.isAncestorOf(static_cast<QWidget*>(watched))) return false;
        // Not handed to the editor: the shortcut then goes to the window's action.
        return !EditorHasStep(watched, key->key() == Qt::Key_Z);
    }

private:
    QWidget& window_;
};

QString StepText(const QString& command, const QString& step) {
    return step.isEmpty() ? command : command + QStringLiteral(" “") + step + QStringLiteral("”");
}

} // namespace

void ConnectEditMenu(QWidget& window, QMenu& menu, DesignerView& designer) {
    QAction* undo = designer.UndoAction();
    QAction* redo = designer.RedoAction();
    QAction* first = menu.actions().value(0);
    menu.insertAction(first, undo);
    menu.insertAction(first, redo);
    menu.insertSeparator(first);
    for (QAction* action : {undo, redo}) action->setShortcutContext(Qt::WindowShortcut);
    new StepKeys(window);

    const QString undoWord = undo->text(), redoWord = redo->text();
    QUndoStack* steps = designer.Document()->UndoStack();
    QObject::connect(steps, &QUndoStack::undoTextChanged, undo,
                     [undo, undoWord](const QString& step) { undo->setText(StepText(undoWord, step)); });
    QObject::connect(steps, &QUndoStack::redoTextChanged, redo,
                     [redo, redoWord](const QString& step) { redo->setText(StepText(redoWord, step)); });

    const auto on = [&window](const char* name, auto handler) {
        QObject::connect(window.findChild<QAction*>(QString::fromLatin1(name)), &QAction::triggered, &window,
                         handler);
    };
    // The text commands act on the editor with the focus (each editor has these slots).
    const std::pair<const char*, const char*> textCommands[] = {
        {"mEditCut", "cut"}, {"mEditCopy", "copy"}, {"mEditPaste", "paste"}};
    for (const auto& [name, slot] : textCommands)
        on(name, [slot = slot] {
            if (QWidget* focused = QApplication::focusWidget(); IsTextEditor(focused))
                QMetaObject::invokeMethod(focused, slot);
        });
    on("mEditSelectAll", [&designer] {
        QWidget* focused = QApplication::focusWidget();
        if (IsTextEditor(focused)) {
            QMetaObject::invokeMethod(focused, "selectAll");
            return;
        }
        // Elsewhere every box of the format is selected.
        FormatDocument& document = *designer.Document();
        QSet<qint64> all;
        for (const BoxRecord& box : document.GetFormat().boxes) all.insert(box.id);
        document.SetSelection(all);
    });
    on("mEditCopyCtl", [&designer] { designer.CopyBoxes(); });
    on("mEditDeleteCtl", [&designer] { designer.DeleteSelectedBoxes(); });
}
