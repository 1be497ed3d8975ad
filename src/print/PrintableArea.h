#pragma once
// A print queue's printer puts nothing in a margin along each edge of the paper (its
// hardware margins): a box that reaches into it is cut off without a word. Before
// printing, the user hears which boxes those are.
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
struct Format;

// The labels of the boxes, in print order, that reach into the hardware margins of the
// paper `format` prints on (its own size when it sets the paper), placed as the format's
// offsets and the seat's profile of the queue put them; empty for a PDF file or when
// every box lies inside.
QStringList BoxesInHardwareMargins(const QPagedPaintDevice& device, const Format& format);

// The warning naming those boxes; empty when there are none.
QString HardwareMarginWarning(const QPagedPaintDevice& device, const Format& format);
