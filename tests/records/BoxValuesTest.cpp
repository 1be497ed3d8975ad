// The box-value rule shared by history and default records.
#include "RecordsFixture.h"
#include "records/BoxValues.h"

namespace {

BoxRecord Box(BoxKind kind, qint64 id = 7, double dataType = 0) {
    BoxRecord box;
    box.id = id;
    box.kind = kind;
    box.cash = dataType;
    return box;
}

TEST(BoxValues, WhatIsStoredForEachKind) {
    struct Case {
        BoxKind kind;
        QString content, stored;
    };
    const Case cases[] = {
        {BoxKind::Text, "", ""},
        {BoxKind::Text, " ", " "},              // a space is a value
        {BoxKind::Text, "甲\n乙", "甲\n乙"},     // line breaks kept as typed
        {BoxKind::Check, "", ""},
        {BoxKind::Check, "0", ""},
        {BoxKind::Check, "1", "1"},
        {BoxKind::Check, "2", "2"},             // grayed
        {BoxKind::Picture, "", ""},
        {BoxKind::Picture, "/tmp/章.png", "/tmp/章.png"},
        {BoxKind::Line, "x", ""},
        {BoxKind::Label, "x", ""},
    };
    for (const Case& c : cases) {
        Bill bill;
        bill.SetValue(7, c.content);
        EXPECT_EQ(StoredValue(Box(c.kind), bill), c.stored)
            << int(c.kind) << " " << c.content.toStdString();
    }
}

TEST(BoxValues, WritingBackFollowsTheKind) {
    struct Case {
        BoxKind kind;
        double dataType;
        QString stored, content;
        bool written;
    };
    const Case cases[] = {
        {BoxKind::Text, 0, "第一行//第二行", "第一行\n第二行", true}, // the user's marker
        {BoxKind::Text, 103, "1234.5", "壹仟贰佰叁拾肆元伍角整", true}, // converted by type
        {BoxKind::Check, 0, "2", "1", true},                           // grayed reads checked
        {BoxKind::Check, 0, " ", "", true},
        {BoxKind::Picture, 0, "123456789", "123456789", true},         // a code's text
        {BoxKind::Line, 0, "x", "", false},
    };
    ValueFilling filling;
    for (const Case& c : cases) {
        Bill bill;
        EXPECT_EQ(WriteBoxValue(Box(c.kind, 7, c.dataType), bill, c.stored, filling), c.written);
        EXPECT_EQ(bill.Value(7), c.content) << c.stored.toStdString();
    }
}

TEST(BoxValues, BillsAreWrittenTextThenCheckThenPictureWithoutFixedTextOrUnsavedBoxes) {
    Format format;
    format.boxes = {Box(BoxKind::Picture, 5), Box(BoxKind::Check, 4), Box(BoxKind::Label, 3),
                    Box(BoxKind::Text, 9), Box(BoxKind::Text, kFirstTemporaryId),
                    Box(BoxKind::Text, 2), Box(BoxKind::Text, 8)};
    for (BoxRecord& box : format.boxes) box.label = QStringLiteral("框");
    format.boxes.last().label.clear(); // fixed text, kept with the format
    QList<qint64> ids;
    for (const BoxRecord* box : ValueBoxes(format)) ids << box->id;
    EXPECT_EQ(ids, QList<qint64>({9, 2, 4, 5}));
}

} // namespace
