#pragma once
// What the analysis of a scanned blank bill proposes: the straightened picture, the
// page it measures in millimetres, and one box per blank with its label, data type and
// how sure the analysis is. A proposal is only a suggestion: nothing is stored until
// the user accepts it (ApplyProposal in scan/ProposalRecords.h).
#include "store/Format.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>

// How the blank was found; it decides how the label is looked for.
enum class BlankShape {
    Cell,      // an empty cell of a ruled table
    Line,      // a line to write on after a caption
    Cells,     // a row of equal small cells (digits, postcode)
    Square,    // a printed check square
};

struct ProposedBox {
    QRectF mm;                // position and size on the page
    BoxKind kind = BoxKind::Text;
    BlankShape shape = BlankShape::Cell;
    QString label;
    double dataType = 0;      // the stored data-type code (`Cash`)
    int cells = 0;            // cells of a Cells blank
    double confidence = 0;    // 0..1: the caption's reading times the blank's shape
    int productInto = -1;     // index of the box this one multiplies into (数量 × 单价 → 金额)
};

struct ScanProposal {
    QImage picture;           // the straightened scan, the page exactly
    QSizeF pageMm;
    double skewDegrees = 0;   // the rotation corrected
    bool perspective = false; // a photographed sheet was squared
    QList<ProposedBox> boxes;
};

// What the user tells about the scan. Without a page size the scale comes from the
// resolution: the one given, else the one the image file records.
struct ScanSettings {
    std::optional<double> dpi;
    std::optional<QSizeF> pageMm;
};

// The resolutions a user may give for a scan, in dpi.
inline constexpr int kLeastGivenDpi = 50;
inline constexpr int kMostGivenDpi = 2400;

// The resolution an image file records, 0 when it records none worth believing.
double RecordedDpi(const QImage& image);

// Why a scan could not be analysed (empty when it could).
struct ScanOutcome {
    std::optional<ScanProposal> proposal;
    QString problem;
};
