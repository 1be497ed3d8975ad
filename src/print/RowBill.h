#pragma once
// A data row entering a bill through the entry path, as a data row's values do: each
// column's value goes into its box, converted once by the box's data type, and the
// entry aids run after each one as when a box is left. The window's stepping, its
// batches and the command line's batches all load rows here.
#include "aids/EntryPath.h"
#include "exchange/BillData.h"
#include "records/BoxValues.h"
#include "store/Bill.h"

class Database;
struct Format;

// The row's values addressed to their boxes, in column order; the columns the mapping
// does not fill are left out (a row is loaded "each mapped column into its box").
QList<BoxEntry> RowEntries(const QList<BillColumn>& columns, const QStringList& values);

struct RowFilling {
    ValueFilling values;
    // The store the aids read history and custom types from; none: those aids do nothing.
    Database* db = nullptr;
};

class RowLoader {
public:
    // `format` must outlive the loader.
    RowLoader(const Format& format, const QList<BillColumn>& columns, RowFilling filling);

    // `base` with the row entered over it: the bill that stepping the row into boxes
    // holding `base` shows. Boxes the row has no column for keep what `base` holds
    // unless an aid fills them.
    Bill LoadRowAsTyped(const QStringList& values, const Bill& base = {}) const;

private:
    const Format& format_;
    QList<BillColumn> columns_;
    RowFilling filling_;
};
