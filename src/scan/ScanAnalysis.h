#pragma once
// The design from a scan: straighten and measure the scanned blank bill, find its
// blanks, read their captions and propose one box per blank. Runs without a window
// and on any thread (with that thread's own CaptionReader).
#include "scan/ScanProposal.h"

#include <functional>

class CaptionReader;

// Called with the steps done and the steps in all, from the analysing thread.
using ScanProgress = std::function<void(int done, int steps)>;

ScanOutcome AnalyseScan(const QImage& image, const ScanSettings& settings, CaptionReader& reader,
                        const ScanProgress& progress = {});

// Reads the file (its recorded resolution included) and analyses it.
ScanOutcome AnalyseScanFile(const QString& path, const ScanSettings& settings, CaptionReader& reader,
                            const ScanProgress& progress = {});
