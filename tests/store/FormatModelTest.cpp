#include "store/Format.h"

#include <gtest/gtest.h>

TEST(PageOptions, EncodeDecodeRoundTripAndShortListThresholds) {
    PageOptions o;
    o.setPaper = true;
    o.optionBoxes = {1, 0, 1, 0, 1};
    o.currency = QStringLiteral("$");
    o.passwordArea = QStringLiteral("1{[]}2{[]}3{[]}4");
    o.barcodeStandard = 2;
    const QString mem = EncodePageOptions(o);
    EXPECT_EQ(mem.split(QLatin1Char('|')).size(), 17);
    EXPECT_TRUE(mem.endsWith(QLatin1Char('|')));
    PageOptions back;
    DecodePageOptions(mem, back);
    EXPECT_EQ(back, o);

    // Seven pieces: nothing applies. Ten pieces: the currency (item 9) needs eleven.
    PageOptions shortList;
    DecodePageOptions(QStringLiteral("True|True|1|1|1|1|"), shortList);
    EXPECT_FALSE(shortList.setPaper);
    DecodePageOptions(QStringLiteral("True|False|1|0|0|0|1|False|True|$"), shortList);
    EXPECT_TRUE(shortList.setPaper);
    EXPECT_TRUE(shortList.monthZero);
    EXPECT_EQ(shortList.currency, QStringLiteral("￥"));
}

TEST(FormatModel, WritingThroughFindBoxLeavesCopiesAlone) {
    Format format;
    BoxRecord seven;
    seven.id = 7;
    seven.x = 1;
    format.boxes << seven;
    const QList<BoxRecord> snapshot = format.boxes; // shares the list's data
    format.FindBox(7)->x = 2;
    EXPECT_EQ(snapshot[0].x, 1);
    EXPECT_EQ(format.FindBox(7)->x, 2);
}
