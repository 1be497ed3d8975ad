#pragma once
// Copying a whole store into another (the data folder's file into a server, a server
// into a file, ...), in one transaction on the target: the formats with their
// pictures, the history, defaults, mappings, parameters (the format tree is one), the
// web format list and the printer profiles. Box IDs stay as they are, since history,
// defaults and mappings name them; the box ID counter and the format versions are set
// so that the next box, bill and save on the target follow on.
#include <QString>

class Database;

struct StoreCopyCounts {
    qint64 formats = 0;
    qint64 pictures = 0;
    qint64 bills = 0; // a bill is every history row of one number of one format
    qint64 defaults = 0;
    qint64 mappings = 0;
    qint64 parameters = 0;
    qint64 profiles = 0;
};

struct StoreCopyOutcome {
    enum class Result { Copied, TargetNotEmpty, Failed };
    Result result = Result::Failed;
    StoreCopyCounts counts;
    // Failed: what the user is told (which store and its own reason).
    QString problem;
};

// What the target holds after the copy, in the user's words.
QString CountsText(const StoreCopyCounts& counts);

// A target that holds anything (beyond the empty last-use row every store has) is
// refused unless `replace`, which empties it first within the same transaction.
StoreCopyOutcome CopyStore(Database& from, Database& to, bool replace);
