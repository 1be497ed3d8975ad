#include "StoreFixture.h"

#include "common/ScriptedAsker.h"
#include "store/BackgroundPictures.h"
#include "store/FormatOperations.h"
#include "store/FormatStore.h"
#include "core/Progress.h"
#include "store/StoreTexts.h"

class FormatOperationsTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        open = GeneratedFormat(QStringLiteral("当前"), 3, QStringLiteral("框"));
        ASSERT_TRUE(store.SaveFormat(open, {}, kScreenWidth, progress));
        other = GeneratedFormat(QStringLiteral("其他"), 2, QStringLiteral("别"));
        ASSERT_TRUE(store.SaveFormat(other, {}, kScreenWidth, progress));
    }
    qint64 RowsOf(const QString& table, const QString& format) {
        return Count(QStringLiteral("SELECT count(*) FROM %1 WHERE Fmt=?").arg(table), {format});
    }

    FormatStore store{*db};
    SilentProgress progress;
    ScriptedAsker asker;
    Format open, other;
};

TEST_F(FormatOperationsTest, DeleteFormatRefusesTheCurrentOneAndAsksForOthers) {
    const QString name = other.name;
    db->Exec(QStringLiteral("INSERT INTO 历史(ID, Fmt, CID, Con) VALUES(1, ?, ?, 'x')"),
             {name, other.boxes[0].id});
    db->Exec(QStringLiteral("INSERT INTO 默认(Fmt, ID, Con) VALUES(?, 1, 'x')"), {name});
    db->Exec(QStringLiteral("INSERT INTO 映射(ID, Fmt, Map) VALUES(1, ?, 'x')"), {name});
    db->Exec(QStringLiteral("INSERT INTO 参数(Var, Con) VALUES(?, 'x')"), {name + QStringLiteral("=>自定义类型124")});

    EXPECT_FALSE(DeleteFormat(store, asker, open.name, open.name));
    EXPECT_EQ(asker.messages, QStringList{StoreTexts::kCurrentFormatNotDeletable});

    asker.No();
    EXPECT_FALSE(DeleteFormat(store, asker, name, open.name));
    EXPECT_EQ(asker.questions.last(), QStringLiteral("您确定要删除格式：“其他”？"));
    EXPECT_EQ(RowsOf(QStringLiteral("Fmt"), name), 3);

    asker.Yes();
    EXPECT_TRUE(DeleteFormat(store, asker, name, open.name));
    for (const char* table : {"Fmt", "历史", "默认", "映射"})
        EXPECT_EQ(RowsOf(QString::fromUtf8(table), name), 0) << table;
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM 参数")), 0);
    EXPECT_EQ(RowsOf(QStringLiteral("Fmt"), open.name), 4);
}

TEST_F(FormatOperationsTest, SaveAsOverAnExistingFormatAsksAndNoTouchesNothing) {
    BackgroundPictures pictures(*db);
    ASSERT_TRUE(pictures.Write(open.name, "jpeg"));
    db->Exec(QStringLiteral("INSERT INTO 参数(Var, Con) VALUES('当前=>自定义类型124', '甲||乙')"));
    const QList<BoxRecord> before = store.LoadFormat(other.name, kScreenWidth)->boxes;

    asker.No();
    EXPECT_EQ(SaveFormatAs(store, asker, open, other.name, kScreenWidth, progress),
              SaveAsOutcome::Declined);
    EXPECT_EQ(asker.questions, QStringList{StoreTexts::kOverwriteFormat});
    EXPECT_EQ(store.LoadFormat(other.name, kScreenWidth)->boxes, before);
    EXPECT_FALSE(pictures.Exists(other.name));

    asker.Yes();
    const qint64 firstId = open.boxes[0].id;
    EXPECT_EQ(SaveFormatAs(store, asker, open, other.name, kScreenWidth, progress),
              SaveAsOutcome::Saved);
    EXPECT_EQ(store.LoadFormat(other.name, kScreenWidth)->boxes, open.boxes);
    EXPECT_NE(open.boxes[0].id, firstId);
    EXPECT_EQ(RowsOf(QStringLiteral("Fmt"), QStringLiteral("当前")), 4);
    EXPECT_EQ(pictures.Read(other.name), "jpeg");
    EXPECT_EQ(db->LookupWhere(QStringLiteral("参数"), QStringLiteral("Var=?"),
                              {QStringLiteral("其他=>自定义类型124")}, QStringLiteral("Con")),
              QStringLiteral("甲||乙"));
    EXPECT_TRUE(asker.AllAnswered());
}
