// `vellumark store copy` through the real program: a file store of 10 000 bills copied to
// a server and back reads the same in history and format files, a second copy into a
// store that holds data is refused unless --replace, and the target numbers on.
#include "CliFixture.h"

#include "common/TestServer.h"
#include "core/Progress.h"
#include "records/History.h"
#include "records/HistorySql.h"
#include "store/BackgroundPictures.h"
#include "store/Bill.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/PrinterProfileStore.h"
#include "store/Schema.h"
#include "store/StoreOpening.h"
#include "store/StoreTexts.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

constexpr qint64 kScreenWidth = 15360;
constexpr int kBills = 10000;
const QStringList kFormats = {kSlip, kWaybill, kLabel};

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class StoreCopyCommandTest : public CliTest {
protected:
    void SetUp() override {
        program = qEnvironmentVariable("VELLUMARK_BINARY");
        if (program.isEmpty()) GTEST_SKIP() << "VELLUMARK_BINARY not set";
        server = StartedTestServer();
        if (!server) GTEST_SKIP() << "no PostgreSQL server could be started";
        store = server->FreshStore();
        SeedBills();
    }

    // The bills go in through the store's own statement, all in one transaction.
    void SeedBills() {
        const std::unique_ptr<Database> db = OpenDataDatabase();
        ASSERT_TRUE(db);
        QList<QList<qint64>> boxes;
        for (const QString& name : kFormats) {
            const Format format = FormatStore(*db).LoadFormat(name, kScreenWidth).value_or(Format());
            QList<qint64> ids;
            for (const BoxRecord& box : format.boxes) ids << box.id;
            boxes << ids.mid(0, 3);
        }
        Database::Transaction transaction(*db);
        for (int bill = 0; bill < kBills; ++bill) {
            const int format = bill % 3;
            const qint64 number = bill / 3 + 1;
            const QStringList values = {QStringLiteral("客户%1").arg(bill * 7919 % 5000),
                                        QString::number(bill % 9973 * 1.25, 'f', 2),
                                        QStringLiteral("第%1批，含“引号”, 逗号\n第二行").arg(bill % 100)};
            for (int i = 0; i < boxes[format].size(); ++i)
                ASSERT_TRUE(db->Exec(HistorySql::kInsert, {number, kFormats[format], boxes[format][i], values[i]}));
        }
        ASSERT_TRUE(SavePrinterProfile(*db, {QStringLiteral("前台"), QStringLiteral("lp0"), kSlip},
                                       PrinterProfile{.offsetX = 1.5, .offsetY = -0.5}));
        ASSERT_TRUE(transaction.Commit());
    }

    // The program run as a clerk runs it, on the data folder `folder`.
    CommandOutcome Program(const QStringList& args, const QString& folder) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("VELLUMARK_STORE"));
        environment.remove(QStringLiteral("VELLUMARK_HOME"));
        process.setProcessEnvironment(environment);
        process.start(program, QStringList{QStringLiteral("--data-dir"), folder} + args);
        EXPECT_TRUE(process.waitForFinished(120000));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    CommandOutcome Copy(const QString& from, const QString& to, bool replace = false) {
        QStringList args = {QStringLiteral("store"), QStringLiteral("copy"), QStringLiteral("--from"), from,
                            QStringLiteral("--to"), to};
        if (replace) args << QStringLiteral("--replace");
        return Program(args, folder_.Path());
    }
    // Every format's history as CSV and its exported file and picture, as the user gets them.
    QStringList WhatTheUserSees(const QString& folder) {
        QStringList seen;
        for (const QString& name : kFormats) {
            const CommandOutcome history =
                Program({QStringLiteral("history"), name, QStringLiteral("--csv"), QStringLiteral("--limit"),
                         QString::number(kBills)},
                        folder);
            EXPECT_EQ(history.code, 0) << history.err.toStdString();
            const QString file = exports.filePath(name + QStringLiteral(".zhq"));
            QFile::remove(file);
            const CommandOutcome exported = Program({QStringLiteral("export-format"), name, file}, folder);
            EXPECT_EQ(exported.code, 0) << exported.err.toStdString();
            seen << history.out << QString::fromLatin1(FileBytes(file).toHex())
                 << QString::fromLatin1(FileBytes(file.chopped(4) + QStringLiteral(".jpg")).toHex());
        }
        return seen;
    }

    QString program;
    TestServer* server = nullptr;
    QString store;
    QTemporaryDir exports;
    SilentProgress quiet;
};

