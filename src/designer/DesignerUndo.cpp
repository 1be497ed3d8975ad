// Undo and redo of box edits: each step holds the records before and after it. A step
// is only taken back over the state it left; when the records were changed elsewhere
// (the box grid, a save that gave boxes their real IDs) the steps are dropped instead.
#include "designer/DesignerView.h"

#include "designer/BoxFactory.h"
#include "designer/CanvasScale.h"
#include "designer/DesignerTexts.h"
#include "designer/InputBox.h"
#include "designer/PageCanvas.h"
#include "designer/RecordsCommand.h"
#include "store/Bill.h"
#include "store/Format.h"

#include <QAction>
#include <QSet>
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

QSet<qint64> Ids(const QList<BoxRecord>& records) {
    QSet<qint64> ids;
    for (const BoxRecord& record : records) ids.insert(record.id);
    return ids;
}

bool SameIds(const QList<BoxRecord>& a, const QList<BoxRecord>& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].id != b[i].id) return false;
    return true;
}
} // namespace

void DesignerView::BuildUndo() {
    undo_ = new QUndoStack(this);
    undoAction_ = StepAction(this, DesignerText::kUndo, "mUndo", Qt::CTRL | Qt::Key_Z);
    redoAction_ = StepAction(this, DesignerText::kRedo, "mRedo", Qt::CTRL | Qt::Key_Y);
    connect(undo_, &QUndoStack::canUndoChanged, undoAction_, &QAction::setEnabled);
    connect(undo_, &QUndoStack::canRedoChanged, redoAction_, &QAction::setEnabled);
    connect(undoAction_, &QAction::triggered, this, &DesignerView::Undo);
    connect(redoAction_, &QAction::triggered, this, &DesignerView::Redo);
}

RecordsSnapshot DesignerView::Snapshot() const {
    RecordsSnapshot snapshot;
    if (format_) {
        snapshot.boxes = format_->boxes;
        // Records are changed in place through pointers into the list, which would
        // reach a copy still sharing its data: the snapshot takes its own.
        snapshot.boxes.detach();
    }
    if (bill_) snapshot.values = bill_->Values();
    return snapshot;
}

void DesignerView::BeginEdit() {
    if (editDepth_++ == 0) editBefore_ = std::make_unique<RecordsSnapshot>(Snapshot());
}

void DesignerView::EndEdit(const QString& text) {
    if (editDepth_ == 0 || --editDepth_ > 0) return;
    const std::unique_ptr<RecordsSnapshot> before = std::move(editBefore_);
    if (!format_ || !before || SameArrangement(before->boxes, format_->boxes)) return;
    undo_->push(new RecordsCommand(text, *before, Snapshot(),
                                   [this](const RecordsSnapshot& target, const RecordsSnapshot& leaving) {
                                       RestoreSnapshot(target, leaving);
                                   }));
}

void DesignerView::Undo() {
    if (!undo_->canUndo()) return;
    const auto* step = static_cast<const RecordsCommand*>(undo_->command(undo_->index() - 1));
    if (!format_ || !SameArrangement(step->After().boxes, format_->boxes)) {
        undo_->clear();
        return;
    }
    undo_->undo();
}

void DesignerView::Redo() {
    if (!undo_->canRedo()) return;
    const auto* step = static_cast<const RecordsCommand*>(undo_->command(undo_->index()));
    if (!format_ || !SameArrangement(step->Before().boxes, format_->boxes)) {
        undo_->clear();
        return;
    }
    undo_->redo();
}

// Boxes coming back get their contents back; boxes going lose theirs, as a delete
// does. When the same boxes stay, only the changed ones are rebuilt.
void DesignerView::RestoreSnapshot(const RecordsSnapshot& target, const RecordsSnapshot& leaving) {
    if (!format_) return;
    const QList<BoxRecord> old = format_->boxes;
    format_->boxes = WithCurrentTexts(target.boxes, old);
    format_->boxes.detach(); // the command keeps its snapshot as it is
    if (bill_) {
        const QSet<qint64> targetIds = Ids(target.boxes), leavingIds = Ids(leaving.boxes);
        for (qint64 id : leavingIds - targetIds) bill_->Remove(id);
        for (qint64 id : targetIds - leavingIds)
            if (target.values.contains(id)) bill_->SetValue(id, target.values.value(id));
    }
    if (!SameIds(old, format_->boxes)) {
        RebuildBoxes();
        Q_EMIT RecordsChanged();
        return;
    }
    for (qsizetype i = 0; i < old.size(); ++i) {
        const BoxRecord& record = format_->boxes[i];
        if (record == old[i]) continue;
        if (InputBox* box = BoxById(record.id)) BoxFactory::Apply(*box, record, canvas_->Scale());
        Q_EMIT RecordChanged(record.id);
    }
}
