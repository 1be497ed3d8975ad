// Where text may break, and how lines fill a box.
#include "content/layout/TextTokens.h"

#include <gtest/gtest.h>

namespace {

QStringList Tokens(QString line) {
    QStringList tokens;
    while (!line.isEmpty()) {
        tokens << NextToken(line);
        line.remove(0, tokens.last().size());
    }
    return tokens;
}

// Every character is 10 units wide.
const TextMeasure kFixed = [](const QString& s) { return 10.0 * CharacterCount(s); };

} // namespace

TEST(TextBreaking, WordsAndNumbersStayWholeButBreakAfterPunctuation) {
    EXPECT_EQ(Tokens(QStringLiteral("1,234.56")), (QStringList{"1,", "234.", "56"}));
    EXPECT_EQ(Tokens(QStringLiteral("ab-c_d x")), (QStringList{"ab-c_d", " ", "x"}));
    EXPECT_EQ(Tokens(QStringLiteral("中文ab")), (QStringList{"中", "文", "ab"}));
    EXPECT_EQ(Tokens(QStringLiteral(".x")), (QStringList{".", "x"}));
    // A character outside the BMP is one token, never half a surrogate pair.
    EXPECT_EQ(Tokens(QStringLiteral("𠀀a")), (QStringList{"𠀀", "a"}));
    EXPECT_FALSE(IsWordChar(u'中'));
    EXPECT_FALSE(IsWordChar(u' '));
    EXPECT_TRUE(IsWordChar(u';'));
}

TEST(TextBreaking, FillsLinesGreedilyWithSpacing) {
    // "hello world" in 60 units: the words go to separate lines, the space stays with
    // the first one.
    EXPECT_EQ(BreakSourceLine(QStringLiteral("hello world"), 60, 0, kFixed),
              (QStringList{"hello ", "world"}));
    // Letter spacing counts once per character: 3 × (10 + 5) = 45 fits, 4 × 15 does not.
    EXPECT_EQ(BreakSourceLine(QStringLiteral("中文中文"), 45, 5, kFixed),
              (QStringList{"中文中", "文"}));
    // A token wider than the box stands alone and overflows.
    EXPECT_EQ(BreakSourceLine(QStringLiteral("abcdefgh 中"), 30, 0, kFixed),
              (QStringList{"abcdefgh", " 中"}));
    EXPECT_EQ(BreakSourceLine(QString(), 30, 0, kFixed), QStringList{QString()});
}

TEST(TextBreaking, SourceLinesSplitAtEveryKindOfLineBreak) {
    EXPECT_EQ(SplitSourceLines(QStringLiteral("a\r\nb\nc\rd")), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitSourceLines(QStringLiteral("a\n\nb")), (QStringList{"a", "", "b"}));
}
