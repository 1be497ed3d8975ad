#pragma once
// One undo step of the designer: the records before and after an edit. Undo and redo
// hand the snapshot to go to (and the one being left) to the view that restores it.
#include "designer/RecordsSnapshot.h"

#include <QUndoCommand>
#include <functional>

class RecordsCommand : public QUndoCommand {
public:
    using Restore = std::function<void(const RecordsSnapshot& target, const RecordsSnapshot& leaving)>;

    RecordsCommand(const QString& text, RecordsSnapshot before, RecordsSnapshot after, Restore restore);

    const RecordsSnapshot& Before() const { return before_; }
    const RecordsSnapshot& After() const { return after_; }

    void undo() override;
    void redo() override;

private:
    RecordsSnapshot before_;
    RecordsSnapshot after_;
    Restore restore_;
    bool applied_ = true; // pushed after the edit was made: the first redo is a no-op
};
