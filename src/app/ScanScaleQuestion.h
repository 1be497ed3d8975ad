#pragma once
// How the window asks what measures a chosen scan, as design-from-scan's --size and
// --dpi do: the page size (the open format's to start with) or the scan's resolution
// (the one its file records to start with).
#include "scan/ScanProposal.h"

class Asker;

// nullopt when the user cancels; a wrong answer is explained and asked again.
std::optional<ScanSettings> AskScanScale(Asker& asker, const QString& image, const QSizeF& formatMm);
