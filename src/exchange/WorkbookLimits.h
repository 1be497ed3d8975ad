#pragma once
// How far a workbook may unpack: per part of an .xlsx package, and cells (or shared
// strings) in all; how much of a CSV file is kept. Files beyond them are refused with a message, not read into memory.
#include <QtGlobal>

struct WorkbookLimits {
    qint64 partBytes = 256LL * 1024 * 1024;
    qsizetype cells = 2'000'000;
    // A binary workbook is read whole, and its stream copied out of it.
    qint64 xlsFileBytes = 96LL * 1024 * 1024;
    // A CSV file's cells: one cell's text, and all of them together (characters).
    qsizetype csvFieldChars = 1024 * 1024;
    qsizetype csvTextChars = 32LL * 1024 * 1024;
};
