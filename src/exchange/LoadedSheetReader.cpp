#include "exchange/LoadedSheetReader.h"

#include "exchange/ExchangeTexts.h"

bool LoadedSheetReader::SelectSheet(const QString& name, QString* error) {
    if (name == selected_ && !name.isEmpty()) return true;
    const qsizetype index = names_.indexOf(name);
    if (index < 0) {
        if (error) *error = ExchangeText::kWrongSheetName;
        return false;
    }
    cells_ = SheetCells();
    selected_.clear();
    const QString problem = LoadSheet(int(index), cells_);
    if (!problem.isEmpty()) {
        cells_ = SheetCells();
        if (error) *error = problem;
        return false;
    }
    selected_ = name;
    return true;
}
