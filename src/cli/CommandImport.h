#pragma once
// Reading a data file for a command, as the window's import does, with what the user
// must know written to `err`.
#include "exchange/ImportRun.h"

#include <memory>

class QTextStream;
class SheetReader;

// The file with the named worksheet (the first when `sheet` is empty) selected;
// nullptr after saying why it cannot be read. A CSV file is read no further than
// `lastRow` (0: to its end).
std::unique_ptr<SheetReader> OpenSheetForCommand(const QString& path, const QString& sheet, int lastRow,
                                                 QTextStream& err);

// RunImport without a progress display; the reader's warnings and any refusal go to `err`.
std::optional<BillData> ImportForCommand(Database& db, const SheetReader& reader, const ImportRequest& request,
                                         const QString& lineBreakMarker, QTextStream& err);
