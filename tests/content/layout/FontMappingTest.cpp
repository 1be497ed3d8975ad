#include "content/layout/FontMapping.h"
#include "content/layout/BoxFont.h"
#include "content/layout/TwipSurface.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
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

// A character the mapped face lacks is still printed, from another installed face.
TEST(FontMapping, CharacterMissingFromTheMappedFaceFallsBack) {
    BoxFont box;
    box.name = QStringLiteral("宋体");
    const QFont font = TwipFont(box, 12, 1440);
    const QChar missing(0x0531); // an Armenian letter: no CJK face has it
    if (QRawFont::fromFont(font).supportsCharacter(missing))
        GTEST_SKIP() << "the mapped face has the character";
    bool installed = false;
    for (const QString& family : QFontDatabase::families())
        installed = installed || QRawFont::fromFont(QFont(family)).supportsCharacter(missing);
    if (!installed) GTEST_SKIP() << "no installed face has the character";

    QTextLayout layout(QStringLiteral("票") + missing, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int drawn = 0;
    for (const QGlyphRun& run : layout.glyphRuns())
        for (const quint32 glyph : run.glyphIndexes()) drawn += glyph != 0 ? 1 : 0;
    EXPECT_EQ(drawn, 2);
}
