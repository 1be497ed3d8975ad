#pragma once
// Sizing a box's font for paper. The design size is points on the canvas at fit
// width; the printer size keeps the share of the page the text has there.
#include <QString>
#include <functional>

struct BoxFont;

// Millimetres of paper per twip of canvas when the page fills the canvas width.
double DesignToPaper(double pageWidthMm, double canvasWidthTwips);
// The canvas width at fit width on a screen `screenWidthTwips` wide: the window
// keeps 340 twips of the screen for its frame, as the stored font scaling assumes.
double FitWidthCanvasTwips(double screenWidthTwips);

// The search for a size whose sample width reaches `targetWidth`: a coarse phase
// (steps −4 or +10, halved and reversed when they pass the target, until below
// 0.3 pt) from `startSize`, then up to 10 steps of 0.1 pt. `sampleWidth` measures
// the sample at a size; it may be any monotonic measure.
double FitFontSize(double targetWidth, double startSize,
                   const std::function<double(double size)>& sampleWidth);

// Width of a text in twips at `sizePt` points on paper, on any surface.
double TextWidthTwips(const BoxFont& font, double sizePt, const QString& text);

// The printer font size of a box font. Cached: the answer depends only on the font,
// its design size and the ratio.
double PrinterFontSize(const BoxFont& font, double designToPaper);

// Automatic font size: from `startSize` down in steps of 0.1 pt (never below 2 pt)
// until the widest explicit line, measured with `widthAt`(size, line) plus
// (length − 1) × letterSpacing, fits `boxWidth`.
double ShrinkToFit(const QString& content, double boxWidth, double letterSpacing,
                   double startSize, const std::function<double(double, const QString&)>& widthAt);
