// The spreadsheet module's entry (SheetsModule.h).
#include "app/SheetsModule.h"

#include "exchange/LinkedSpreadsheetFiles.h"

#include <type_traits>

extern "C" __attribute__((visibility("default"))) const SpreadsheetFiles* VellumarkSpreadsheetFiles() {
    return &LinkedSpreadsheetFiles();
}

// The entry must keep the type the program calls it by.
static_assert(std::is_same_v<decltype(&VellumarkSpreadsheetFiles), SpreadsheetFilesEntry>);
