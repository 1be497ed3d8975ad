#pragma once
// Drawing one box of a format on a twip surface: text and labels through the text
// layout, check marks, pictures, codes and lines.
#include "content/ConversionSettings.h"
#include "symbols/BarcodeStandard.h"

#include <QString>

class TwipSurface;
struct BoxRecord;

struct BoxDrawContext {
    double shiftX = 0, shiftY = 0; // twips taken off every position (calibration)
    double designToPaper = 0;      // see DesignToPaper
    bool autoFontSize = false;     // shrink text that does not fit its box
    BarcodeStandard barcodeStandard = BarcodeStandard::Code39; // for picture boxes that carry a code
    ConversionSettings conversion; // currency and rounding of amount cells
};

// Draws `box` showing `content` (see PrintedContent). Empty content draws nothing;
// a picture that cannot be loaded is skipped.
void DrawBox(TwipSurface& surface, const BoxRecord& box, const QString& content,
             const BoxDrawContext& context);
