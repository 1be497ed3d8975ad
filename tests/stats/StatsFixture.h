#pragma once
// A real data folder with one stored format whose boxes have data types, and bills
// stored as history the way printing stores them.
#include "common/TempDataFolder.h"
#include "stats/Statistics.h"
#include "store/Database.h"
#include "store/Format.h"

#include <gtest/gtest.h>

#include <memory>

struct TypedBox {
    QString label;
    double dataType = 0;
    BoxKind kind = BoxKind::Text;
};

class StatsTest : public ::testing::Test {
protected:
    StatsTest();
    // Stores the format and keeps it as loaded back, with real box IDs.
    void StoreFormat(const QList<TypedBox>& boxes, const QString& currency = QStringLiteral("￥"));
    // Stores one bill: {label, value} pairs.
    void AddBill(const QList<QPair<QString, QString>>& values);
    StatsRequest Request(const QString& from, const QString& to) const;
    // The table's rows without the header.
    static QList<QStringList> Rows(const StatsResult& result);

    TempDataFolder folder;
    std::unique_ptr<Database> db;
    Format format;
};
