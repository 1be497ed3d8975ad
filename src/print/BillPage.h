#pragma once
// One page of a bill on any painter: the background picture when asked for, then
// every box, kind by kind (text boxes, check boxes, pictures, lines, labels last),
// moved by the calibration shift.
class Bill;
class QImage;
class QPainter;
struct Format;

struct BillPageOptions {
    // The canvas width in screen twips at fit width on which the fonts were sized
    // (see FitWidthCanvasTwips); fonts keep their share of the page on paper.
    double canvasWidthTwips = 15020;
    int roundingMethod = 0;     // NumCutMethod, for amounts spread over cells
    bool background = false;    // paint the format's background picture
    // That picture decoded once for a whole job: every page draws the very same image,
    // which a PDF then holds once. Read from the format's file when null.
    const QImage* backgroundPicture = nullptr;
    bool calibrated = true;     // apply the stored offsets and the centre-fed shift
    // The print preview only: the background drawn faintly behind the data and the
    // bill's edge, so the user sees where each value lands on the real bill.
    double backgroundOpacity = 1.0;
    bool billEdge = false;
};

// The options of the print preview: as printed, plus the faint background and the edge.
BillPageOptions PreviewOptions(BillPageOptions printed);

// The shift in mm of a format's print: stored offset − 10 (positive moves left/up).
double ShiftXmm(const Format& format);
double ShiftYmm(const Format& format);

// Draws the bill onto the painter's device, addressed in twips from its corner.
void PrintPage(QPainter& painter, const Format& format, const Bill& bill,
               const BillPageOptions& options);
