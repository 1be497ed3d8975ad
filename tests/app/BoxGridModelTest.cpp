#include "app/BoxGridModel.h"
#include "document/FormatDocument.h"

#include <QColor>
#include <QSignalSpy>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace {

class BoxGrid : public ::testing::Test {
protected:
    BoxGrid() {
        BoxRecord box;
        box.id = 42;
        box.label = QStringLiteral("金额");
        box.dir = 3;
        box.x = 12.5;
        box.color = 255;
        box.fontName = QStringLiteral("宋体");
        box.fontSize = 10.5;
        box.italic = true;
        box.cash = 114.08;
        box.rctl1 = 7;
        Format format;
        format.name = QStringLiteral("格式");
        format.boxes = {box};
        document_.Open(format);
        model_.SetDocument(&document_);
    }
    QString Cell(int column) const { return model_.data(model_.index(0, column)).toString(); }
    bool Edit(int column, const QString& text) {
        return model_.setData(model_.index(0, column), text, Qt::EditRole);
    }

    FormatDocument document_;
    const Format& format_ = document_.GetFormat();
    BoxGridModel model_;
};

} // namespace

TEST_F(BoxGrid, CellsUseTheWordForDirAndNonEmptyFlags) {
    EXPECT_EQ(model_.columnCount(), 23);
    EXPECT_EQ(model_.headerData(BoxGridModel::kRCtl1, Qt::Horizontal).toString(), "相关项1");
    EXPECT_EQ(Cell(BoxGridModel::kId), "1"); // the box number; the ID is the tip
    EXPECT_EQ(model_.data(model_.index(0, BoxGridModel::kId), Qt::ToolTipRole).toString(), "ID 42");
    EXPECT_EQ(model_.data(model_.index(0, BoxGridModel::kColor), Qt::DecorationRole).value<QColor>(),
              QColor(Qt::red));
    EXPECT_EQ(Cell(BoxGridModel::kColor), "#ff0000");
    EXPECT_EQ(Cell(BoxGridModel::kDir), "下方");
    EXPECT_EQ(Cell(BoxGridModel::kX), "12.5");
    EXPECT_EQ(Cell(BoxGridModel::kCash), "114.08");
    EXPECT_EQ(Cell(BoxGridModel::kFontSize), "10.5");
    EXPECT_TRUE(Cell(BoxGridModel::kBold).isEmpty());
    EXPECT_FALSE(Cell(BoxGridModel::kItalic).isEmpty());
    EXPECT_EQ(Cell(BoxGridModel::kRCtl1), "7");
}

TEST_F(BoxGrid, EditsGoToTheDocumentAsUndoableStepsAndShowOnlyTheirRow) {
    const BoxRecord& box = format_.boxes[0];
    QSignalSpy changed(&model_, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(&model_, &QAbstractItemModel::modelReset);
    EXPECT_TRUE(Edit(BoxGridModel::kDir, "左边"));
    EXPECT_EQ(box.dir, 1);
    EXPECT_TRUE(Edit(BoxGridModel::kDir, "旁边")); // any other word is "above"
    EXPECT_EQ(box.dir, 0);
    EXPECT_TRUE(Edit(BoxGridModel::kBold, "x"));
    EXPECT_TRUE(Edit(BoxGridModel::kItalic, ""));
    EXPECT_TRUE(box.bold);
    EXPECT_FALSE(box.italic);
    EXPECT_TRUE(Edit(BoxGridModel::kY, " 33.25 "));
    EXPECT_DOUBLE_EQ(box.y, 33.25);
    EXPECT_TRUE(Edit(BoxGridModel::kLabel, "付款人"));
    EXPECT_EQ(box.label, "付款人");
    EXPECT_EQ(changed.count(), 6);
    EXPECT_EQ(reset.count(), 0);
    EXPECT_EQ(changed.last().at(0).toModelIndex().row(), 0);

    document_.UndoStack()->undo();
    EXPECT_EQ(format_.boxes[0].label, "金额");
    EXPECT_EQ(Cell(BoxGridModel::kLabel), "金额");
}

TEST_F(BoxGrid, FollowsRecordsAddedAndRemovedInTheDocument) {
    QSignalSpy inserted(&model_, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model_, &QAbstractItemModel::rowsRemoved);
    BoxRecord line;
    line.kind = BoxKind::Line;
    const qint64 id = document_.AddRecord(line, QStringLiteral("添加"));
    EXPECT_EQ(model_.rowCount(), 2);
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(Cell(BoxGridModel::kId), "1");
    // A new, unsaved line shows its box number, not its temporary ID.
    EXPECT_GE(id, kFirstTemporaryId);
    EXPECT_EQ(model_.data(model_.index(1, BoxGridModel::kId)).toString(), "3001");
    document_.RemoveRecords({42}, QStringLiteral("删除"));
    EXPECT_EQ(model_.rowCount(), 1);
    EXPECT_EQ(model_.data(model_.index(0, BoxGridModel::kId), Qt::ToolTipRole).toString(),
              "ID " + QString::number(id));
    document_.UndoStack()->undo();
    EXPECT_EQ(Cell(BoxGridModel::kLabel), "金额");
    EXPECT_EQ(removed.count(), 1);
}

TEST_F(BoxGrid, RefusesEditsThatWouldCorruptTheRecord) {
    const BoxRecord before = format_.boxes[0];
    EXPECT_FALSE(Edit(BoxGridModel::kX, "12,5mm"));     // not a number: the position stays
    EXPECT_FALSE(Edit(BoxGridModel::kKind, "9"));       // no such box kind
    EXPECT_FALSE(Edit(BoxGridModel::kColor, "-1"));     // not a 24-bit colour
    EXPECT_FALSE(Edit(BoxGridModel::kId, "5"));         // the identity is not editable
    EXPECT_FALSE(model_.flags(model_.index(0, BoxGridModel::kId)) & Qt::ItemIsEditable);
    EXPECT_EQ(format_.boxes[0], before);
}

TEST_F(BoxGrid, ARecordChangeRepaintsOnlyTheColumnsOfWhatChanged) {
    QSignalSpy changed(&model_, &QAbstractItemModel::dataChanged);
    const auto span = [&] {
        const QList<QVariant> last = changed.takeLast();
        return std::pair(last.at(0).toModelIndex().column(), last.at(1).toModelIndex().column());
    };
    BoxRecord box = format_.boxes[0];
    box.x = 20, box.h = 5;
    document_.ChangeRecord(box, QStringLiteral("移动内容框"));
    EXPECT_EQ(span(), std::pair(int(BoxGridModel::kX), int(BoxGridModel::kH)));
    box.fontSize = 12, box.strikeout = true;
    document_.ChangeRecord(box, QStringLiteral("改变字体大小"));
    EXPECT_EQ(span(), std::pair(int(BoxGridModel::kFontName), int(BoxGridModel::kStrikeout)));
    // Another kind renumbers the row's 序号 too.
    box.kind = BoxKind::Label;
    document_.ChangeRecord(box, QStringLiteral("修改内容框"));
    EXPECT_EQ(span(), std::pair(0, int(BoxGridModel::kColumnCount) - 1));
    EXPECT_EQ(Cell(BoxGridModel::kId), "4001");
}
