#pragma once
// Whether a barcode typed into a picture box can be drawn in the format's standard.
#include "symbols/BarcodeStandard.h"

#include <QString>

// Why `content` cannot be drawn in `standard`, as the user is told; empty when it can.
QString BarcodeRefusal(const QString& content, BarcodeStandard standard);
