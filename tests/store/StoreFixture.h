#pragma once
// A fresh data folder with an opened, upgraded DATA.db, and sample formats.
#include "common/TempDataFolder.h"
#include "store/Database.h"
#include "store/Format.h"
#include "store/Schema.h"

#include <gtest/gtest.h>

#include <memory>

inline constexpr qint64 kScreenWidth = 15360;

// Everything a store holds that an upgrade or a compaction could touch: layout,
// version and rows.
inline QString Dump(Database& db) {
    QString dump = QString::number(db.SchemaVersion());
    const QueryResult schema =
        db.IsServer() ? db.Query(QStringLiteral("SELECT tablename, 'CREATE TABLE' FROM pg_catalog.pg_tables"
                                                " WHERE schemaname=current_schema() ORDER BY tablename"))
                      : db.Query(QStringLiteral("SELECT name, sql FROM sqlite_master ORDER BY name"));
    for (const QVariantList& row : schema.rows) {
        dump += row[0].toString() + row[1].toString();
        if (row[1].toString().startsWith(QStringLiteral("CREATE TABLE")))
            for (const QVariantList& data :
                 db.Query(QStringLiteral("SELECT * FROM \"%1\" ORDER BY 1").arg(row[0].toString())).rows)
                for (const QVariant& value : data) dump += QLatin1Char('|') + value.toString();
    }
    return dump;
}

class StoreTest : public ::testing::Test {
protected:
    // Opened in the constructor, so the stores of derived fixtures can bind to it.
    void SetUp() override { ASSERT_TRUE(db); }
    qint64 Count(const QString& sql, const QVariantList& params = {}) {
        return db->Query(sql, params).rows.value(0).value(0).toLongLong();
    }

    TempDataFolder folder;
    std::unique_ptr<Database> db = OpenDataDatabase();
};

// A format of `count` text boxes with temporary IDs, labelled prefix + number.
inline Format GeneratedFormat(const QString& name, int count, const QString& prefix) {
    Format format;
    format.name = name;
    format.page.width = 210;
    format.page.height = 99;
    for (int i = 0; i < count; ++i) {
        BoxRecord box;
        box.id = kFirstTemporaryId + i;
        box.label = prefix + QString::number(i);
        box.kind = static_cast<BoxKind>(i % 5);
        box.x = i * 0.5;
        box.y = 3 + i % 40;
        box.w = 30;
        box.h = 6;
        box.fontName = QStringLiteral("宋体");
        box.fontSize = 10.5;
        box.cash = 103;
        format.boxes << box;
    }
    return format;
}
