#include "content/layout/FontMapping.h"
#include "content/layout/BoxFont.h"
#include "content/layout/TwipSurface.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <gtest/gtest.h>

TEST(FontMapping, WindowsChineseFontsResolveToNotoCjk) {
    if (!QFontDatabase::families().contains(QStringLiteral("Noto Serif CJK SC")))
        GTEST_SKIP() << "fonts-noto-cjk not installed";
    InstallChineseFontSubstitutions();
    InstallChineseFontSubstitutions(); // a second call must not disturb the first

    const struct {
        const char* name;
        const char* family;
    } cases[] = {{"宋体", "Noto Serif CJK SC"},   {"SimSun", "Noto Serif CJK SC"},
                 {"楷体", "Noto Serif CJK SC"},   {"FangSong", "Noto Serif CJK SC"},
                 {"黑体", "Noto Sans CJK SC"},    {"微软雅黑", "Noto Sans CJK SC"},
                 {"Microsoft YaHei", "Noto Sans CJK SC"}};
    for (const auto& c : cases) {
        const QFontInfo info(QFont(QString::fromUtf8(c.name), 12));
        EXPECT_EQ(info.family().toStdString(), c.family) << c.name;
        // The printed text looks the family up by its installed name.
        BoxFont box;
        box.name = QString::fromUtf8(c.name);
        EXPECT_EQ(QFontInfo(TwipFont(box, 12, 1440)).family().toStdString(), c.family) << c.name;
    }
    EXPECT_EQ(ChineseFontSubstitutes(QStringLiteral("simhei")).value(0), "Noto Sans CJK SC");
    EXPECT_TRUE(ChineseFontSubstitutes(QStringLiteral("Arial")).isEmpty());
}
