#pragma once
// A data row entering a bill as if it had been typed: each column's value goes into
// its box through the box's data type conversion, then the entry aids that follow a
// whole filled row (sums, linked boxes, dates, numbers) get their turn.
#include "exchange/BillData.h"
#include "records/BoxValues.h"
#include "store/Bill.h"

#include <QHash>
#include <functional>

class Database;
struct BoxRecord;
struct Format;

// Runs after every column of a row is in the bill, as the entry aids do after typing.
using RowFilledHook = std::function<void(const Format& format, Bill& bill)>;

struct RowFilling {
    ValueFilling values;
    RowFilledHook afterRowFilled; // none: the row's values stand as converted
};

// The entry aids that follow a whole row filled in, for bills of the store `db`. Every
// batch (window and command line) takes its hook from here.
RowFilledHook EntryAidsAfterRow(Database& db, const ValueFilling& filling);

class RowLoader {
public:
    // `format` must outlive the loader; columns whose box is missing or holds no
    // bill value (a fixed-text box) are left out.
    RowLoader(const Format& format, const QList<BillColumn>& columns, RowFilling filling);

    // `base` with the row's values written over it: boxes the row has no column for
    // keep what `base` holds.
    Bill LoadRowAsTyped(const QStringList& values, const Bill& base = {}) const;

private:
    const Format& format_;
    QList<QPair<int, const BoxRecord*>> targets_; // column index, its box
    RowFilling filling_;
};
