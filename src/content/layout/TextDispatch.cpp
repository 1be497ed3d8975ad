#include "content/layout/TextDispatch.h"

#include "content/DataTypes.h"

namespace {
bool Within(int value, int low, int high) { return value >= low && value <= high; }
} // namespace

TextDispatch DispatchDataType(double dataType) {
    const int type = DataTypeBase(dataType);
    // First match wins; the order matters where ranges overlap (300 and 400+).
    if (Within(type, 110, 118) || Within(type, 124, 132)) return {TextPlacement::Flow};
    if (Within(type, 134, 200)) return {TextPlacement::Nothing};
    if (type >= 400 || type == 300) return {TextPlacement::Nothing};
    if (type == 109) return {TextPlacement::Cells, 6};
    if (Within(type, 201, 299)) return {TextPlacement::Cells, type - 200};
    if (Within(type, 1, 99) || Within(type, 301, 399)) return {TextPlacement::AmountCells};
    return {TextPlacement::Flow};
}
