#pragma once
// Binary .xls workbooks through FreeXL: the older BIFF versions (Excel 5 to 95), which
// the BIFF8 reader leaves alone.
#include "exchange/SheetReader.h"

class FreeXlReader final : public SheetReader {
public:
    // nullptr with `error` set when the workbook cannot be opened.
    static std::unique_ptr<FreeXlReader> Open(const QString& path, QString* error);
    ~FreeXlReader() override;
    FreeXlReader(const FreeXlReader&) = delete;
    FreeXlReader& operator=(const FreeXlReader&) = delete;

    QStringList SheetNames() const override { return names_; }
    bool SelectSheet(const QString& name, QString* error) override;
    int RowCount() const override { return rows_; }
    int ColumnCount() const override { return columns_; }
    QString Cell(int row, int column) const override;

private:
    explicit FreeXlReader(const void* handle) : handle_(handle) {}
    bool RowIsEmpty(int row) const;

    const void* handle_;
    QStringList names_;
    int rows_ = 0;
    int columns_ = 0;
};
