#include "app/ColumnOrderDialog.h"

#include "app/HistoryTexts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QString kShownMark = QStringLiteral("√");
enum Column { kId, kLabel, kNumber, kShown, kName, kColumnCount };
} // namespace

ColumnOrderDialog::ColumnOrderDialog(const QList<ColumnChoice>& choices, QWidget* parent)
    : QDialog(parent), grid_(new QTableWidget(int(choices.size()), kColumnCount, this)) {
    setObjectName(QStringLiteral("ColumnOrder"));
    setWindowTitle(HistoryText::kColumnOrderTitle);
    grid_->setHorizontalHeaderLabels({QStringLiteral("ID"), QStringLiteral("LBL"),
                                      QStringLiteral("序号"), QStringLiteral("显示"),
                                      QStringLiteral("名称")});
    grid_->setColumnHidden(kId, true);
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int row = 0; row < choices.size(); ++row) FillRow(row, choices[row]);
    // The box's label shows under 名称; its own column only carries it for Choices().
    grid_->setColumnHidden(kLabel, true);
    grid_->resizeColumnsToContents();
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setMinimumWidth(grid_->horizontalHeader()->length() + 2 * grid_->frameWidth() +
                           grid_->verticalScrollBar()->sizeHint().width());
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (column == kShown) ToggleShown(row);
    });

    auto* up = new QPushButton(HistoryText::kMoveUp, this);
    auto* down = new QPushButton(HistoryText::kMoveDown, this);
    connect(up, &QPushButton::clicked, this, [this] { MoveCurrent(-1); });
    connect(down, &QPushButton::clicked, this, [this] { MoveCurrent(1); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(HistoryText::kOkButton);
    buttons->button(QDialogButtonBox::Cancel)->setText(HistoryText::kCancelButton);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    side->addWidget(up);
    side->addWidget(down);
    side->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(grid_, 1);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    resize(460, 420);
}

void ColumnOrderDialog::FillRow(int row, const ColumnChoice& choice) {
    const QStringList cells = {QString::number(choice.column.boxId), choice.column.label,
                               QString::number(row + 1), choice.shown ? kShownMark : QString(),
                               choice.column.label};
    for (int column = 0; column < kColumnCount; ++column)
        grid_->setItem(row, column, new QTableWidgetItem(cells[column]));
}

QList<ColumnChoice> ColumnOrderDialog::Choices() const {
    QList<ColumnChoice> choices;
    for (int row = 0; row < grid_->rowCount(); ++row)
        choices.append({{grid_->item(row, kId)->text().toLongLong(), grid_->item(row, kLabel)->text()},
                        grid_->item(row, kShown)->text() == kShownMark});
    return choices;
}

void ColumnOrderDialog::ToggleShown(int row) {
    if (row < 0 || row >= grid_->rowCount()) return;
    QTableWidgetItem* item = grid_->item(row, kShown);
    item->setText(item->text() == kShownMark ? QString() : kShownMark);
}

void ColumnOrderDialog::MoveCurrent(int delta) {
    const int row = grid_->currentRow();
    const int target = row + delta;
    if (row < 0 || target < 0 || target >= grid_->rowCount()) return;
    QList<ColumnChoice> choices = Choices();
    choices.swapItemsAt(row, target);
    FillRow(row, choices[row]);
    FillRow(target, choices[target]);
    grid_->setCurrentCell(target, grid_->currentColumn());
}
