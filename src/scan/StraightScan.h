#pragma once
// Straightening and measuring a scan: the sheet found against its background (a
// photographed bill is squared), the skew of its rules corrected, and the result
// scaled to a known number of pixels per millimetre for the analysis.
#include "scan/ScanProposal.h"

#include <opencv2/core.hpp>

// Pixels per millimetre of the analysis image (about 200 dpi): fine enough for a
// tenth of a millimetre, coarse enough to stay quick on an A4 page at 300 dpi.
inline constexpr double kWorkPxPerMm = 8;

struct StraightScan {
    cv::Mat work;            // grey, straight, kWorkPxPerMm
    QImage picture;          // the straightened scan at its own resolution
    QSizeF pageMm;
    double skewDegrees = 0;
    bool perspective = false;
};

// The scan as 8-bit grey.
cv::Mat GreyOf(const QImage& image);

// nullopt with `problem` set when the scale cannot be known.
std::optional<StraightScan> Straighten(const QImage& image, const ScanSettings& settings, QString* problem);

// Ink as 255 on 0, thresholded against the local brightness so uneven lighting and a
// tinted paper do not matter.
cv::Mat InkOf(const cv::Mat& grey);
