#pragma once
// A made-up bank deposit slip: the boxes of its format and the picture of the blank
// paper they are placed over. Both use the millimetre grid below, so the boxes land
// in the printed fields.
#include "store/Format.h"

#include <QImage>

inline const QString kSampleFormatName = QStringLiteral("银行进账单");

namespace SlipGrid {
inline constexpr double kPageWidth = 210, kPageHeight = 297;
inline constexpr double kLeft = 15, kRight = 195;
inline constexpr double kTitleTop = 6, kDateTop = 17;
inline constexpr double kTableTop = 26, kRowHeight = 10;
inline constexpr double kAmountTop = 56, kAmountBottom = 72; // the taller amount row
inline constexpr double kKindRowBottom = 82, kTableBottom = 104;
inline constexpr double kPayerCaption = 23, kPayerValue = 43; // column edges, left half
inline constexpr double kMiddle = 105, kPayeeCaption = 113, kPayeeValue = 133;
inline constexpr double kDigits = 125;                        // the small-figure amount
} // namespace SlipGrid

// An A4 page with rulers and the background shown, QR codes for picture boxes, and
// one box of each kind.
Format SampleFormat();

// The blank slip on a white A4 sheet at `pixelsPerMm`.
QImage SampleBackground(double pixelsPerMm);
