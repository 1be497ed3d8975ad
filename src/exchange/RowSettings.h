#pragma once
// The row settings of the import (start, end, row interval, marker column), kept in
// the settings store for all formats, and the range they give.
#include <QString>
#include <optional>

struct RowSettings {
    // As the fields show them; these are the fields' values before anything is stored.
    QString start = QStringLiteral("2");
    QString end = QStringLiteral("30001");
    QString interval = QStringLiteral("1");
    QString marker;
};

// A key that is missing or empty keeps the value of `defaults`.
RowSettings ReadRowSettings(const RowSettings& defaults = {});
// Each value trimmed.
// False when the settings store could not keep them.
bool WriteRowSettings(const RowSettings& settings);

// The most rows one import reads.
inline constexpr int kMaxImportRows = 30000;

struct ImportRange {
    int start = 1;
    int end = 1;
    int interval = 1;     // the most rows one record covers
    int markerColumn = 0; // 0: none
};

// Start and end swapped when reversed; nullopt when they span more than
// kMaxImportRows rows. A start or interval below 1 counts as 1.
std::optional<ImportRange> CheckRange(const RowSettings& settings);

// The last row of the file an import with these settings reads; 1 when the range
// is refused (the import then says so without needing the rows).
int LastRowWanted(const RowSettings& settings);
