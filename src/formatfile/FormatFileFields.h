#pragma once
// One record line of a format file: the 23 fields of an Fmt row, in file order.
#include "store/Format.h"

#include <QStringList>
#include <optional>

// Fields a reader needs; SumID1 and RCtl1 came later and default to 0.
inline constexpr int kRequiredFieldCount = 21;
inline constexpr int kFieldCount = 23;

// A box record as its 23 fields, line breaks of LBL and Mem escaped.
QStringList BoxFields(const BoxRecord& box);
// The page-parameter row as its 23 fields; the numeric columns it does not use are
// 0, as stored, and its font name is empty.
QStringList PageFields(qint64 id, const PageParams& page);

// An Fmt row read back from at least kRequiredFieldCount fields. nullopt when a
// number field holds no number, or a box kind is out of range. The page-parameter
// row comes back as a record whose label is kPageParamsLabel.
std::optional<BoxRecord> ParseRowFields(const QStringList& fields);
// The page parameters a page-parameter row carries.
PageParams PageFromRow(const BoxRecord& row);

// Decimal text of a stored number: shortest exact form, "0" for zero, "E" exponent.
QString FileNumberText(double value);
