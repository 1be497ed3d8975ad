#include "designer/TableRuling.h"

#include <QRectF>

QList<QLineF> RuleTable(const TableSpec& spec) {
    const QRectF area = QRectF(QPointF(spec.left, spec.top), QPointF(spec.right, spec.bottom)).normalized();
    if (area.width() <= 0 || area.height() <= 0 || spec.rows < 1 || spec.columns < 1) return {};
    QList<QLineF> lines;
    for (int r = 0; r <= spec.rows; ++r) {
        const double y = area.top() + area.height() * r / spec.rows;
        lines.append(QLineF(area.left(), y, area.right(), y));
    }
    for (int c = 0; c <= spec.columns; ++c) {
        const double x = area.left() + area.width() * c / spec.columns;
        lines.append(QLineF(x, area.top(), x, area.bottom()));
    }
    return lines;
}
