// The page size of a new format and the page-size dialog.
#include "common/ScriptedAsker.h"
#include "designer/FormSizeDialog.h"
#include "designer/PageSizeRules.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(PageRatio, AcceptsTwentyToOneEitherWayAndRefusesTwentyOneToOne) {
    EXPECT_TRUE(IsValidPageRatio(20, 1));
    EXPECT_TRUE(IsValidPageRatio(1, 20));
    EXPECT_FALSE(IsValidPageRatio(21, 1));
    EXPECT_FALSE(IsValidPageRatio(1, 21));
    EXPECT_FALSE(IsValidPageRatio(0, 0));
    EXPECT_FALSE(IsValidPageRatio(-20, -1)); // a positive ratio of two negative sides
}

TEST(NewFormat, ZeroSidesAreAskedAgainAndBadRatiosRestartBoth) {
    ScriptedAsker asker;
    asker.Text("支票").Text("abc").Text("21mm").Text("0").Text("1") // 21:1 refused
        .Text("20").Text("1");
    const auto page = AskNewFormat(asker, 210, 297);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->name, "支票");
    EXPECT_EQ(page->widthMm, 20);
    EXPECT_EQ(page->heightMm, 1);
    EXPECT_EQ(asker.messages, QStringList({"单据宽度不能为零！", "单据高度不能为零！",
                                           "单据的宽度与高度比例应为1：20到20：1之间,请重新输入！"}));
    EXPECT_TRUE(asker.AllAnswered());
}

TEST(NewFormat, AnEmptyOrCancelledAnswerCancels) {
    for (int step = 0; step < 3; ++step) {
        ScriptedAsker asker;
        const QStringList answers = {"名称", "100", "50"};
        for (int i = 0; i < step; ++i) asker.Text(answers[i]);
        asker.Text(step == 1 ? std::nullopt : std::optional<QString>(""));
        EXPECT_FALSE(AskNewFormat(asker, 210, 297)) << step;
        EXPECT_TRUE(asker.AllAnswered());
    }
}

TEST(FormSize, StaysOpenOnABadRatioAndReportsOnlyAChange) {
    ScriptedAsker asker;
    FormSizeDialog dialog(asker, QSizeF(210, 297));
    dialog.show();
    auto* height = dialog.findChild<QLineEdit*>("TY");
    auto* ok = dialog.findChild<QPushButton*>("OK");
    ASSERT_TRUE(height && ok);
    EXPECT_EQ(height->text(), "297");
    height->setText("10");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(asker.messages, QStringList({"单据的宽度与高度比例应为1：20到20：1之间！"}));
    height->setText("100");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(dialog.NewSize());
    EXPECT_EQ(*dialog.NewSize(), QSizeF(210, 100));

    FormSizeDialog same(asker, QSizeF(210, 297));
    same.show();
    QTest::mouseClick(same.findChild<QPushButton*>("OK"), Qt::LeftButton);
    EXPECT_FALSE(same.NewSize());
}
