#pragma once
// Old binary .xls workbooks, through FreeXL.
#include "exchange/SheetReader.h"

class XlsReader final : public SheetReader {
public:
    // nullptr with `error` set when the workbook cannot be opened.
    static std::unique_ptr<XlsReader> Open(const QString& path, QString* error);
    ~XlsReader() override;
    XlsReader(const XlsReader&) = delete;
    XlsReader& operator=(const XlsReader&) = delete;

    QStringList SheetNames() const override { return names_; }
    bool SelectSheet(const QString& name, QString* error) override;
    int RowCount() const override { return rows_; }
    int ColumnCount() const override { return columns_; }
    QString Cell(int row, int column) const override;

private:
    explicit XlsReader(const void* handle) : handle_(handle) {}
    bool RowIsEmpty(int row) const;

    const void* handle_;
    QStringList names_;
    int rows_ = 0;
    int columns_ = 0;
};
