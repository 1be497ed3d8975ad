#include "app/BoxGridModel.h"

#include "content/layout/BoxFont.h"
#include "document/FormatDocument.h"
#include "store/BoxColumns.h"
#include "store/Format.h"

#include <QColor>
#include <algorithm>
#include <array>
#include <optional>

namespace {

const QString kHeaders[BoxGridModel::kColumnCount] = {
    QStringLiteral("序号"), QString(), QStringLiteral("标签内容"), QStringLiteral("标签位置"),
    QStringLiteral("横向位置(毫米)"), QStringLiteral("纵向位置(毫米)"), QStringLiteral("宽度(毫米)"),
    QStringLiteral("高度(毫米)"), QStringLiteral("字间距(毫米)"), QStringLiteral("行距(毫米)"),
    QStringLiteral("字体颜色"), QStringLiteral("字体"), QStringLiteral("字号"), QStringLiteral("黑体"),
    QStringLiteral("斜体"), QStringLiteral("下划线"), QStringLiteral("删除线"), QStringLiteral("类别"),
    QStringLiteral("数据类别"), QStringLiteral("关联项"), QStringLiteral("累加框"),
    QStringLiteral("累加框1"), QStringLiteral("相关项1")};

const QString kGridEditStep = QStringLiteral("修改内容框");

QString Number(double value) { return QString::number(value, 'g', 15); }

// The record column behind each grid column; column 1 shows nothing.
constexpr std::array<std::optional<BoxField>, BoxGridModel::kColumnCount> kGridFields{
    BoxField::Id, std::nullopt, BoxField::Label, BoxField::Dir, BoxField::X, BoxField::Y,
    BoxField::W, BoxField::H, BoxField::S, BoxField::L, BoxField::Color, BoxField::FontName,
    BoxField::FontSize, BoxField::Bold, BoxField::Italic, BoxField::Underline,
    BoxField::Strikeout, BoxField::Kind, BoxField::Cash, BoxField::RCtl, BoxField::SumId,
    BoxField::SumId1, BoxField::RCtl1};

std::optional<BoxField> FieldAt(int column) {
    if (column < 0 || column >= BoxGridModel::kColumnCount) return std::nullopt;
    return kGridFields[column];
}

// The value a cell's text stands for; nullopt when the text is not one it may hold.
// Kinds are limited to the known ones and colours to 24 bits.
std::optional<QVariant> ValueOfCell(BoxField field, const QString& text) {
    if (field == BoxField::Dir) return QVariant(qint64(DirFromWord(text.trimmed())));
    bool ok = true;
    switch (ColumnOf(field).form) {
    case FieldForm::Flag: return QVariant(!text.isEmpty());
    case FieldForm::Text: return QVariant(text);
    case FieldForm::Real: {
        const double real = text.trimmed().toDouble(&ok);
        return ok ? std::optional<QVariant>(real) : std::nullopt;
    }
    case FieldForm::Whole: {
        const qint64 whole = text.trimmed().toLongLong(&ok);
        if (!ok) return std::nullopt;
        if (field == BoxField::Color && (whole < 0 || whole > 0xFFFFFF)) return std::nullopt;
        if (field == BoxField::Kind && (whole < 0 || whole >= kBoxKindCount)) return std::nullopt;
        return QVariant(whole);
    }
    }
    return std::nullopt;
}

} // namespace

const QString BoxGridModel::kFlagOn = QStringLiteral("√");

BoxGridModel::BoxGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void BoxGridModel::SetDocument(FormatDocument* document) {
    beginResetModel();
    if (document_) document_->disconnect(this);
    document_ = document;
    if (document_) Follow();
    endResetModel();
}

