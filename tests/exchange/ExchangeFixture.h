#pragma once
// A temporary folder and settings file per test, helpers to write files and to let
// another spreadsheet program (Gnumeric's ssconvert) make workbooks from CSV.
#include "exchange/BillData.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

class SheetReader;

class ExchangeFixture : public ::testing::Test {
protected:
    ExchangeFixture();

    QString FilePath(const QString& name) const { return dir_.filePath(name); }
    QString WriteFile(const QString& name, const QByteArray& bytes) const;
    QByteArray ReadFile(const QString& path) const;
    // ssconvert's workbook (type by `target`'s extension) of the CSV files, one sheet
    // each, named after the files. Empty when ssconvert failed.
    QString Convert(const QStringList& csvFiles, const QString& target) const;

    QTemporaryDir dir_;
    QTemporaryDir settingsDir_;
};

// GoogleTest shows QStrings as text in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// Every cell of the current sheet, row by row, up to its used range.
QList<QStringList> Cells(const SheetReader& reader);

// Rows of a plain table for comparisons.
QList<QStringList> Values(const BillData& data);
