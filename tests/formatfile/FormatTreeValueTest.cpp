// The stored format tree value: building, filing a format, and keeping its form.
#include "formatfile/FormatTreeValue.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatTreeValue, FilesFormatsUnderTheFirstMatchingClass) {
    FormatTreeValue tree = FormatTreeValue::Build({"工行进账单", "顺丰快递", "杂项", "快递进账单"});
    const qsizetype deposit = tree.classes.indexOf("进账单");
    EXPECT_EQ(tree.lists[deposit], QStringList({"工行进账单", "快递进账单"}));
    EXPECT_EQ(tree.lists[tree.classes.indexOf("快递")], QStringList({"顺丰快递"}));
    EXPECT_EQ(tree.lists.last(), QStringList({"杂项"}));

    tree.AddFormat("杂项"); // already filed: not twice
    EXPECT_EQ(tree.lists.last(), QStringList({"杂项"}));
}

TEST(FormatTreeValue, ParsesAndWritesTheStoredForm) {
    const QString stored = QStringLiteral("支票|自建|其他//现金支票\\转账支票||||旧格式");
    FormatTreeValue tree = FormatTreeValue::Parse(stored);
    EXPECT_EQ(tree.classes, QStringList({"支票", "自建", "其他"}));
    EXPECT_EQ(tree.ToString(), stored);
    tree.AddFormat("新支票");
    tree.AddFormat("新格式");
    EXPECT_EQ(tree.ToString(), QStringLiteral("支票|自建|其他//现金支票\\转账支票\\新支票||||旧格式\\新格式"));

    // A tree without "其他" gets it back when a format needs it.
    FormatTreeValue bare = FormatTreeValue::Parse(QStringLiteral("支票//"));
    bare.AddFormat("杂项");
    EXPECT_EQ(bare.ToString(), QStringLiteral("支票|其他//||杂项"));
}

} // namespace
