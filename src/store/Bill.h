#pragma once
// The current contents of the open format's boxes, by box ID, as text: a text box's
// text, "1" or "" for a check box, a picture path or barcode string for a picture box.
// The designer's widgets write it as the user types; printing, history, picture
// output and the entry aids read it.
#include <QHash>
#include <QString>
#include <QtGlobal>

class Bill {
public:
    QString Value(qint64 boxId) const { return values_.value(boxId); }
    void SetValue(qint64 boxId, const QString& value) { values_.insert(boxId, value); }
    void Remove(qint64 boxId) { values_.remove(boxId); }
    void Clear() { values_.clear(); }
    // After a save gives new boxes their real IDs.
    void Rekey(qint64 oldId, qint64 newId) {
        if (oldId == newId || !values_.contains(oldId)) return;
        values_.insert(newId, values_.take(oldId));
    }
    const QHash<qint64, QString>& Values() const { return values_; }

private:
    QHash<qint64, QString> values_;
};
