#pragma once
// A bill larger than the printer's paper is cut off without a word unless the paper is
// set to the page's size. Before printing, the user hears so and may let this format
// set the paper from now on ("自动设置纸张").
#include <QSizeF>
#include <optional>

class Asker;
class QPagedPaintDevice;
struct PageParams;

// The printer's paper in mm as the bill is fed (turned for lengthwise printing).
QSizeF PaperSizeMm(const QPagedPaintDevice& device, const PageParams& page);
// Whether the page lies on the paper (a tenth of a millimetre of rounding allowed).
bool PageFitsPaper(const QSizeF& pageMm, const QSizeF& paperMm);

// The paper's size when the page does not lie on it and the format does not set the
// paper to its own size; nullopt when it prints whole.
std::optional<QSizeF> PaperTooSmall(const QPagedPaintDevice& device, const PageParams& page);

// When the page does not fit and the format does not set the paper, asks; Yes turns
// setPaper on in `page`. True when `page` changed.
bool OfferToSetPaper(const QPagedPaintDevice& device, PageParams& page, Asker& asker);
