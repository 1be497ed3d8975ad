// Renaming a format: everything that names it moves, in one transaction with its
// background picture.
#include "StoreFixture.h"

#include "core/Progress.h"
#include "store/BackgroundPictures.h"
#include "store/FormatRename.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"

#include <QFile>

namespace {

class FormatRenameTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        Format format = GeneratedFormat(QStringLiteral("工行进账单"), 3, QStringLiteral("框"));
        ASSERT_TRUE(store.SaveFormat(format, {}, kScreenWidth, progress));
        ids = {format.boxes[0].id, format.boxes[1].id};
        const QString name = format.name;
        for (const qint64 id : ids) {
            db->Exec(QStringLiteral("INSERT INTO 历史(ID, Fmt, CID, Con) VALUES(7, ?, ?, '甲')"), {name, id});
            db->Exec(QStringLiteral("INSERT INTO 默认(Fmt, ID, Con) VALUES(?, ?, '乙')"), {name, id});
            db->Exec(QStringLiteral("INSERT INTO 映射(ID, Fmt, Map) VALUES(?, ?, 'A')"), {id, name});
        }
        params.SetParam(name + QStringLiteral("=>自定义类型124"), QStringLiteral("现金;转账"));
        params.SetParam(name + QStringLiteral("_列顺序"), QStringLiteral("2,1"));
        // Another format's keys that a loose match would take along.
        params.SetParam(QStringLiteral("工行进账单2=>自定义类型124"), QStringLiteral("别的"));
        store.WriteLastUse(name, {0, 0, 0});
        ASSERT_TRUE(pictures.Write(name, "scan"));
    }
    // Rows naming the format in every table, and its parameters.
    qint64 Traces(const QString& name) {
        qint64 rows = 0;
        for (const char* table : {"Fmt", "历史", "默认", "映射"})
            rows += Count(QStringLiteral("SELECT count(*) FROM %1 WHERE Fmt=?").arg(QString::fromUtf8(table)),
                          {name});
        return rows + Count(QStringLiteral("SELECT count(*) FROM 参数 WHERE Var=? OR Var=?"),
                            {name + QStringLiteral("=>自定义类型124"), name + QStringLiteral("_列顺序")});
    }

    FormatStore store{*db};
    ParamStore params{*db};
    BackgroundPictures pictures{*db};
    SilentProgress progress;
    QList<qint64> ids;
};

TEST_F(FormatRenameTest, EverythingIsFoundUnderTheNewNameAndNothingUnderTheOld) {
    const qint64 before = Traces(QStringLiteral("工行进账单"));
    ASSERT_EQ(before, 4 + 2 * 3 + 2);
    ASSERT_EQ(RenameFormatRecords(*db, QStringLiteral("工行进账单"), QStringLiteral("建行进账单")),
              RenameOutcome::Renamed);

    EXPECT_EQ(Traces(QStringLiteral("工行进账单")), 0);
    EXPECT_EQ(Traces(QStringLiteral("建行进账单")), before);
    const Format renamed = *store.LoadFormat(QStringLiteral("建行进账单"), kScreenWidth);
    EXPECT_EQ(renamed.boxes.size(), 3);
    EXPECT_EQ(renamed.boxes[0].id, ids[0]); // history and defaults still find their boxes
    EXPECT_EQ(params.GetParam(QStringLiteral("建行进账单=>自定义类型124")), QStringLiteral("现金;转账"));
    EXPECT_EQ(params.GetParam(QStringLiteral("工行进账单2=>自定义类型124")), QStringLiteral("别的"));
    EXPECT_EQ(store.ReadLastUse().formatName, QStringLiteral("建行进账单"));
    EXPECT_FALSE(pictures.Exists(QStringLiteral("工行进账单")));
    EXPECT_EQ(pictures.Read(QStringLiteral("建行进账单")), "scan");
    // Drawing reads this seat's file, which follows the database.
    QFile picture(pictures.Fetch(QStringLiteral("建行进账单")));
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    EXPECT_EQ(picture.readAll(), "scan");
}

TEST_F(FormatRenameTest, RefusalsAndFailuresLeaveEverythingAsItWas) {
    const QString name = QStringLiteral("工行进账单");
    Format other = GeneratedFormat(QStringLiteral("已有"), 1, QStringLiteral("框"));
    ASSERT_TRUE(store.SaveFormat(other, {}, kScreenWidth, progress));
    const QString dump = Dump(*db);
    // On the file store a picture a deleted format left under the new name is somebody's
    // scan: kept. A name too long for the file system: the picture cannot move.
    const bool file = !db->IsServer();
    if (file) {
        ASSERT_TRUE(pictures.Write(QStringLiteral("空名"), "stranger"));
    }
    const QString tooLong(120, QChar(u'长'));
    struct Case {
        QString from, to;
        RenameOutcome outcome;
        std::function<bool()> also;
    };
    QList<Case> cases = {
        {QStringLiteral("没有"), QStringLiteral("新"), RenameOutcome::Missing, {}},
        {name, QStringLiteral("已有"), RenameOutcome::Taken, {}},
        {name, QStringLiteral("新"), RenameOutcome::Failed, [] { return false; }},
    };
    if (file)
        cases += {{name, QStringLiteral("空名"), RenameOutcome::PictureInTheWay, {}},
                  {name, tooLong, RenameOutcome::Failed, {}}};
    for (const Case& c : cases) {
        EXPECT_EQ(RenameFormatRecords(*db, c.from, c.to, c.also), c.outcome) << c.to.toStdString();
        EXPECT_EQ(Dump(*db), dump) << c.to.toStdString();
        EXPECT_EQ(pictures.Read(name), "scan");
    }

    // Without a picture the records move all the same.
    ASSERT_TRUE(pictures.Remove(name));
    EXPECT_EQ(RenameFormatRecords(*db, name, QStringLiteral("无图")), RenameOutcome::Renamed);
    EXPECT_EQ(Traces(QStringLiteral("无图")), 4 + 2 * 3 + 2);
}

} // namespace
