// A long text in one box is laid out in time linear in its length: each character is
// measured a bounded number of times, however many lines it fills.
#include "content/layout/TextTokens.h"

#include <QFont>
#include <QFontMetricsF>
#include <gtest/gtest.h>

TEST(LongTextBreaking, EachCharacterIsMeasuredABoundedNumberOfTimes) {
    const QFontMetricsF metrics(QFont(QStringLiteral("Noto Sans CJK SC"), 10));
    qint64 measured = 0;
    const TextMeasure measure = [&](const QString& s) {
        measured += s.size();
        return metrics.horizontalAdvance(s);
    };
    QString text;
    while (text.size() < 60 * 1024) text += QStringLiteral("付款人全称Vellumark, 1,234.56元；");
    const double boxWidth = 600; // about sixty characters a line

    const QStringList lines = BreakSourceLine(text, boxWidth, 0.5, measure);
    EXPECT_LT(measured, 8 * text.size());
    EXPECT_GT(lines.size(), text.size() / 100);

    // Still the greedy filling: the lines give back the text, each fits, and none
    // could have taken the next piece as well.
    EXPECT_EQ(lines.join(QString()), text);
    const auto width = [&](const QString& s) { return metrics.horizontalAdvance(s) + s.size() * 0.5; };
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_LE(width(lines[i]), boxWidth) << i;
        EXPECT_GT(width(lines[i] + NextToken(lines[i + 1])), boxWidth) << i;
    }
}
