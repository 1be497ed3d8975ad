#include "store/BoxColumns.h"
#include "store/Format.h"

#include <gtest/gtest.h>

TEST(PageOptions, EncodeDecodeRoundTripAndShortListThresholds) {
    PageOptions o;
    o.setPaper = true;
    o.optionBoxes = {1, 0, 1, 0, 1};
    o.currency = QStringLiteral("$");
    o.passwordArea = QStringLiteral("1{[]}2{[]}3{[]}4");
    o.barcodeStandard = BarcodeStandard::QrCode;
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

TEST(FormatModel, TypedViewsReadAndWriteThePackedColumns) {
    BoxRecord box;
    // Stored forms as older files hold them: a related box, a multiplying and negated
    // sum target, right alignment with a negative line spacing.
    box.rctl = -12;
    box.rctl1 = 7;
    box.sumId = -(34 + 0.1);
    box.sumId1 = 56;
    box.l = -1002.5;
    EXPECT_EQ(box.Relation().id, 12);
    EXPECT_TRUE(box.Relation().related);
    EXPECT_FALSE(box.SecondRelation().related);
    EXPECT_EQ(box.Sum().id, 34);
    EXPECT_TRUE(box.Sum().multiply && box.Sum().negate);
    EXPECT_FALSE(box.SecondSum().multiply || box.SecondSum().negate);
    EXPECT_EQ(box.AlignmentCode(), 1);
    EXPECT_DOUBLE_EQ(box.LineSpacing(), -2.5);

    // Written back through the setters, each column holds what it held.
    BoxRecord copy;
    copy.SetRelation(box.Relation());
    copy.SetSecondRelation(box.SecondRelation());
    copy.SetSum(box.Sum());
    copy.SetSecondSum(box.SecondSum());
    copy.SetSpacing(box.AlignmentCode(), box.LineSpacing());
    EXPECT_EQ(copy.rctl, box.rctl);
    EXPECT_EQ(copy.rctl1, box.rctl1);
    EXPECT_DOUBLE_EQ(copy.sumId, box.sumId);
    EXPECT_DOUBLE_EQ(copy.sumId1, box.sumId1);
    EXPECT_DOUBLE_EQ(copy.l, box.l);
    // No target is 0, whatever the options.
    copy.SetSum({0, true, true});
    EXPECT_EQ(copy.sumId, 0);
}

// Each column reaches its own member and no other: a value written through the table
// reads back there, and every other column still reads as on a blank record.
TEST(FormatModel, EveryColumnOfTheTableReachesItsOwnMember) {
    const BoxRecord blank;
    for (const BoxColumn& column : kBoxColumnTable) {
        QVariant value;
        switch (column.form) {
        case FieldForm::Whole: value = qint64(3); break;
        case FieldForm::Real: value = 2.5; break;
        case FieldForm::Flag: value = true; break;
        case FieldForm::Text: value = QStringLiteral("甲"); break;
        }
        BoxRecord box;
        SetFieldValue(box, column.field, value);
        EXPECT_EQ(FieldValue(box, column.field), value) << column.storeName;
        EXPECT_NE(box, blank) << column.storeName;
        for (const BoxColumn& other : kBoxColumnTable) {
            if (other.field == column.field) continue;
            EXPECT_EQ(FieldValue(box, other.field), FieldValue(blank, other.field))
                << column.storeName << " changed " << other.storeName;
        }
    }
    // Older files keep True as -1.
    BoxRecord box;
    SetFieldValue(box, BoxField::Bold, qint64(-1));
    EXPECT_TRUE(box.bold);
}
