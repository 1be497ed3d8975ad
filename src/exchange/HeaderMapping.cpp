#include "exchange/HeaderMapping.h"

#include "exchange/ColumnLetters.h"
#include "exchange/SheetReader.h"

#include <QHash>

bool HasMapping(const QList<MappedBox>& boxes) {
    return std::any_of(boxes.begin(), boxes.end(),
                       [](const MappedBox& box) { return !box.expression.trimmed().isEmpty(); });
}

bool MapByHeaderRow(const SheetReader& sheet, QList<MappedBox>& boxes) {
    QHash<QString, int> columnOf;
    for (int column = sheet.ColumnCount(); column >= 1; --column) {
        const QString heading = sheet.Cell(1, column).trimmed();
        if (!heading.isEmpty()) columnOf.insert(heading, column);
    }
    bool mapped = false;
    for (MappedBox& box : boxes) {
        const auto column = columnOf.constFind(box.box.label.trimmed());
        if (box.box.label.trimmed().isEmpty() || column == columnOf.constEnd()) continue;
        box.expression = ColumnLetters(*column);
        mapped = true;
    }
    return mapped;
}
