#include "document/FormatDocument.h"

#include "document/RecordCommands.h"

#include <QUndoStack>
#include <algorithm>

FormatDocument::FormatDocument(QObject* parent) : QObject(parent), undo_(new QUndoStack(this)) {
    undo_->setUndoLimit(kUndoLimit);
}

FormatDocument::~FormatDocument() = default;

bool FormatDocument::IsModified() const { return !undo_->isClean(); }

void FormatDocument::Open(Format format, Bill bill) {
    undo_->clear();
    runOpen_ = false;
    format_ = std::move(format);
    bill_ = std::move(bill);
    for (const BoxRecord& box : format_.boxes)
        if (box.HoldsFixedText() && !bill_.Values().contains(box.id)) bill_.SetValue(box.id, box.mem);
    selection_.clear();
    currentId_ = 0;
    InvalidateRows();
    Q_EMIT Opened();
}

void FormatDocument::AdoptSaved(const Format& saved) {
    if (saved.boxes.size() == format_.boxes.size()) {
        QSet<qint64> selection;
        for (qsizetype i = 0; i < saved.boxes.size(); ++i) {
            const qint64 oldId = format_.boxes[i].id, newId = saved.boxes[i].id;
            bill_.Rekey(oldId, newId);
            if (selection_.contains(oldId)) selection.insert(newId);
            if (currentId_ == oldId) currentId_ = newId;
        }
        selection_ = selection;
    }
    undo_->clear();
    runOpen_ = false;
    format_ = saved;
    InvalidateRows();
    Q_EMIT Rekeyed();
}

void FormatDocument::Rename(const QString& name) {
    if (name == format_.name) return;
    format_.name = name;
    Q_EMIT Renamed(name);
}

void FormatDocument::SetPage(const PageParams& page) {
    const PageParts what = PagePartsChanged(format_.page, page);
    if (!what) return;
    format_.page = page;
    Q_EMIT PageChanged(what);
}

int FormatDocument::RowOf(qint64 id) const {
    if (!rowsValid_) {
        rows_.clear();
        rows_.reserve(format_.boxes.size());
        for (int row = 0; row < format_.boxes.size(); ++row) rows_.insert(format_.boxes[row].id, row);
        rowsValid_ = true;
    }
    return rows_.value(id, -1);
}

const BoxRecord* FormatDocument::Record(qint64 id) const {
    const int row = RowOf(id);
    return row < 0 ? nullptr : &format_.boxes[row];
}

QList<qint64> FormatDocument::AddRecords(QList<BoxRecord> records, const QString& step) {
    if (records.isEmpty()) return {};
    // Rows as they will be when the records go in one after another: each after the
    // last record of its kind (the list is ordered by kind, then ID).
    QList<BoxKind> kinds;
    kinds.reserve(format_.boxes.size() + records.size());
    for (const BoxRecord& box : format_.boxes) kinds.append(box.kind);
    qint64 nextId = format_.NextTemporaryId();
    QList<InsertRecordsCommand::Entry> entries;
    QList<qint64> ids;
    for (BoxRecord& record : records) {
        record.id = nextId++;
        int at = 0;
        for (int i = 0; i < kinds.size(); ++i)
            if (kinds[i] <= record.kind) at = i + 1;
        kinds.insert(at, record.kind);
        entries.append({at, record, std::nullopt});
        ids.append(record.id);
    }
    Push(new InsertRecordsCommand(*this, std::move(entries), true, step));
    return ids;
}

qint64 FormatDocument::AddRecord(const BoxRecord& record, const QString& step) {
    return AddRecords({record}, step).value(0);
}

void FormatDocument::ChangeRecords(const QList<BoxRecord>& records, const QString& step, EditRun run) {
    QList<BoxRecord> before, after;
    before.reserve(records.size());
    after.reserve(records.size());
    for (const BoxRecord& record : records) {
        const BoxRecord* current = Record(record.id);
        if (!current) continue;
        BoxRecord changed = record;
        changed.mem = current->mem;
        if (changed == *current) continue;
        before.append(*current);
        after.append(changed);
    }
    if (after.isEmpty()) return;
    const bool mayMerge = runOpen_;
    Push(new ChangeRecordsCommand(*this, std::move(before), std::move(after), run, mayMerge, step));
    runOpen_ = run != EditRun::None;
}

