#pragma once
// Whether a barcode typed into a picture box can be drawn in the format's standard.
#include <QString>

// Why `content` cannot be drawn in `barcodeStandard` (0 Code 39, 1 EAN-13, 2 QR), as the
// user is told; empty when it can.
QString BarcodeRefusal(const QString& content, int barcodeStandard);
