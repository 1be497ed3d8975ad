#pragma once
// A box's value as text: the one rule by which bills go into history and default
// records and come back into the boxes.
#include "content/ConversionSettings.h"

#include <QList>
#include <QString>
#include <optional>

class Bill;
struct BoxRecord;
struct Format;

// How stored text enters a box: the user's line-break marker and the conversions.
struct ValueFilling {
    QString lineBreakMarker = QStringLiteral("//");
    ConversionSettings settings;
};

// Whether the box holds a value of the bill: text, check and picture boxes, except
// an unlabelled text box, whose fixed text belongs to the format (kept in `mem`).
bool HoldsBillValue(const BoxRecord& box);

// The boxes that hold bill values, in the order a bill is written: text boxes, then
// check boxes, then picture boxes, each kind in the format's order. Boxes not saved
// yet (temporary IDs) have no record that a stored row could name: left out.
QList<const BoxRecord*> ValueBoxes(const Format& format);

// What is stored for the box: a text box's text, a check box's state as a number
// ("1" checked, "2" grayed), a picture box's picture file or code text. Empty when
// the box holds nothing, and then no row is written.
QString StoredValue(const BoxRecord& box, const Bill& bill);

// What a box holds after a value was put into it: a text box the text with the
// line-break marker turned into line breaks (none when the marker is empty) and
// converted once by its data type, a check box "1" for any non-blank text, a picture
// box the text as its link item. nullopt for lines and labels, which hold no value.
std::optional<QString> FilledContent(const BoxRecord& box, const QString& value,
                                     const ValueFilling& filling);

// Puts a stored value into the bill as FilledContent gives it; false for lines and
// labels.
bool WriteBoxValue(const BoxRecord& box, Bill& bill, const QString& value,
                   const ValueFilling& filling);
