#pragma once
// Filling a whole bill as a user would type it, for the command line and data rows:
// a fresh bill with its automatic values, then each value typed into the boxes of
// its label, the aids running after each one as they do when a box is left.
#include <QList>
#include <QString>
#include <QStringList>

class FormatDocument;
struct AidContext;

struct LabelValue {
    QString label;
    QString value;
};

// Empties the boxes of the bill (fixed texts stay, pictures too when the format keeps
// them), then fills automatic numbers, custom lists and passwords, and with
// `fillDates` the date boxes.
void StartBillAsTyped(FormatDocument& document, const AidContext& context, bool fillDates);

// Puts each value, in order, into every text, check and picture box with its label
// (converted as box filling does) and runs ApplyAidsAfterEdit for each of those
// boxes. Returns the labels no box has; their values go nowhere.
QStringList FillAsTyped(FormatDocument& document, const QList<LabelValue>& values,
                        const AidContext& context);