TEST_F(StoreCopyCommandTest, ToTheServerAndBackEverythingReadsTheSame) {
    const QStringList before = WhatTheUserSees(folder_.Path());
    ASSERT_EQ(before[0].count(QLatin1Char('\n')) > kBills / 3, true);

    const CommandOutcome there = Copy(folder_.Path(), store);
    ASSERT_EQ(there.code, 0) << there.err.toStdString();
    EXPECT_TRUE(there.out.contains(QStringLiteral("格式 3 个，底图 3 张，单据 10000 张"))) << there.out.toStdString();
    EXPECT_TRUE(there.out.contains(QStringLiteral("打印机配置 1 条"))) << there.out.toStdString();

    QTemporaryDir back;
    const CommandOutcome home = Copy(store, back.filePath(QStringLiteral("DATA.db")));
    ASSERT_EQ(home.code, 0) << home.err.toStdString();
    EXPECT_EQ(WhatTheUserSees(back.path()), before);

    // The server numbers on from the copied bills, and new boxes take IDs of their own.
    const std::unique_ptr<Database> db = OpenServerStore(store).db;
    ASSERT_TRUE(db);
    const Format slip = *FormatStore(*db).LoadFormat(kSlip, kScreenWidth);
    Bill bill;
    bill.SetValue(slip.boxes[0].id, QStringLiteral("新客户"));
    EXPECT_EQ(SaveHistory(*db, slip, bill).number, kBills / 3 + 2);
    Format added = slip;
    added.name = QStringLiteral("新格式");
    for (BoxRecord& box : added.boxes) box.id = kFirstTemporaryId + box.id;
    ASSERT_TRUE(FormatStore(*db).SaveFormat(added, {}, kScreenWidth, quiet)) << db->LastError().toStdString();
    EXPECT_GT(FormatStore(*db).LoadFormat(added.name, kScreenWidth)->boxes[0].id, slip.boxes.last().id);
    EXPECT_EQ(BackgroundPictures(*db).Read(kSlip), FileBytes(folder_.File(PictureFileName(kSlip))));
}

TEST_F(StoreCopyCommandTest, AStoreHoldingDataIsReplacedOnlyWhenAskedTo) {
    ASSERT_EQ(Copy(folder_.Path(), store).code, 0);
    const CommandOutcome again = Copy(folder_.Path(), store);
    EXPECT_EQ(again.code, 1);
    EXPECT_TRUE(again.err.startsWith(StoreTexts::StoreNotEmpty(QString()).left(1))) << again.err.toStdString();
    EXPECT_TRUE(again.err.contains(QStringLiteral("--replace"))) << again.err.toStdString();

    // A format deleted from the file, then copied over with --replace: the server holds
    // what the file holds, nothing twice, and a seat that had the format open is asked.
    std::unique_ptr<Database> seat = OpenServerStore(store).db;
    ASSERT_TRUE(seat);
    FormatStore seatFormats(*seat);
    Format open = *seatFormats.LoadFormat(kWaybill, kScreenWidth);
    qint64 historyRows = 0;
    {
        const std::unique_ptr<Database> file = OpenDataDatabase();
        ASSERT_TRUE(FormatStore(*file).DeleteFormatRows(kLabel));
        historyRows = file->Query(QStringLiteral("SELECT count(*) FROM 历史")).rows[0][0].toLongLong();
    }
    const CommandOutcome replaced = Copy(folder_.Path(), store, true);
    ASSERT_EQ(replaced.code, 0) << replaced.err.toStdString();
    EXPECT_TRUE(replaced.out.contains(QStringLiteral("格式 2 个"))) << replaced.out.toStdString();
    EXPECT_FALSE(seatFormats.Exists(kLabel));
    EXPECT_FALSE(BackgroundPictures(*seat).Exists(kLabel));
    EXPECT_EQ(seat->Query(QStringLiteral("SELECT count(*) FROM 历史")).rows[0][0].toLongLong(), historyRows);
    EXPECT_FALSE(seatFormats.SaveFormat(open, {}, kScreenWidth, quiet));
    EXPECT_TRUE(seatFormats.ChangedElsewhere());
}

TEST_F(StoreCopyCommandTest, MisusedArgumentsAreRefused) {
    EXPECT_EQ(Run({"store", "copy", "--from", folder_.Path()}).code, 2);
    EXPECT_EQ(Run({"store", "copy", "--to", store}).code, 2);
    EXPECT_EQ(Run({"store", "copy", "--from", folder_.Path(), "--to", store, "extra"}).code, 2);
    EXPECT_EQ(Run({"store", "copy", "--from", folder_.Path(), "--to", folder_.File("DATA.db")}).code, 2);
    const CommandOutcome away = Run({"store", "copy", "--from", folder_.Path(), "--to", "host=/nonexistent dbname=x"});
    EXPECT_EQ(away.code, 1);
    EXPECT_TRUE(away.err.startsWith(StoreTexts::ServerAway(QString()))) << away.err.toStdString();
}

} // namespace
