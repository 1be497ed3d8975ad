#pragma once
// Rewriting a box's text by its data type, so that what stands in the box is what
// is printed. Conversions never fail: text that does not fit comes back unchanged
// or, for date patterns, empty.
#include "content/ConversionSettings.h"
#include <QString>

// The text as a box of this data type (`Cash`) holds it after the user leaves it.
QString ConvertByDataType(const QString& text, double dataType, const ConversionSettings& settings);

// Box filling: the line-break marker replaced by a real line break ("\n"), then ConvertByDataType.
QString FillBoxText(const QString& text, const QString& lineBreakMarker, double dataType,
                    const ConversionSettings& settings);

// Postcode: the digits only, cut to six, zero-padded on the left when shorter.
QString FormatPostcode(const QString& text);
