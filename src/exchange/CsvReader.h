#pragma once
// A CSV file as one worksheet named after the file.
#include "exchange/SheetReader.h"

#include <QByteArray>
#include <QList>

// The text of CSV bytes: UTF-8 when they start with a byte-order mark or are valid
// UTF-8, else GB18030 (what spreadsheet programs on Chinese systems write).
QString DecodeCsvBytes(const QByteArray& bytes);

class CsvReader final : public SheetReader {
public:
    // Parses the whole text at once; `name` becomes the sheet's name.
    CsvReader(const QString& text, const QString& name);
    // nullptr with `error` set when the file cannot be read.
    static std::unique_ptr<CsvReader> Open(const QString& path, QString* error);

    QStringList SheetNames() const override { return {name_}; }
    bool SelectSheet(const QString& name, QString* error) override;
    int RowCount() const override { return int(records_.size()); }
    int ColumnCount() const override { return columns_; }
    QString Cell(int row, int column) const override;
    QStringList Warnings() const override { return warnings_; }

private:
    QString name_;
    QList<QStringList> records_;
    int columns_ = 0;
    QStringList warnings_;
};
