// A command that was asked to keep something fails, with the reason, when the store
// does not keep it: a mapping saved while another process holds the write lock past
// the wait is no silent success.
#include "PrintFixture.h"
#include "common/TempDataFolder.h"
#include "core/Progress.h"
#include "exchange/ColumnMapping.h"
#include "cli/ImportDataCommand.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

#include <QFile>
#include <QTextStream>
#include <gtest/gtest.h>

TEST(CheckedWrites, AMappingSaveUnderAHeldLockFailsWithTheReasonAfterTheWait) {
    TempDataFolder folder;
    std::unique_ptr<Database> db = OpenDataDatabase();
    ASSERT_TRUE(db);
    Format format = MakeFormat(100, 50);
    format.name = QStringLiteral("运单");
    format.boxes << MakeBox(kFirstTemporaryId, BoxKind::Text, 10, 10, 80, 10, QStringLiteral("名称"));
    SilentProgress progress;
    ASSERT_TRUE(FormatStore(*db).SaveFormat(format, format.name, 15360, progress));
    QFile csv(folder.File(QStringLiteral("rows.csv")));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("name\nAlpha\nBravo\n");
    csv.close();
    const QStringList args = {QStringLiteral("运单"), csv.fileName(), "--map", QStringLiteral("名称=A"),
                              "--rows", "2-3", "--save-mapping"};

    const BusyWait saved = Database::CurrentBusyWait();
    Database::SetBusyWait({300, {}});
    QString out, err;
    int code = 0;
    {
        Database::Transaction held(*db); // another writer keeps the lock past the wait
        ASSERT_TRUE(held.Active());
        QTextStream outStream(&out), errStream(&err);
        code = RunImportDataCommand(args, outStream, errStream);
    }
    Database::SetBusyWait(saved);
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(err.contains(QStringLiteral("映射未能保存：数据库正忙"))) << err.toStdString();
    EXPECT_TRUE(out.isEmpty()) << out.toStdString();
    EXPECT_TRUE(LoadMapping(*db, format.name).isEmpty());

    // With the lock free the same command keeps the mapping.
    out.clear();
    err.clear();
    QTextStream outStream(&out), errStream(&err);
    EXPECT_EQ(RunImportDataCommand(args, outStream, errStream), 0) << err.toStdString();
    EXPECT_EQ(LoadMapping(*db, format.name).size(), 1);
}
