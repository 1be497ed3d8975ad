#pragma once
// Renaming a format: every row that names it and its background picture move to the
// new name together, so the renamed format keeps its history, defaults, column
// mapping and per-format parameters.
#include <QString>
#include <functional>

class Database;

// Printing: a print job holds the format (FormatHold.h).
enum class RenameOutcome { Renamed, Missing, Taken, PictureInTheWay, Printing, Failed };

// In one transaction: the format's rows in Fmt, 历史, 默认 and 映射, its per-format
// parameters ("name=>...") and column order ("name_列顺序"), and the last-use row
// when it names the format; then `alsoInTransaction` (further writes that belong to
// the rename); last the background picture (BackgroundPictures.h). A format without a picture renames
// all the same; a picture that cannot move rolls everything back. A picture already
// under the new name is never overwritten: the rename is refused instead. Run it as
// its own transaction: the picture has moved by the time it commits.
RenameOutcome RenameFormatRecords(Database& db, const QString& oldName, const QString& newName,
                                  const std::function<bool()>& alsoInTransaction = {});
