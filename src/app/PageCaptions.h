#pragma once
// The page size and print shift as the main window shows them: with words and units,
// the shift as the user typed it in the offsets dialog ("向左移 2 mm"). The stored
// values are not changed by how they are shown.
#include <QString>

struct PageParams;

QString PageWidthCaption(const PageParams& page);   // "宽 241 mm"
QString PageHeightCaption(const PageParams& page);  // "高 101.6 mm"
QString ShiftLeftCaption(const PageParams& page);   // "向左移 2 mm"
QString ShiftUpCaption(const PageParams& page);     // "向上移 1 mm"
