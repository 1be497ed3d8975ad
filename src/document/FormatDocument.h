#pragma once
// The open format as one document: its Format (page parameters and box records), its
// Bill (the boxes' contents), the selection, the current box and the undo stack. Every
// change goes through here and is signalled per record with what it changed, so the designer, the box grid
// and the command line stay views of one state. Printing and saving read the plain
// model through GetFormat() and GetBill().
#include "document/EditRun.h"
#include "document/RecordChange.h"
#include "store/Bill.h"
#include "store/Format.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <optional>
#include <utility>

class QUndoStack;

class FormatDocument final : public QObject {
    Q_OBJECT
public:
    // Undo steps kept; older ones are dropped.
    static constexpr int kUndoLimit = 200;

    explicit FormatDocument(QObject* parent = nullptr);
    ~FormatDocument() override;

    const Format& GetFormat() const { return format_; }
    const Bill& GetBill() const { return bill_; }
    bool IsOpen() const { return !format_.name.isEmpty(); }
    // Box records were edited since the format was opened or saved.
    bool IsModified() const;

    // A whole new state (a format was opened or created): steps, selection and the
    // current box go. Unlabelled text boxes the bill holds nothing for show their
    // fixed text.
    void Open(Format format, Bill bill = {});
    // After a save gave new boxes their real IDs: `saved` holds the same records in
    // the same order; contents and selection follow the IDs. Steps are dropped.
    void AdoptSaved(const Format& saved);
    void Rename(const QString& name);
    // Page parameters and options (menu toggles, page size): not undoable.
    void SetPage(const PageParams& page);

    // Box records.
    const BoxRecord* Record(qint64 id) const;
    int RowOf(qint64 id) const; // -1 when absent
    // Adds records after the last of their kind, each with a new temporary ID, as one
    // step; the new IDs in order.
    QList<qint64> AddRecords(QList<BoxRecord> records, const QString& step);
    qint64 AddRecord(const BoxRecord& record, const QString& step);
    // Replaces the records with these IDs as one step. The fixed text (`mem`) of a
    // record is content, not arrangement: it stays as SetContent left it.
    void ChangeRecords(const QList<BoxRecord>& records, const QString& step,
                       EditRun run = EditRun::None);
    void ChangeRecord(const BoxRecord& record, const QString& step, EditRun run = EditRun::None);
    // Removes records with their contents as one step; undo brings both back.
    void RemoveRecords(const QList<qint64>& ids, const QString& step);
    // Ends the current run: the next edit of the same kind is a step of its own.
    void EndRun();

    // Contents: a text box's text, "1" or "" for a check box, a picture path or
    // barcode text. Typing is not an undo step.
    QString Content(qint64 id) const { return bill_.Value(id); }
    void SetContent(qint64 id, const QString& text);
    // Writes each value of `values` into its box (a bill read back from the store).
    void FillContents(const Bill& values);

    // Selection and the current box (the one the box menu and property editor act on).
    const QSet<qint64>& Selection() const { return selection_; }
    bool IsSelected(qint64 id) const { return selection_.contains(id); }
    void SetSelected(qint64 id, bool on);
    void SetSelection(const QSet<qint64>& ids);
    void ClearSelection() { SetSelection({}); }
    qint64 CurrentId() const { return currentId_; }
    void SetCurrent(qint64 id);
    // The selected boxes plus the current one, in record order.
    QList<qint64> IdsToActOn() const;

    QUndoStack* UndoStack() const { return undo_; }

Q_SIGNALS:
    // Everything was replaced (Open).
    void Opened();
    // The same records took other IDs (AdoptSaved).
    void Rekeyed();
    // The open format has another name (Rename).
    void Renamed(const QString& name);
    void RecordAboutToBeInserted(int row);
    void RecordInserted(qint64 id, int row);
    void RecordAboutToBeRemoved(qint64 id, int row);
    void RecordRemoved(qint64 id);
    // A record's columns changed; `what` says which parts (never empty).
    void RecordChanged(qint64 id, RecordParts what);
    void ContentChanged(qint64 id);
    void SelectionChanged(qint64 id);
    void CurrentChanged(qint64 id);
    // The page parameters changed (SetPage); `what` says which parts.
    void PageChanged(PageParts what);

private:
    friend class InsertRecordsCommand;
    friend class ChangeRecordsCommand;

    // The raw edits the undo commands make.
    void InsertAt(int row, const BoxRecord& record, const QString* content);
    // The record and its content, removed.
    std::pair<BoxRecord, std::optional<QString>> TakeAt(int row);
    void Replace(const BoxRecord& record);
    void Push(class QUndoCommand* command);
    void InvalidateRows() { rowsValid_ = false; }

    Format format_;
    Bill bill_;
    QSet<qint64> selection_;
    qint64 currentId_ = 0;
    QUndoStack* undo_ = nullptr;
    bool runOpen_ = false;
    mutable QHash<qint64, int> rows_;
    mutable bool rowsValid_ = false;
};
