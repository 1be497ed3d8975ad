#include "designer/RecordsCommand.h"

#include <utility>

RecordsCommand::RecordsCommand(const QString& text, RecordsSnapshot before, RecordsSnapshot after,
                               Restore restore)
    : QUndoCommand(text), before_(std::move(before)), after_(std::move(after)), restore_(std::move(restore)) {}

void RecordsCommand::undo() {
    restore_(before_, after_);
    applied_ = false;
}

void RecordsCommand::redo() {
    if (applied_) return;
    restore_(after_, before_);
    applied_ = true;
}
