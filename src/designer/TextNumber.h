#pragma once
// The numeric value of what the user typed: the leading number of the text after
// blanks ("12.5mm" is 12.5), 0 when the text does not start with one.
class QString;

double NumberFromText(const QString& text);

// A number as the editors show it: no trailing zeros, up to twelve significant digits.
QString NumberText(double value);
