#pragma once
// A CSV file as one worksheet named after the file. The file is read in pieces and
// its cells kept as one text, so memory follows what is read, not the file's size;
// reading stops at the last row wanted.
#include "exchange/SheetReader.h"
#include "exchange/WorkbookLimits.h"

#include <QList>

class CsvReader final : public SheetReader {
public:
    // Parses the whole text at once; `name` becomes the sheet's name.
    CsvReader(const QString& text, const QString& name);
    // The rows up to `lastRow` (0: all); nullptr with `error` set when the file cannot
    // be read, holds bytes no text encoding takes, or passes the limits.
    static std::unique_ptr<CsvReader> Open(const QString& path, QString* error, int lastRow = 0,
                                           const WorkbookLimits& limits = {});

    QStringList SheetNames() const override { return {name_}; }
    bool SelectSheet(const QString& name, QString* error) override;
    int RowCount() const override { return int(rowStarts_.size()); }
    int ColumnCount() const override { return columns_; }
    QString Cell(int row, int column) const override;
    QStringList Warnings() const override { return warnings_; }

private:
    explicit CsvReader(const QString& name) : name_(name) {}
    void Add(QStringList&& record);

    QString name_;
    QString text_;               // every cell's text, one after another
    QList<qsizetype> cellEnds_;  // where each cell ends in text_
    QList<qsizetype> rowStarts_; // each row's first cell in cellEnds_
    int columns_ = 0;
    QStringList warnings_;
};
