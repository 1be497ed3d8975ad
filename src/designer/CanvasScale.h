#pragma once
// The one mapping between format millimetres and canvas twips. The scale is derived
// from the current canvas width and page width at every use, never stored apart.

class CanvasScale {
public:
    CanvasScale(double canvasWidthTwips, double pageWidthMm)
        : canvasWidth_(canvasWidthTwips), pageWidth_(pageWidthMm) {}

    // Twips per millimetre.
    double K() const { return canvasWidth_ / pageWidth_; }
    // Whole twips, ties to even.
    long MmToCanvas(double mm) const;
    // Millimetres to three decimals, ties to even: what goes back into a box record.
    double CanvasToMm(double twips) const;

private:
    double canvasWidth_;
    double pageWidth_;
};

// Screen twips per device-independent pixel for a widget's logical resolution.
double TwipsPerPixel(double logicalDpi);