// Only the rows that changed are told to the view.
void BoxGridModel::Follow() {
    const auto reset = [this] {
        beginResetModel();
        endResetModel();
    };
    connect(document_, &FormatDocument::Opened, this, reset);
    connect(document_, &FormatDocument::Rekeyed, this, reset);
    connect(document_, &FormatDocument::RecordAboutToBeInserted, this,
            [this](int row) { beginInsertRows({}, row, row); });
    connect(document_, &FormatDocument::RecordInserted, this, [this] { endInsertRows(); });
    connect(document_, &FormatDocument::RecordAboutToBeRemoved, this,
            [this](qint64, int row) { beginRemoveRows({}, row, row); });
    connect(document_, &FormatDocument::RecordRemoved, this, [this] { endRemoveRows(); });
    connect(document_, &FormatDocument::RecordChanged, this, [this](qint64 id, RecordParts what) {
        const int row = document_->RowOf(id);
        if (row < 0) return;
        const auto [first, last] = ColumnsOf(what);
        if (first <= last)
            Q_EMIT dataChanged(index(row, first), index(row, last), {Qt::DisplayRole, Qt::EditRole});
    });
}

// The span of grid columns showing the parts; a kind also renumbers the 序号.
std::pair<int, int> BoxGridModel::ColumnsOf(RecordParts what) {
    if (what.testFlag(RecordPart::Kind)) return {0, kColumnCount - 1};
    int first = kColumnCount, last = -1;
    for (int column = 0; column < kColumnCount; ++column) {
        const std::optional<BoxField> field = FieldAt(column);
        if (!field || !(PartOf(*field) & what)) continue;
        first = std::min(first, column);
        last = column;
    }
    return {first, last};
}

int BoxGridModel::RowCount() const { return document_ ? int(document_->GetFormat().boxes.size()) : 0; }

int BoxGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount();
}

int BoxGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QString BoxGridModel::CellText(const BoxRecord& box, int column) {
    const std::optional<BoxField> field = FieldAt(column);
    if (!field) return {};
    if (*field == BoxField::Dir) return DirWord(box.dir);
    const QVariant value = FieldValue(box, *field);
    switch (ColumnOf(*field).form) {
    case FieldForm::Flag: return value.toBool() ? kFlagOn : QString();
    case FieldForm::Real: return Number(value.toDouble());
    case FieldForm::Whole: return QString::number(value.toLongLong());
    case FieldForm::Text: return value.toString();
    }
    return {};
}

// The box number the canvas shows for the record at `row`: kind × 1000 + its place
// among the boxes of its kind.
int BoxGridModel::BoxNumberAt(int row) const {
    const QList<BoxRecord>& boxes = document_->GetFormat().boxes;
    int n = 0;
    for (int i = 0; i <= row; ++i)
        if (boxes[i].kind == boxes[row].kind) ++n;
    return static_cast<int>(boxes[row].kind) * 1000 + n;
}

QVariant BoxGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= RowCount()) return {};
    const BoxRecord& box = document_->GetFormat().boxes[index.row()];
    const int column = index.column();
    // The colour as a swatch with its name, the number only for editing.
    if (column == kColor && role == Qt::DecorationRole) return RecordColor(box.color);
    if (column == kColor && role == Qt::DisplayRole) return RecordColor(box.color).name();
    // 序号 shows the box number, which unsaved boxes have too; the ID is the tip.
    if (column == kId && role == Qt::DisplayRole) return QString::number(BoxNumberAt(index.row()));
    if (column == kId && role == Qt::ToolTipRole) return QStringLiteral("ID ") + QString::number(box.id);
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    return CellText(box, column);
}

QVariant BoxGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return section >= 0 && section < kColumnCount ? kHeaders[section] : QVariant();
}

Qt::ItemFlags BoxGridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    // The ID is the box's identity and column 1 holds nothing.
    if (index.isValid() && index.column() != kId && index.column() != kBlank)
        f |= Qt::ItemIsEditable;
    return f;
}

bool BoxGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= RowCount() ||
        !(flags(index) & Qt::ItemIsEditable))
        return false;
    const std::optional<BoxField> field = FieldAt(index.column());
    const std::optional<QVariant> cell = field ? ValueOfCell(*field, value.toString()) : std::nullopt;
    if (!cell) return false;
    BoxRecord box = document_->GetFormat().boxes[index.row()];
    SetFieldValue(box, *field, *cell);
    // The document signals the changed row back to this model and to the canvas.
    document_->ChangeRecord(box, kGridEditStep);
    return true;
}
