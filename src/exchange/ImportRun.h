#pragma once
// What the mapping dialog's OK does, and the command line with it: store the mapping
// and row settings when asked, check the row limit, then read the records.
#include "exchange/BillData.h"
#include "exchange/ColumnMapping.h"
#include "exchange/RowSettings.h"

#include <optional>

class Database;
class Progress;
class SheetReader;

struct ImportRequest {
    QString formatName;
    QList<MappedBox> boxes;
    RowSettings settings;
    bool store = true; // keep mapping and settings for the next import
};

// nullopt with `message` set when the range is refused; the sheet must be selected.
std::optional<BillData> RunImport(Database& db, const SheetReader& sheet, const ImportRequest& request,
                                  const QString& lineBreakMarker, Progress& progress,
                                  QString* message);

// The user's line-break marker from the settings store.
QString LineBreakMarker();
