// Captions of copied boxes.
#include "designer/CopyCaption.h"

#include <QString>
#include <gtest/gtest.h>

TEST(CopyCaption, AdvancesTheCaptionNumber) {
    EXPECT_EQ(CopyCaption("金额1", 1), "金额2");
    EXPECT_EQ(CopyCaption("金额1", 2), "金额3");
    EXPECT_EQ(CopyCaption("第3联", 1), "第4联");
    EXPECT_EQ(CopyCaption("第3联", 2), "第5联");
    EXPECT_EQ(CopyCaption("第9页", 1), "第10页");
    EXPECT_EQ(CopyCaption("行09", 1), "行10");
}

TEST(CopyCaption, AppendsWhenThereIsNoNumber) {
    EXPECT_EQ(CopyCaption("A10B", 1), "A10B1");
    EXPECT_EQ(CopyCaption("备注", 2), "备注2");
    EXPECT_EQ(CopyCaption("", 1), "1");
    EXPECT_EQ(CopyCaption("联", 1), "联1");
    EXPECT_EQ(CopyCaption("第联", 1), "第联1");
}
