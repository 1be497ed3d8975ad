#include "designer/FontChoices.h"

#include <gtest/gtest.h>

TEST(FontChoices, EachFamilyOnceAndTheBoxFontPreselected) {
    const QStringList installed{"DejaVu Sans", "Noto Sans CJK SC [GOOG]", "Noto Sans CJK SC [ADBO]",
                                "Noto Serif CJK SC", "Zapf [A]", "Zapf [B]"};
    struct Case { const char* boxFont; const char* preselected; };
    for (const Case& c : {Case{"Noto Serif CJK SC", "Noto Serif CJK SC"}, Case{"dejavu sans", "DejaVu Sans"},
                          Case{"宋体", "宋体"}, Case{"SimHei", "SimHei"}, Case{"Zapf", "Zapf"},
                          Case{"华文行楷", "华文行楷"}}) {
        const FontChoices choices = MakeFontChoices(installed, QString::fromUtf8(c.boxFont));
        ASSERT_GE(choices.current, 0);
        EXPECT_EQ(choices.families.at(choices.current), QString::fromUtf8(c.preselected)) << c.boxFont;
        EXPECT_EQ(choices.families.count("Noto Sans CJK SC"), 1);
        EXPECT_EQ(choices.families.count("Zapf"), 1);
        EXPECT_FALSE(choices.families.join(' ').contains('['));
        QStringList unique = choices.families;
        EXPECT_EQ(unique.removeDuplicates(), 0) << c.boxFont;
    }
    // The Chinese names the mapping shows with installed fonts are offered by name.
    EXPECT_TRUE(MakeFontChoices(installed, {}).families.contains("黑体"));
}
