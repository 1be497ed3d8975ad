#pragma once
// Storing a proposal as a format: a new format of the scanned page's size, or the
// boxes added to a format that exists. Either way the boxes go in through the document
// as one step, the format is stored in one transaction and the straightened scan
// becomes its background picture.
#include "scan/ScanProposal.h"

class Database;

// How many boxes were stored; `problem` says what failed (empty when nothing did).
struct ScanStored {
    int boxes = 0;
    QString problem;
};

// A new format `name` (the caller has checked the name is free and usable).
ScanStored CreateFormatFromScan(Database& db, const QString& name, const ScanProposal& proposal);

// Adds the boxes to the stored `format`, loaded at `designWidth`.
ScanStored AddScanToFormat(Database& db, const Format& format, qint64 designWidth, const ScanProposal& proposal);
