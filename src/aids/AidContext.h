#pragma once
// What the entry aids need besides the document: the database (history queries and
// the format's custom types), how values enter boxes, the clock, and where a question
// to the user goes.
#include "records/BoxValues.h"

#include <QDateTime>

class Asker;
class Database;

struct AidContext {
    // Without a database the aids that read history or custom types do nothing.
    Database* db = nullptr;
    // Line-break marker and conversion settings (currency, rounding, month zero).
    ValueFilling filling;
    // "Now" for dates and passwords; invalid means the clock.
    QDateTime now;
    // Told about a bad custom date pattern; none: not told.
    Asker* asker = nullptr;

    QDateTime Now() const { return now.isValid() ? now : QDateTime::currentDateTime(); }
};
