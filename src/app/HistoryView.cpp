#include "app/HistoryView.h"

#include "app/ColumnOrderDialog.h"
#include "app/GridFitting.h"
#include "app/HistoryTexts.h"
#include "core/Asker.h"
#include "records/GridSearch.h"
#include "records/HistoryModel.h"
#include "records/RecordsTexts.h"
#include "store/Database.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

HistoryView::HistoryView(Database& db, ParamStore& params, Asker& asker, Progress& progress,
                         QWidget* parent)
    : QWidget(parent), db_(db), params_(params), asker_(asker), progress_(progress),
      model_(new HistoryModel(db, params, this)), table_(new QTableView(this)),
      findField_(new QLineEdit(this)), menu_(new QMenu(this)) {
    setObjectName(QStringLiteral("HistoryView"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    // Rows of one height let the view place any row without measuring the others.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setSectionsClickable(true);
    table_->horizontalHeader()->setSortIndicatorShown(false);
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, model_,
            &HistoryModel::SortByHeader);
    connect(table_, &QTableView::doubleClicked, this, [this] { LoadCurrentBill(); });
    connect(table_, &QTableView::customContextMenuRequested, this, &HistoryView::ShowMenu);

    findField_->setObjectName(QStringLiteral("HistoryFind"));
    findField_->setPlaceholderText(HistoryText::kFindTip);
    connect(findField_, &QLineEdit::returnPressed, this, [this] { FindInGrid(findField_->text()); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(findField_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(table_);
    // The commands on rows are in the table's popup menu as well.
    const auto add = [this, buttons](const char* name, const QString& text, bool inMenu,
                                     auto handler) {
        QPushButton* button = AddButton(QString::fromLatin1(name), text);
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button);
        if (inMenu) menu_->addAction(text, this, handler);
        return button;
    };
    add("CmdFind", HistoryText::kFind, false, [this] { FindInGrid(findField_->text()); });
    showAll_ = add("CmdShowAll", HistoryText::kShowAll, false, [this] { ShowHistory(0); });
    add("CmdColumnOrder", HistoryText::kColumnOrder, true, [this] { EditColumnOrder(); });
    add("CmdLoadBill", HistoryText::kLoadBill, true, [this] { LoadCurrentBill(); });
    add("CmdPrintBills", HistoryText::kPrintSelected, true, [this] { Q_EMIT PrintRequested(); });
    add("CmdDeleteBills", HistoryText::kDeleteSelected, true, [this] { DeleteSelectedBills(); });
    add("CmdDeleteAllBills", HistoryText::kDeleteAll, true, [this] { DeleteAllBills(); });
    showAll_->setEnabled(false);
}

QPushButton* HistoryView::AddButton(const QString& name, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    return button;
}

void HistoryView::SetFormat(const QString& name) { formatName_ = name; }

void HistoryView::ShowHistory(qint64 limit) {
    if (formatName_.isEmpty()) return;
    if (model_->Show(formatName_, limit, progress_)) AfterShowing();
}

void HistoryView::Refresh() {
    // The bills shown stay until a server that cannot be reached now answers again.
    if (!db_.Reachable()) return;
    model_->Forget();
    if (isVisible()) ShowHistory(HistoryModel::kFirstLimit);
}

void HistoryView::AfterShowing() {
    table_->setColumnHidden(HistoryModel::kBillColumn, true);
    SettleLayouts(this);
    FitColumns(table_, HistoryModel::kRunningColumn, &progress_);
    showAll_->setEnabled(model_->MoreLeft());
}

void HistoryView::FindInGrid(const QString& key) {
    if (key.trimmed().isEmpty() || model_->rowCount() == 0) return;
    const QModelIndex current = table_->currentIndex();
    const QModelIndexList selected = table_->selectionModel()->selectedRows();
    const bool wholeRow = current.isValid() && selected.size() == 1
                          && selected.first().row() == current.row();
    const int start = SearchStartRow(current.row(), wholeRow, model_->rowCount());
    const int row = FindRowContaining(*model_, HistoryModel::kFirstDataColumn, key, start);
    if (row < 0) {
        asker_.Message(RecordsText::kNothingFound);
        return;
    }
    const QModelIndex hit = model_->index(row, HistoryModel::kFirstDataColumn);
    table_->scrollTo(hit, QAbstractItemView::PositionAtTop);
    table_->setCurrentIndex(hit);
    table_->selectRow(row);
}

void HistoryView::DeleteSelectedBills() {
    const QModelIndexList selected = table_->selectionModel()->selectedRows();
    if (selected.isEmpty()) return;
    int first = selected.first().row(), last = first;
    for (const QModelIndex& index : selected) {
        first = std::min(first, index.row());
        last = std::max(last, index.row());
    }
    model_->DeleteRows(first, last, asker_);
}

void HistoryView::DeleteAllBills() {
    if (model_->rowCount() == 0) return;
    table_->selectAll();
    model_->DeleteRows(0, model_->rowCount() - 1, asker_);
}

void HistoryView::EditColumnOrder() {
    if (formatName_.isEmpty()) return;
    const QList<qint64> order = ReadColumnOrder(params_, formatName_);
    ColumnOrderDialog dialog(ColumnChoices(FormatColumns(db_, formatName_), order), this);
    if (dialog.exec() != QDialog::Accepted) return;
    StoreColumnOrder(params_, formatName_, ChosenOrder(dialog.Choices()));
    model_->Forget();
    ShowHistory(HistoryModel::kFirstLimit);
}

void HistoryView::LoadCurrentBill() {
    const qint64 bill = model_->BillNumber(table_->currentIndex().row());
    if (bill > 0) Q_EMIT BillChosen(bill);
}

void HistoryView::ShowMenu(const QPoint& position) {
    menu_->popup(table_->viewport()->mapToGlobal(position));
}
