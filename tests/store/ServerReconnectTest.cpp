// A seat's connection after its server restarted: opened again by the next statement,
// with the same settings as the first, so texts still travel as UTF-8 on a database
// whose own encoding is another.
#include "common/TempDataFolder.h"
#include "common/TestServer.h"
#include "store/Database.h"

#include <gtest/gtest.h>

namespace {

TEST(ServerReconnect, TheConnectionOpenedAgainAfterARestartKeepsItsTextsWhole) {
    TestServer* server = StartedTestServer();
    if (!server) GTEST_SKIP() << "no PostgreSQL server could be started";
    TempDataFolder folder;
    // A database that stores Chinese in a two-byte encoding of its own: a connection
    // that did not ask for UTF-8 would be given that encoding.
    server->Run("DROP DATABASE IF EXISTS gb");
    ASSERT_TRUE(server->Run("CREATE DATABASE gb TEMPLATE template0 ENCODING 'EUC_CN' LC_COLLATE 'C' LC_CTYPE 'C'"));
    const std::unique_ptr<Database> db = Database::OpenServer(server->Location() + " dbname=gb");
    ASSERT_TRUE(db);
    ASSERT_TRUE(db->Exec("CREATE TABLE 收款 (名 TEXT)"));
    ASSERT_TRUE(db->Exec("INSERT INTO 收款 (名) VALUES (?)", {QStringLiteral("张三")}));

    ASSERT_TRUE(server->Stop());
    EXPECT_FALSE(db->Reachable());
    EXPECT_EQ(db->LastFault(), StoreFault::ServerAway);
    EXPECT_TRUE(db->FaultWhere().startsWith(db->Path() + "：")) << db->FaultWhere().toStdString();
    ASSERT_TRUE(server->Start());

    EXPECT_TRUE(db->Exec("INSERT INTO 收款 (名) VALUES (?)", {QStringLiteral("李四")})) << db->LastError().toStdString();
    QStringList names;
    for (const QVariantList& row : db->Query("SELECT 名 FROM 收款").rows) names << row.value(0).toString();
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("张三"), QStringLiteral("李四")}));
}

} // namespace
