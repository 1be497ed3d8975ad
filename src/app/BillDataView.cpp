#include "app/BillDataView.h"

#include "app/BillDataModel.h"
#include "app/GridFitting.h"
#include "core/Asker.h"
#include "exchange/BillDataGrid.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/GridExport.h"
#include "exchange/GridFitting.h"
#include "exchange/ProgressTicker.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <optional>
#include <utility>

namespace {
constexpr int kFitProgressRows = 200;
} // namespace

BillDataView::BillDataView(Asker& asker, Progress& progress, QWidget* parent)
    : QWidget(parent), asker_(asker), progress_(progress), model_(new BillDataModel(this)),
      table_(new QTableView(this)) {
    setObjectName(QStringLiteral("BillData"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Fixed row heights keep 30 000 rows quick to lay out and scroll.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionsClickable(true);
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        model_->SortByHeader(column);
        ShowRow(CurrentRow());
    });
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) ShowRow(current.row() + 1);
            });
    BuildMenu();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_, 1);
    layout->addWidget(BuildNavigation());
    UpdateNavigation();
}

QWidget* BillDataView::BuildNavigation() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* import = new QPushButton(ExchangeText::kImportButton, row);
    import->setObjectName(QStringLiteral("CmdImport"));
    connect(import, &QPushButton::clicked, this, &BillDataView::ImportRequested);
    previous_ = new QPushButton(ExchangeText::kPreviousRow, row);
    previous_->setObjectName(QStringLiteral("CmdPrevious"));
    next_ = new QPushButton(ExchangeText::kNextRow, row);
    next_->setObjectName(QStringLiteral("CmdNext"));
    bar_ = new QScrollBar(Qt::Horizontal, row);
    bar_->setObjectName(QStringLiteral("RowBar"));
    position_ = new QLabel(row);
    position_->setObjectName(QStringLiteral("RowPosition"));
    count_ = new QLabel(row);
    count_->setObjectName(QStringLiteral("RowCount"));
    connect(previous_, &QPushButton::clicked, this, [this] { ShowRow(CurrentRow() - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { ShowRow(CurrentRow() + 1); });
    connect(bar_, &QScrollBar::valueChanged, this, &BillDataView::OnBarMoved);
    layout->addWidget(import);
    layout->addWidget(previous_);
    layout->addWidget(bar_, 1);
    layout->addWidget(next_);
    layout->addWidget(position_);
    layout->addWidget(count_);
    return row;
}

void BillDataView::BuildMenu() {
    using namespace ExchangeText;
    table_->setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto add = [this](const QString& text, const char* name, auto handler) {
        auto* action = new QAction(text, table_);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        table_->addAction(action);
        return action;
    };
    add(kImportButton, "mImportData", [this] { Q_EMIT ImportRequested(); });
    add(kExportMenu, "mExportGrid", [this] { Export(); });
    QAction* remove = add(kDeleteRowsMenu, "mDeleteRows", [this] { DeleteSelectedRows(); });
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetShortcut);
    add(kClearRowsMenu, "mClearRows", [this] { ClearRows(true); });
}

void BillDataView::SetData(BillData rows) {
    model_->SetData(std::move(rows));
    FitColumns();
    UpdateNavigation();
    ShowRow(1);
}

int BillDataView::CurrentRow() const { return model_->rowCount() > 0 ? bar_->value() : 0; }

void BillDataView::ShowRow(int row) {
    const int rows = model_->rowCount();
    if (rows == 0) return;
    row = qBound(1, row, rows);
    if (bar_->value() != row) bar_->setValue(row); // shows it through OnBarMoved
    else OnBarMoved(row);
}

void BillDataView::OnBarMoved(int value) {
    position_->setText(model_->rowCount() > 0 ? QString::number(value) : QString());
    if (model_->rowCount() == 0) return;
    const QModelIndex index = model_->index(value - 1, 0);
    if (table_->selectionModel()->currentIndex().row() != value - 1) {
        const QSignalBlocker blocker(table_->selectionModel());
        table_->selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    table_->scrollTo(index);
    Q_EMIT RowChosen(value - 1);
}

void BillDataView::UpdateNavigation() {
    const int rows = model_->rowCount();
    {
        const QSignalBlocker blocker(bar_);
        bar_->setRange(1, qMax(1, rows));
    }
    previous_->setEnabled(rows >= 2);
    next_->setEnabled(rows >= 2);
    count_->setText(ExchangeText::RowCountText(rows));
    position_->setText(rows > 0 ? QString::number(bar_->value()) : QString());
}

void BillDataView::FitColumns() {
    // A hidden tab has no width of its own yet: it is fitted when it shows.
    fitWhenShown_ = !isVisible();
    if (fitWhenShown_) return;
    SettleLayouts(this);
    const BillData& rows = model_->Data();
    const int limit = table_->viewport()->width() * kTwipsPerPixel / 2;
    const int cellExtra = CellExtraPixels(table_);
    std::optional<ProgressTicker> ticker;
    if (rows.rows.size() > kFitProgressRows)
        ticker.emplace(progress_, ExchangeText::kFitting, rows.columns.size());
    for (int column = 0; column < rows.columns.size(); ++column) {
        QStringList texts{rows.columns[column].label + ExchangeText::kAscendingMark};
        for (const BillRow& row : rows.rows) texts << row.values.value(column);
        table_->setColumnWidth(column, FitColumnTwips(texts, table_->font(), limit) / kTwipsPerPixel + cellExtra);
        if (ticker) ticker->Advance();
    }
}

void BillDataView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (fitWhenShown_) FitColumns();
}

bool BillDataView::ClearRows(bool ask) {
    if (ask && !asker_.AskYesNo(ExchangeText::kClearAll)) return false;
    model_->Clear();
    UpdateNavigation();
    return true;
}

bool BillDataView::DeleteRows(int first, int last, bool ask) {
    if (model_->rowCount() == 0) return false;
    if (first > last) std::swap(first, last);
    if (ask && !asker_.AskYesNo(ExchangeText::DeleteRowsQuestion(first + 1, last + 1))) return false;
    const int current = CurrentRow();
    model_->RemoveRows(first, last);
    UpdateNavigation();
    ShowRow(current > last ? current - (last - first + 1) : qMin(current, first + 1));
    return true;
}

void BillDataView::DeleteSelectedRows() {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return;
    int first = rows.first().row(), last = first;
    for (const QModelIndex& index : rows) {
        first = qMin(first, index.row());
        last = qMax(last, index.row());
    }
    DeleteRows(first, last, true);
}

GridTable BillDataView::Grid() const {
    QList<int> widths{table_->verticalHeader()->width() * kTwipsPerPixel};
    for (int column = 0; column < model_->columnCount(); ++column)
        widths << table_->columnWidth(column) * kTwipsPerPixel;
    return BillDataGrid(model_->Data(), widths);
}

QString BillDataView::Export() {
    return ExportGrid(Grid(), asker_, progress_, ExchangeText::kBillDataTitle);
}
