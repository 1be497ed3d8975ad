#pragma once
// A print queue's printer puts nothing in a margin along each edge of the paper (its
// hardware margins): a box that reaches into it is cut off without a word. Before
// printing, the user hears which boxes those are.
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
struct Format;
struct LabelSheetSpec;

// The labels of the boxes, in print order, that reach into the hardware margins of the
// paper `format` prints on (its own size when it sets the paper), placed as the format's
// offsets and the seat's profile of the queue put them; empty for a PDF file or when
// every box lies inside. On continuous paper the paper is the form: no margin lies
// between two forms of a strip, but the first form of a job starts at the top margin
// (less what the last job left before it) and the last one ends in the bottom margin,
// with up to one feed line of the strip's rounding beyond it.
QStringList BoxesInHardwareMargins(const QPagedPaintDevice& device, const Format& format);

// The same for a label sheet of `format` laid out by `spec`: each box that reaches into
// the margins in some label, with the labels it does so in.
QStringList LabelBoxesInHardwareMargins(const QPagedPaintDevice& device, const Format& format,
                                        const LabelSheetSpec& spec);

// The warnings naming those boxes; empty when there are none.
QString HardwareMarginWarning(const QPagedPaintDevice& device, const Format& format);
QString LabelSheetMarginWarning(const QPagedPaintDevice& device, const Format& format, const LabelSheetSpec& spec);
