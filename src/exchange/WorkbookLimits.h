#pragma once
// How far a workbook may unpack: per part of an .xlsx package, and cells (or shared
// strings) in all. Files beyond them are refused with a message, not read into memory.
#include <QtGlobal>

struct WorkbookLimits {
    qint64 partBytes = 256LL * 1024 * 1024;
    qsizetype cells = 2'000'000;
};
