#pragma once
// The spreadsheet module (vellumark-sheets.so): the .xlsx and older .xls files, with
// libzip, libxlsxwriter and FreeXL, loaded on a run's first such file
// (exchange/SpreadsheetFiles.h). Its code comes from the commands module loaded before
// it. This is its entry point, looked up by name.
class SpreadsheetFiles;

extern "C" {
// The spreadsheet files on the module's libraries; they live until the program ends.
using SpreadsheetFilesEntry = const SpreadsheetFiles* (*)();
}

inline constexpr char kSpreadsheetFilesEntry[] = "VellumarkSpreadsheetFiles";
