#pragma once
// Putting values into a bill by box label, as import and the command line address
// boxes: a text box's value is converted by its data type, a check box is checked
// by any non-blank value, a picture box takes the value as its link item.
#include <QString>

class Bill;
struct ConversionSettings;
struct Format;

// Fills every text, check and picture box labelled `label`; false when there is none.
bool FillBoxByLabel(const Format& format, Bill& bill, const QString& label, const QString& value,
                    const QString& lineBreakMarker, const ConversionSettings& settings);
