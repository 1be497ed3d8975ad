#include "document/RecordCommands.h"

#include "document/FormatDocument.h"

#include <QHash>

#include <algorithm>
#include <utility>

InsertRecordsCommand::InsertRecordsCommand(FormatDocument& document, QList<Entry> entries, bool inserting,
                                           const QString& text)
    : QUndoCommand(text), document_(document), entries_(std::move(entries)), inserting_(inserting) {}

void InsertRecordsCommand::redo() { inserting_ ? Insert() : Remove(); }
void InsertRecordsCommand::undo() { inserting_ ? Remove() : Insert(); }

// Ascending rows: each entry lands where it was, the earlier ones already in place.
void InsertRecordsCommand::Insert() {
    for (const Entry& entry : entries_)
        document_.InsertAt(entry.row, entry.record, entry.content ? &*entry.content : nullptr);
}

// Descending rows keep the rows still to be removed where they are; what goes is kept
// as it is now, so undo brings back the contents typed since.
void InsertRecordsCommand::Remove() {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        auto [record, content] = document_.TakeAt(it->row);
        it->record = std::move(record);
        it->content = std::move(content);
    }
}

ChangeRecordsCommand::ChangeRecordsCommand(FormatDocument& document, QList<BoxRecord> before,
                                           QList<BoxRecord> after, EditRun run, bool mayMerge,
                                           const QString& text)
    : QUndoCommand(text), document_(document), before_(std::move(before)), after_(std::move(after)),
      run_(run), mayMerge_(mayMerge) {}

void ChangeRecordsCommand::redo() {
    for (const BoxRecord& record : after_) document_.Replace(record);
}

void ChangeRecordsCommand::undo() {
    for (const BoxRecord& record : before_) document_.Replace(record);
}

// A run may touch a different set of records from one step to the next (a box held
// at the canvas edge does not move): records new to the run join it with their state
// before this step.
bool ChangeRecordsCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const ChangeRecordsCommand*>(other);
    if (!next->mayMerge_ || next->run_ != run_) return false;
    const bool sameRecords = std::equal(
        after_.cbegin(), after_.cend(), next->after_.cbegin(), next->after_.cend(),
        [](const BoxRecord& a, const BoxRecord& b) { return a.id == b.id; });
    if (sameRecords) {
        after_ = next->after_;
        return true;
    }
    QHash<qint64, qsizetype> rowOf;
    rowOf.reserve(after_.size());
    for (qsizetype i = 0; i < after_.size(); ++i) rowOf.insert(after_[i].id, i);
    for (qsizetype i = 0; i < next->after_.size(); ++i) {
        const auto row = rowOf.constFind(next->after_[i].id);
        if (row != rowOf.constEnd()) {
            after_[*row] = next->after_[i];
        } else {
            before_.append(next->before_[i]);
            after_.append(next->after_[i]);
        }
    }
    return true;
}
