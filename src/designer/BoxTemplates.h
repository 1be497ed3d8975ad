#pragma once
// The hidden template of each box kind: the size, font and colours every new box of
// the kind starts with, and its position when the add command names no point.
#include "store/Format.h"

#include <QRect>

class CanvasScale;

// Left, top, width, height in canvas twips; for a line the two end points
// (left, top) and (left + width, top + height).
QRect TemplateTwips(BoxKind kind);

// A new record for the kind at its template place, positions through `scale`.
// The caller gives it its ID.
BoxRecord TemplateRecord(BoxKind kind, const CanvasScale& scale);

// A label's template grown to show its own text whole at the canvas's pixel size
// (the font is shown at its design size), never shrunk below the template.
void FitLabelToText(BoxRecord& record, const CanvasScale& scale, double twipsPerPixel);
