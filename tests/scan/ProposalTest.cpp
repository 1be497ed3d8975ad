// The caption's words choose the data type; accepted boxes enter the document as one
// undoable step with 金额 = 数量 × 单价 linked.
#include "document/FormatDocument.h"
#include "scan/DataTypeGuess.h"
#include "scan/ProposalRecords.h"
#include "scan/ScanTexts.h"

#include <gtest/gtest.h>

#include <QUndoStack>

namespace {

TEST(ScanProposal, CaptionWordsChooseTheDataType) {
    struct Case {
        const char16_t* label;
        BlankShape shape;
        int cells;
        double code;
    };
    const Case cases[] = {
        {u"金额大写", BlankShape::Line, 0, 103},   {u"人民币（大写）", BlankShape::Cell, 0, 103},
        {u"小写金额", BlankShape::Line, 0, 104},   {u"金额", BlankShape::Cells, 11, 311},
        {u"¥", BlankShape::Cells, 9, 309},         {u"账号", BlankShape::Cells, 19, 219},
        {u"身份证号码", BlankShape::Cells, 18, 218}, {u"身份证号码", BlankShape::Line, 0, 0},
        {u"联系电话", BlankShape::Line, 0, 0},     {u"邮编", BlankShape::Cells, 6, 109},
        {u"开票日期", BlankShape::Line, 0, 110},   {u"年", BlankShape::Line, 0, 106},
        {u"月", BlankShape::Line, 0, 107},         {u"日", BlankShape::Line, 0, 108},
        {u"数量", BlankShape::Cell, 0, 117},       {u"单价", BlankShape::Cell, 0, 105},
        {u"收款人", BlankShape::Line, 0, 0},       {u"", BlankShape::Cells, 4, 204},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GuessDataType(QString::fromUtf16(c.label), c.shape, c.cells), c.code)
            << QString::fromUtf16(c.label).toStdString();
}

TEST(ScanProposal, CaptionBecomesLabelWithoutColonOrSpaces) {
    EXPECT_EQ(LabelFromCaption(QStringLiteral(" 收 款 人： ")), QStringLiteral("收款人"));
    EXPECT_EQ(LabelFromCaption(QStringLiteral("金额(小写):")), QStringLiteral("金额（小写）"));
    EXPECT_EQ(LabelFromCaption(QStringLiteral("：")), QString());
}

ProposedBox Box(const QString& label, double x, double dataType, int productInto = -1) {
    ProposedBox box;
    box.label = label;
    box.mm = QRectF(x, 40, 20, 7);
    box.dataType = dataType;
    box.productInto = productInto;
    return box;
}

TEST(ScanProposal, AcceptedBoxesAreOneUndoStepWithTheProductLinked) {
    FormatDocument document;
    Format format;
    format.name = QStringLiteral("进账单");
    format.page.width = 210;
    format.page.height = 150;
    document.Open(format);
    ProposedBox tick = Box(QStringLiteral("转账"), 150, 0);
    tick.kind = BoxKind::Check;
    tick.mm = QRectF(150, 60, 4, 4);
    const QList<ProposedBox> boxes{Box(QStringLiteral("数量"), 10, 117, 2), Box(QStringLiteral("单价"), 40, 105, 2),
                                   Box(QStringLiteral("金额"), 70, 104), tick};
    const QList<qint64> ids = ApplyProposal(document, boxes);
    ASSERT_EQ(ids.size(), 4);
    EXPECT_EQ(document.UndoStack()->count(), 1);
    EXPECT_EQ(document.UndoStack()->undoText(), ScanTexts::kStep);
    const BoxRecord* quantity = document.Record(ids[0]);
    ASSERT_TRUE(quantity);
    EXPECT_EQ(quantity->Sum().id, ids[2]);
    EXPECT_TRUE(quantity->Sum().multiply);
    EXPECT_EQ(document.Record(ids[1])->Sum().id, ids[2]);
    EXPECT_EQ(document.Record(ids[2])->Sum().id, 0);
    EXPECT_EQ(document.Record(ids[3])->kind, BoxKind::Check);
    EXPECT_EQ(document.Record(ids[3])->cash, 0);
    EXPECT_DOUBLE_EQ(document.Record(ids[2])->w, 20);

    document.UndoStack()->undo();
    EXPECT_TRUE(document.GetFormat().boxes.isEmpty());
    document.UndoStack()->redo();
    EXPECT_EQ(document.GetFormat().boxes.size(), 4);
    EXPECT_EQ(document.Record(ids[1])->Sum().id, ids[2]);
}

} // namespace
