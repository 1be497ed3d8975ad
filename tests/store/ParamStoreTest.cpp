#include "StoreFixture.h"

#include "store/ParamStore.h"

#include <QSettings>
#include <QTemporaryDir>

class ParamStoreTest : public StoreTest {
protected:
    ParamStore params{*db};
};

TEST_F(ParamStoreTest, SetParamKeepsOneRowPerKeyAndChangesTheFirstInPlace) {
    EXPECT_EQ(params.GetParam(QStringLiteral("NumCutMethod")), QString());
    ASSERT_TRUE(params.SetParam(QStringLiteral("NumCutMethod"), QStringLiteral("1")));
    ASSERT_TRUE(params.SetParam(QStringLiteral("NumCutMethod"), QStringLiteral("2")));
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM 参数 WHERE Var='NumCutMethod'")), 1);
    EXPECT_EQ(params.GetParam(QStringLiteral("NumCutMethod")), QStringLiteral("2"));

    db->Exec(QStringLiteral("INSERT INTO 参数(Var, Con) VALUES('NumCutMethod', 'second')"));
    ASSERT_TRUE(params.SetParam(QStringLiteral("NumCutMethod"), QStringLiteral("0")));
    EXPECT_EQ(params.GetParam(QStringLiteral("NumCutMethod")), QStringLiteral("0"));
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM 参数 WHERE Con='second'")), 1);
}

TEST_F(ParamStoreTest, KeywordHistoryPutsTheNewestFirstOnce) {
    params.SaveKeywordHistory(QStringLiteral("格式查找"), QStringLiteral("abc"),
                              {QStringLiteral("x"), QStringLiteral("abc"), QStringLiteral("y")});
    EXPECT_EQ(params.GetParam(QStringLiteral("格式查找")), QStringLiteral("abc||x||y"));
    params.SaveKeywordHistory(QStringLiteral("格式查找"), QString(),
                              params.LoadKeywordHistory(QStringLiteral("格式查找")));
    EXPECT_EQ(params.GetParam(QStringLiteral("格式查找")), QStringLiteral("abc||x||y"));
    EXPECT_EQ(params.LoadKeywordHistory(QStringLiteral("格式查找")),
              (QStringList{QStringLiteral("abc"), QStringLiteral("x"), QStringLiteral("y")}));
}

TEST_F(ParamStoreTest, WindowPlacementRestoreRules) {
    const int screenW = 19200, screenH = 10800;
    params.SaveWindowPlacement(QStringLiteral("格式模板列表"), {100, 200, 6000, 4000}, screenW);
    auto restore = params.RestoreWindowPlacement(QStringLiteral("格式模板列表"), screenW, screenH);
    ASSERT_TRUE(restore);
    EXPECT_TRUE(restore->move && restore->resize);
    EXPECT_EQ(restore->placement.height, 4000);

    // A screen-wide window opens at its designed place and size next time.
    params.SaveWindowPlacement(QStringLiteral("格式模板列表"), {0, 0, screenW, screenH}, screenW);
    EXPECT_EQ(params.GetParam(QStringLiteral("窗口参数：格式模板列表")), QStringLiteral("0;0;0;0"));
    restore = params.RestoreWindowPlacement(QStringLiteral("格式模板列表"), screenW, screenH);
    EXPECT_FALSE(restore->move || restore->resize);
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM 参数")), 1);

    // Left edge beyond the screen: stays at its designed place but gets the stored size.
    params.SetParam(QStringLiteral("窗口参数：格式模板列表"), QStringLiteral("20000;10;500;300"));
    restore = params.RestoreWindowPlacement(QStringLiteral("格式模板列表"), screenW, screenH);
    EXPECT_FALSE(restore->move);
    EXPECT_TRUE(restore->resize);

    params.SetParam(QStringLiteral("窗口参数：格式模板列表"), QStringLiteral("1;2;3"));
    EXPECT_FALSE(params.RestoreWindowPlacement(QStringLiteral("格式模板列表"), screenW, screenH));
}

TEST(Settings, EmptyOrMissingValuesReadAsTheDefault) {
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    EXPECT_EQ(ReadSetting(QStringLiteral("QMX"), QStringLiteral("Para"), QStringLiteral("CrlfChr"),
                          QStringLiteral("//")),
              QStringLiteral("//"));
    ASSERT_TRUE(WriteSetting(QStringLiteral("QMX"), QStringLiteral("位置"),
                             QStringLiteral("统计_分界线"), QStringLiteral("3200")));
    ASSERT_TRUE(WriteSetting(QStringLiteral("QD01"), QStringLiteral("TagPrintSet"),
                             QStringLiteral("Index0"), QString()));
    EXPECT_EQ(ReadSetting(QStringLiteral("QMX"), QStringLiteral("位置"),
                          QStringLiteral("统计_分界线"), QStringLiteral("0")),
              QStringLiteral("3200"));
    EXPECT_EQ(ReadSetting(QStringLiteral("QD01"), QStringLiteral("TagPrintSet"),
                          QStringLiteral("Index0"), QStringLiteral("4")),
              QStringLiteral("4"));
    // Applications are separate stores.
    EXPECT_EQ(ReadSetting(QStringLiteral("QD01"), QStringLiteral("位置"),
                          QStringLiteral("统计_分界线"), QStringLiteral("0")),
              QStringLiteral("0"));
}
