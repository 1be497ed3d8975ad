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

TEST(TextBreaking, SourceLinesSplitAtEveryKindOfLineBreak) {
    EXPECT_EQ(SplitSourceLines(QStringLiteral("a\r\nb\nc\rd")), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitSourceLines(QStringLiteral("a\n\nb")), (QStringList{"a", "", "b"}));
    EXPECT_EQ(SplitSourceLines(QStringLiteral("\r\r\na\n")), (QStringList{"", "", "a", ""}));
    EXPECT_EQ(SplitSourceLines(QString()), (QStringList{""}));
}
