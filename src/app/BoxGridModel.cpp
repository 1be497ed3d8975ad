#include "app/BoxGridModel.h"

#include "content/layout/BoxFont.h"
#include "document/FormatDocument.h"
#include "store/Format.h"

#include <QColor>

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

// Shared by reading (const) and editing.
template <typename Box>
auto FlagOf(Box& box, int column) -> decltype(&box.bold) {
    switch (column) {
    case BoxGridModel::kBold: return &box.bold;
    case BoxGridModel::kItalic: return &box.italic;
    case BoxGridModel::kUnderline: return &box.underline;
    case BoxGridModel::kStrikeout: return &box.strikeout;
    default: return nullptr;
    }
}

template <typename Box>
auto RealOf(Box& box, int column) -> decltype(&box.x) {
    switch (column) {
    case BoxGridModel::kX: return &box.x;
    case BoxGridModel::kY: return &box.y;
    case BoxGridModel::kW: return &box.w;
    case BoxGridModel::kH: return &box.h;
    case BoxGridModel::kS: return &box.s;
    case BoxGridModel::kL: return &box.l;
    case BoxGridModel::kFontSize: return &box.fontSize;
    case BoxGridModel::kCash: return &box.cash;
    case BoxGridModel::kRCtl: return &box.rctl;
    case BoxGridModel::kSumId: return &box.sumId;
    case BoxGridModel::kSumId1: return &box.sumId1;
    default: return nullptr;
    }
}

// Whole-number cells; Clas is limited to the five kinds.
bool SetWhole(BoxRecord& box, int column, qint64 value) {
    switch (column) {
    case BoxGridModel::kColor:
        if (value < 0 || value > 0xFFFFFF) return false;
        box.color = value;
        return true;
    case BoxGridModel::kKind:
        if (value < 0 || value >= kBoxKindCount) return false;
        box.kind = int(value);
        return true;
    case BoxGridModel::kRCtl1: box.rctl1 = value; return true;
    default: return false;
    }
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
    connect(document_, &FormatDocument::RecordChanged, this, [this](qint64 id) {
        const int row = document_->RowOf(id);
        if (row >= 0) Q_EMIT dataChanged(index(row, 0), index(row, kColumnCount - 1), {Qt::DisplayRole, Qt::EditRole});
    });
}

int BoxGridModel::RowCount() const { return document_ ? int(document_->GetFormat().boxes.size()) : 0; }

int BoxGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount();
}

int BoxGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QString BoxGridModel::CellText(const BoxRecord& box, int column) {
    if (const bool* flag = FlagOf(box, column)) return *flag ? kFlagOn : QString();
    if (const double* real = RealOf(box, column)) return Number(*real);
    switch (column) {
    case kId: return QString::number(box.id);
    case kLabel: return box.label;
    case kDir: return DirWord(box.dir);
    case kColor: return QString::number(box.color);
    case kFontName: return box.fontName;
    case kKind: return QString::number(box.kind);
    case kRCtl1: return QString::number(box.rctl1);
    default: return QString();
    }
}

// The box number the canvas shows for the record at `row`: kind × 1000 + its place
// among the boxes of its kind.
int BoxGridModel::BoxNumberAt(int row) const {
    const QList<BoxRecord>& boxes = document_->GetFormat().boxes;
    int n = 0;
    for (int i = 0; i <= row; ++i)
        if (boxes[i].kind == boxes[row].kind) ++n;
    return boxes[row].kind * 1000 + n;
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
    BoxRecord box = document_->GetFormat().boxes[index.row()];
    const QString text = value.toString();
    const int column = index.column();
    bool ok = true;
    if (bool* flag = FlagOf(box, column)) {
        *flag = !text.isEmpty();
    } else if (double* real = RealOf(box, column)) {
        const double parsed = text.trimmed().toDouble(&ok);
        if (ok) *real = parsed;
    } else if (column == kLabel) {
        box.label = text;
    } else if (column == kFontName) {
        box.fontName = text;
    } else if (column == kDir) {
        box.dir = DirFromWord(text.trimmed());
    } else {
        const qint64 parsed = text.trimmed().toLongLong(&ok);
        ok = ok && SetWhole(box, column, parsed);
    }
    if (!ok) return false;
    // The document signals the changed row back to this model and to the canvas.
    document_->ChangeRecord(box, kGridEditStep);
    return true;
}
