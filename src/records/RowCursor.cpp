#include "records/RowCursor.h"

#include "store/Database.h"

#include <sqlcipher/sqlite3.h>

RowCursor::RowCursor(Database& db, const QString& sql, const QVariantList& params) : db_(db) {
    if (db.IsServer()) {
        fetched_ = std::make_unique<QueryResult>(db.Query(sql, params));
        failed_ = fetched_->failed;
        return;
    }
    const QByteArray text = sql.toUtf8();
    if (const int rc = sqlite3_prepare_v2(db.Handle(), text.constData(), int(text.size()), &stmt_, nullptr);
        rc != SQLITE_OK) {
        Fail(rc);
        return;
    }
    for (int i = 0; i < params.size() && !failed_; ++i) {
        const QVariant& value = params[i];
        int rc;
        if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int) {
            rc = sqlite3_bind_int64(stmt_, i + 1, value.toLongLong());
        } else {
            const QByteArray bytes = value.toString().toUtf8();
            rc = sqlite3_bind_text64(stmt_, i + 1, bytes.constData(), bytes.size(),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
        }
        if (rc != SQLITE_OK) Fail(rc);
    }
}

// The store hears of it, so a damaged page reached here marks the store damaged.
void RowCursor::Fail(int code) {
    failed_ = true;
    db_.NoteOutsideFailure(code);
}

RowCursor::~RowCursor() { sqlite3_finalize(stmt_); }

bool RowCursor::Next() {
    if (failed_) return false;
    if (fetched_) return ++row_ < fetched_->rows.size();
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc != SQLITE_DONE) Fail(rc);
    return false;
}

qint64 RowCursor::Integer(int column) const {
    if (fetched_) return fetched_->rows[row_].value(column).toLongLong();
    return sqlite3_column_int64(stmt_, column);
}

QString RowCursor::Text(int column) const {
    if (fetched_) return fetched_->rows[row_].value(column).toString();
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column)),
                             sqlite3_column_bytes(stmt_, column));
}