void FormatDocument::ChangeRecord(const BoxRecord& record, const QString& step, EditRun run) {
    ChangeRecords({record}, step, run);
}

void FormatDocument::RemoveRecords(const QList<qint64>& ids, const QString& step) {
    QList<int> rows;
    for (qint64 id : ids)
        if (const int row = RowOf(id); row >= 0 && !rows.contains(row)) rows.append(row);
    if (rows.isEmpty()) return;
    std::sort(rows.begin(), rows.end());
    QList<InsertRecordsCommand::Entry> entries;
    for (int row : rows) entries.append({row, format_.boxes[row], std::nullopt});
    Push(new InsertRecordsCommand(*this, std::move(entries), false, step));
}

void FormatDocument::EndRun() { runOpen_ = false; }

void FormatDocument::Push(QUndoCommand* command) {
    // Any other edit ends a run; ChangeRecords opens a new one after pushing.
    runOpen_ = false;
    undo_->push(command);
}

void FormatDocument::SetContent(qint64 id, const QString& text) {
    const int row = RowOf(id);
    if (row < 0) return;
    if (bill_.Values().contains(id) && bill_.Value(id) == text) return;
    bill_.SetValue(id, text);
    // Saving keeps an unlabelled text box's text with the format.
    if (format_.boxes[row].HoldsFixedText()) format_.boxes[row].mem = text;
    Q_EMIT ContentChanged(id);
}

void FormatDocument::FillContents(const Bill& values) {
    for (auto value = values.Values().cbegin(); value != values.Values().cend(); ++value)
        SetContent(value.key(), value.value());
}

void FormatDocument::SetSelected(qint64 id, bool on) {
    if (on == selection_.contains(id) || (on && RowOf(id) < 0)) return;
    if (on) selection_.insert(id);
    else selection_.remove(id);
    Q_EMIT SelectionChanged(id);
}

void FormatDocument::SetSelection(const QSet<qint64>& ids) {
    const QSet<qint64> old = selection_;
    for (qint64 id : old)
        if (!ids.contains(id)) SetSelected(id, false);
    for (qint64 id : ids) SetSelected(id, true);
}

void FormatDocument::SetCurrent(qint64 id) {
    if (id == currentId_) return;
    currentId_ = id;
    Q_EMIT CurrentChanged(id);
}

QList<qint64> FormatDocument::IdsToActOn() const {
    QList<qint64> ids;
    for (const BoxRecord& box : format_.boxes)
        if (box.id == currentId_ || selection_.contains(box.id)) ids.append(box.id);
    return ids;
}

void FormatDocument::InsertAt(int row, const BoxRecord& record, const QString* content) {
    Q_EMIT RecordAboutToBeInserted(row);
    format_.boxes.insert(row, record);
    if (content) bill_.SetValue(record.id, *content);
    else if (record.HoldsFixedText()) bill_.SetValue(record.id, record.mem);
    InvalidateRows();
    Q_EMIT RecordInserted(record.id, row);
}

std::pair<BoxRecord, std::optional<QString>> FormatDocument::TakeAt(int row) {
    const qint64 id = format_.boxes[row].id;
    Q_EMIT RecordAboutToBeRemoved(id, row);
    BoxRecord record = format_.boxes.takeAt(row);
    std::optional<QString> content;
    if (bill_.Values().contains(id)) content = bill_.Value(id);
    bill_.Remove(id);
    selection_.remove(id);
    if (currentId_ == id) currentId_ = 0;
    InvalidateRows();
    Q_EMIT RecordRemoved(id);
    return {std::move(record), std::move(content)};
}

void FormatDocument::Replace(const BoxRecord& record) {
    const int row = RowOf(record.id);
    if (row < 0) return;
    BoxRecord& target = format_.boxes[row];
    const RecordParts what = PartsChanged(target, record);
    const QString mem = target.mem;
    target = record;
    target.mem = mem;
    if (what) Q_EMIT RecordChanged(record.id, what);
}
