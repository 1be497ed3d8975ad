#include "exchange/FreeXlReader.h"

#include "exchange/ExchangeTexts.h"
#include "exchange/SpreadsheetValues.h"

#include <QFile>
#include <freexl.h>

std::unique_ptr<FreeXlReader> FreeXlReader::Open(const QString& path, QString* error) {
    const void* handle = nullptr;
    if (freexl_open(QFile::encodeName(path).constData(), &handle) != FREEXL_OK) {
        if (handle) freexl_close(handle);
        if (error) *error = ExchangeText::kWrongFileType;
        return nullptr;
    }
    std::unique_ptr<FreeXlReader> reader(new FreeXlReader(handle));
    unsigned int count = 0;
    freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &count);
    for (unsigned short i = 0; i < count; ++i) {
        const char* name = nullptr;
        freexl_get_worksheet_name(handle, i, &name);
        reader->names_ << QString::fromUtf8(name ? name : "");
    }
    return reader;
}

FreeXlReader::~FreeXlReader() { freexl_close(handle_); }

bool FreeXlReader::SelectSheet(const QString& name, QString* error) {
    const qsizetype index = names_.indexOf(name);
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (index < 0 || freexl_select_active_worksheet(handle_, ushort(index)) != FREEXL_OK ||
        freexl_worksheet_dimensions(handle_, &rows, &columns) != FREEXL_OK) {
        rows_ = columns_ = 0;
        if (error) *error = ExchangeText::kWrongSheetName;
        return false;
    }
    columns_ = columns;
    rows_ = int(rows);
    // The dimensions count formatted but empty rows too; the used range ends with text.
    while (rows_ > 0 && RowIsEmpty(rows_)) --rows_;
    return true;
}

bool FreeXlReader::RowIsEmpty(int row) const {
    for (int column = 1; column <= columns_; ++column)
        if (!Cell(row, column).isEmpty()) return false;
    return true;
}

QString FreeXlReader::Cell(int row, int column) const {
    if (row < 1 || row > rows_ || column < 1 || column > columns_) return {};
    FreeXL_CellValue value;
    if (freexl_get_cell_value(handle_, unsigned(row - 1), ushort(column - 1), &value) != FREEXL_OK)
        return {};
    switch (value.type) {
    case FREEXL_CELL_INT: return QString::number(value.value.int_value);
    case FREEXL_CELL_DOUBLE: return GeneralNumberText(value.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME: return QString::fromUtf8(value.value.text_value);
    default: return {};
    }
}
