#pragma once
// A fresh data folder with an upgraded DATA.db and formats built from a list of
// boxes, stored so that every box has its real ID.
#include "common/TempDataFolder.h"
#include "core/Progress.h"
#include "store/Bill.h"
#include "store/Database.h"
#include "store/Format.h"

#include <gtest/gtest.h>

#include <memory>

struct BoxSpec {
    BoxKind kind;
    QString label;
};

class RecordsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(db); }
    // Stores a format of these boxes and returns it as loaded back.
    Format StoreFormat(const QString& name, const QList<BoxSpec>& boxes);
    qint64 Count(const QString& sql, const QVariantList& params = {});
    // The ID of the format's box with this label.
    static qint64 IdOf(const Format& format, const QString& label);
    // Fills the labelled boxes of a bill: {label, value} pairs.
    static Bill BillOf(const Format& format, const QList<QPair<QString, QString>>& values);

    TempDataFolder folder;
    std::unique_ptr<Database> db;
    SilentProgress progress;

public:
    RecordsTest();
};
