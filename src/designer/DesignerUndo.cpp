// Undo and redo of box edits: the document's steps, offered as Ctrl+Z and Ctrl+Y over
// the page.
#include "designer/DesignerView.h"

#include "designer/DesignerTexts.h"
#include "document/FormatDocument.h"

#include <QAction>
#include <QUndoStack>

namespace {
QAction* StepAction(QWidget* owner, const QString& text, const char* name, QKeyCombination keys) {
    auto* action = new QAction(text, owner);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(QKeySequence(keys));
    // The box being typed in keeps its own Ctrl+Z for its text.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    action->setEnabled(false);
    owner->addAction(action);
    return action;
}
} // namespace

void DesignerView::BuildUndo() {
    undoAction_ = StepAction(this, DesignerText::kUndo, "mUndo", Qt::CTRL | Qt::Key_Z);
    redoAction_ = StepAction(this, DesignerText::kRedo, "mRedo", Qt::CTRL | Qt::Key_Y);
    connect(undoAction_, &QAction::triggered, this, &DesignerView::Undo);
    connect(redoAction_, &QAction::triggered, this, &DesignerView::Redo);
}

void DesignerView::Undo() {
    if (document_ && !dragging_) document_->UndoStack()->undo();
}

void DesignerView::Redo() {
    if (document_ && !dragging_) document_->UndoStack()->redo();
}
