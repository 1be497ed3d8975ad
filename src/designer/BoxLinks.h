#pragma once
// How the box editor lists the boxes a relation or sum target may name.
#include <QString>
#include <QtGlobal>

// A list entry: the ID with six digits, zero-filled, + "｜" + caption; and back.
QString LinkEntryText(qint64 id, const QString& caption);
qint64 LinkEntryId(const QString& text);
