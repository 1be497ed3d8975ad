#pragma once
// A workbook whose worksheet is read into memory whole when it is selected; the
// spreadsheet readers differ only in how they read one.
#include "exchange/SheetCells.h"
#include "exchange/SheetReader.h"

class LoadedSheetReader : public SheetReader {
public:
    QStringList SheetNames() const override { return names_; }
    bool SelectSheet(const QString& name, QString* error) override;
    int RowCount() const override { return cells_.RowCount(); }
    int ColumnCount() const override { return cells_.ColumnCount(); }
    QString Cell(int row, int column) const override { return cells_.Cell(row, column); }

protected:
    void SetSheetNames(const QStringList& names) { names_ = names; }
    // Reads worksheet `index` into `cells`; the message for the user when it cannot.
    virtual QString LoadSheet(int index, SheetCells& cells) = 0;

private:
    QStringList names_;
    QString selected_;
    SheetCells cells_;
};
