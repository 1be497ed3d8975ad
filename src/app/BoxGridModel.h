#pragma once
// The box grid (MSF index 3): a table view's model over the open format's box
// records. The document is the authority; this adapter shows its cells in the grid's
// column order and cell forms, follows its changes row by row, over the columns of
// the parts that changed (a move repaints the four position cells), and hands cell
// edits to it as undoable steps.
#include "document/RecordChange.h"

#include <QAbstractTableModel>
#include <utility>

class FormatDocument;
struct BoxRecord;

class BoxGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        kId = 0, kBlank, kLabel, kDir, kX, kY, kW, kH, kS, kL, kColor, kFontName, kFontSize,
        kBold, kItalic, kUnderline, kStrikeout, kKind, kCash, kRCtl, kSumId, kSumId1, kRCtl1,
        kColumnCount
    };

    explicit BoxGridModel(QObject* parent = nullptr);

    // Shows the document's boxes (nullptr: none). The model does not own it.
    void SetDocument(FormatDocument* document);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Numeric cells accept only numbers: a typo must not turn a position into 0.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The cell text of one box record in the grid's form.
    static QString CellText(const BoxRecord& box, int column);
    // The flag cells: non-empty means on.
    static const QString kFlagOn;
    // The first and last grid column that show any of the parts (first > last: none).
    static std::pair<int, int> ColumnsOf(RecordParts what);

private:
    void Follow();
    int RowCount() const;
    int BoxNumberAt(int row) const;

    FormatDocument* document_ = nullptr;
};
