// Captions of copied boxes.
#include "designer/CopyCaption.h"

#include <QString>
#include <gtest/gtest.h>

TEST(CopyCaption, AdvancesTheLastNumberOrAppendsOne) {
    const struct {
        const char* caption;
        int copy;
        const char* expected;
    } cases[] = {{"金额1", 1, "金额2"}, {"金额1", 2, "金额3"}, {"第3联", 1, "第4联"}, {"第3联", 2, "第5联"},
                 {"第9页", 1, "第10页"}, {"行09", 1, "行10"}, {"A10B", 1, "A10B1"}, {"备注", 2, "备注2"},
                 {"", 1, "1"}, {"第联", 1, "第联1"}};
    for (const auto& c : cases)
        EXPECT_EQ(CopyCaption(QString::fromUtf8(c.caption), c.copy), QString::fromUtf8(c.expected)) << c.caption;
}
