#include "designer/RulerGrid.h"

#include <cmath>

RulerGrid BuildRulerGrid(double pageWidthMm, double pageHeightMm) {
    RulerGrid grid;
    const int lastX = static_cast<int>(std::floor(pageWidthMm));
    const int lastY = static_cast<int>(std::floor(pageHeightMm));
    for (int i = 0; i <= lastX; i += 2) {
        const bool major = i % 10 == 0;
        grid.verticals.append({double(i), major});
        if (major) grid.numbers.append({QString::number(i / 10), double(i), true});
    }
    for (int j = 0; j <= lastY; j += 2) {
        const bool major = j % 10 == 0;
        grid.horizontals.append({double(j), major});
        // The top-left corner already carries the 0 of the vertical numbers.
        if (major && j >= 10) grid.numbers.append({QString::number(j / 10), double(j), false});
    }
    return grid;
}
