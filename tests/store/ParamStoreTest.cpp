#include "StoreFixture.h"

#include "store/ParamStore.h"

#include "common/TempDataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

class ParamStoreTest : public StoreTest {
protected:
    ParamStore params{*db};
};

TEST_F(ParamStoreTest, SetParamKeepsOneRowPerKeyAndChangesTheFirstInPlace) {
    EXPECT_EQ(params.GetParam("NumCutMethod"), QString());
    ASSERT_TRUE(params.SetParam("NumCutMethod", "1"));
    ASSERT_TRUE(params.SetParam("NumCutMethod", "2"));
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM 参数 WHERE Var='NumCutMethod'")), 1);
    EXPECT_EQ(params.GetParam("NumCutMethod"), QStringLiteral("2"));
    db->Exec(QStringLiteral("INSERT INTO 参数(Var, Con) VALUES('NumCutMethod', 'second')"));
    ASSERT_TRUE(params.SetParam("NumCutMethod", "0"));
    EXPECT_EQ(params.GetParam("NumCutMethod"), QStringLiteral("0"));
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM 参数 WHERE Con='second'")), 1);
}

TEST_F(ParamStoreTest, KeywordHistoryPutsTheNewestFirstOnce) {
    params.SaveKeywordHistory("格式查找", "abc", {"x", "abc", "y"});
    EXPECT_EQ(params.GetParam("格式查找"), QStringLiteral("abc||x||y"));
    params.SaveKeywordHistory("格式查找", QString(), params.LoadKeywordHistory("格式查找"));
    EXPECT_EQ(params.GetParam("格式查找"), QStringLiteral("abc||x||y"));
    EXPECT_EQ(params.LoadKeywordHistory("格式查找"), (QStringList{"abc", "x", "y"}));
}

TEST_F(ParamStoreTest, WindowPlacementRestoreRules) {
    const int screenW = 19200, screenH = 10800;
    const QString window = QStringLiteral("格式模板列表");
    params.SaveWindowPlacement(window, {100, 200, 6000, 4000}, screenW);
    auto restore = params.RestoreWindowPlacement(window, screenW, screenH);
    ASSERT_TRUE(restore);
    EXPECT_TRUE(restore->move && restore->resize);
    EXPECT_EQ(restore->placement.height, 4000);

    // A screen-wide window opens at its designed place and size next time.
    params.SaveWindowPlacement(window, {0, 0, screenW, screenH}, screenW);
    EXPECT_EQ(params.GetParam("窗口参数：格式模板列表"), QStringLiteral("0;0;0;0"));
    restore = params.RestoreWindowPlacement(window, screenW, screenH);
    EXPECT_FALSE(restore->move || restore->resize);
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM 参数")), 1);

    // Left edge beyond the screen: stays at its designed place but gets the stored size.
    params.SetParam("窗口参数：格式模板列表", "20000;10;500;300");
    restore = params.RestoreWindowPlacement(window, screenW, screenH);
    EXPECT_FALSE(restore->move);
    EXPECT_TRUE(restore->resize);

    params.SetParam("窗口参数：格式模板列表", "1;2;3");
    EXPECT_FALSE(params.RestoreWindowPlacement(window, screenW, screenH));
}

TEST(Settings, EmptyOrMissingValuesReadAsTheDefault) {
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    ASSERT_TRUE(WriteSetting("QMX", "位置", "统计_分界线", "3200"));
    ASSERT_TRUE(WriteSetting("QD01", "TagPrintSet", "Index0", QString()));
    EXPECT_EQ(ReadSetting("QMX", "Para", "CrlfChr", "//"), QStringLiteral("//"));
    EXPECT_EQ(ReadSetting("QMX", "位置", "统计_分界线", "0"), QStringLiteral("3200"));
    EXPECT_EQ(ReadSetting("QD01", "TagPrintSet", "Index0", "4"), QStringLiteral("4"));
    // Applications are separate stores.
    EXPECT_EQ(ReadSetting("QD01", "位置", "统计_分界线", "0"), QStringLiteral("0"));
}

TEST(Settings, NamedDataFolderKeepsItsOwnSettings) {
    QTemporaryDir userConfig;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userConfig.path());
    QString firstFile;
    {
        TempDataFolder first;
        ASSERT_TRUE(WriteSetting("QMX", "Para", "Printer", "PDF"));
        firstFile = SettingsFilePath("QMX");
        EXPECT_TRUE(firstFile.startsWith(first.Path() + '/')) << firstFile.toStdString();
        EXPECT_TRUE(QFileInfo::exists(firstFile));
        EXPECT_EQ(ReadSetting("QMX", "Para", "Printer", ""), QStringLiteral("PDF"));
    }
    {
        TempDataFolder second;
        EXPECT_EQ(ReadSetting("QMX", "Para", "Printer", "none"), QStringLiteral("none"));
    }
    // Nothing reached the per-user store.
    EXPECT_TRUE(QDir(userConfig.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
    EXPECT_EQ(ReadSetting("QMX", "Para", "Printer", "none"), QStringLiteral("none"));
}
