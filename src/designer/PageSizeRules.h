#pragma once
// The page size of a format: the ratio rule and the prompts of a new format.
#include <QString>
#include <optional>

class Asker;

// Both sides positive and W / H within 1:20 .. 20:1, ends included.
bool IsValidPageRatio(double widthMm, double heightMm);

struct NewFormatPage {
    QString name;
    double widthMm = 0;
    double heightMm = 0;
};

// Asks for the name, width and height of a new format (width and height pre-filled
// with the current page). nullopt when any answer is empty or cancelled.
std::optional<NewFormatPage> AskNewFormat(Asker& asker, double currentWidthMm,
                                          double currentHeightMm);
