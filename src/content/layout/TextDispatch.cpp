#include "content/layout/TextDispatch.h"

#include "content/DataTypes.h"

TextDispatch DispatchDataType(double dataType) {
    if (PrintsNothing(dataType)) return {TextPlacement::Nothing};
    const DataTypeTraits* row = DataTypeOf(dataType);
    switch (row ? row->placement : Placement::Flow) {
    case Placement::Cells: return {TextPlacement::Cells, row->fixedCells > 0 ? row->fixedCells : DigitCellCount(dataType)};
    case Placement::AmountCells: return {TextPlacement::AmountCells};
    default: return {TextPlacement::Flow};
    }
}
