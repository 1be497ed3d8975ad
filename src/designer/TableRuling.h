#pragma once
// "添加表格": a table of rows x columns ruled into a rectangle of the page with lines.
#include <QLineF>
#include <QList>

struct TableSpec {
    double left = 0, top = 0;      // mm, one corner
    double right = 0, bottom = 0;  // mm, the opposite corner
    int rows = 0, columns = 0;
};

// The outline and the inner rules: rows + 1 horizontal lines across the whole width,
// then columns + 1 vertical lines down the whole height, evenly spaced, in mm.
// Empty when the rectangle has no area or there is not at least one row and column.
QList<QLineF> RuleTable(const TableSpec& spec);
