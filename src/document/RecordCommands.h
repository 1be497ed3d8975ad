#pragma once
// The document's undo steps. Each holds only the records it touches: added or removed
// records with their rows and contents, or the changed records before and after.
#include "document/EditRun.h"
#include "store/Format.h"

#include <QList>
#include <QUndoCommand>
#include <optional>

class FormatDocument;

// Adds (or, with `inserting` false, removes) records at their rows.
class InsertRecordsCommand final : public QUndoCommand {
public:
    struct Entry {
        int row = 0;
        BoxRecord record;
        std::optional<QString> content;
    };
    // `entries` ordered by ascending row, each row as it is after the insertion.
    InsertRecordsCommand(FormatDocument& document, QList<Entry> entries, bool inserting, const QString& text);
    void redo() override;
    void undo() override;

private:
    void Insert();
    void Remove();

    FormatDocument& document_;
    QList<Entry> entries_;
    bool inserting_;
};

// Replaces records; runs of the same kind over the same boxes merge into one step.
class ChangeRecordsCommand final : public QUndoCommand {
public:
    ChangeRecordsCommand(FormatDocument& document, QList<BoxRecord> before, QList<BoxRecord> after,
                         EditRun run, bool mayMerge, const QString& text);
    void redo() override;
    void undo() override;
    int id() const override { return static_cast<int>(run_); }
    bool mergeWith(const QUndoCommand* other) override;

private:
    FormatDocument& document_;
    QList<BoxRecord> before_, after_;
    EditRun run_;
    bool mayMerge_;
};
