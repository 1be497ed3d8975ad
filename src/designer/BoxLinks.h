#pragma once
// How the box editor lists the boxes a relation or sum target may name.
#include <QString>
#include <QtGlobal>

// A list entry: the ID with six digits, zero-filled, + "｜" + caption. A box not yet
// saved has only a temporary ID, which means nothing to the user: it shows by its
// caption alone. The list keeps each entry's ID beside its text.
QString LinkEntryText(qint64 id, const QString& caption);
