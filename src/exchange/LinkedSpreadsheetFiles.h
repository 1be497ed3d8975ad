#pragma once
// The spreadsheet files on the libraries linked with this code (SpreadsheetFiles.h).
class SpreadsheetFiles;

// Lives until the program ends.
const SpreadsheetFiles& LinkedSpreadsheetFiles();
