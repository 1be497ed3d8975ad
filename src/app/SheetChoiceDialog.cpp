#include "app/SheetChoiceDialog.h"

#include "app/printui/OkCancelButtons.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/GridFitting.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
enum Column { kNumber, kMark, kName };
constexpr int kWidthsTwips[] = {500, 600, 4400};
} // namespace

SheetChoiceDialog::SheetChoiceDialog(const QStringList& sheets, QWidget* parent)
    : QDialog(parent), grid_(new QTableWidget(int(sheets.size()), 3, this)) {
    using namespace ExchangeText;
    setObjectName(QStringLiteral("SelSheet"));
    setWindowTitle(kChooseSheet);
    grid_->setObjectName(QStringLiteral("Sheets"));
    grid_->setHorizontalHeaderLabels({kSheetNo, kSheetChosen, kSheetName});
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int column = 0; column < 3; ++column)
        grid_->setColumnWidth(column, kWidthsTwips[column] / kTwipsPerPixel);
    for (int row = 0; row < sheets.size(); ++row) {
        grid_->setItem(row, kNumber, new QTableWidgetItem(QString::number(row + 1)));
        grid_->setItem(row, kMark, new QTableWidgetItem);
        grid_->setItem(row, kName, new QTableWidgetItem(sheets[row]));
    }
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row) { Mark(row); });
    if (!sheets.isEmpty()) Mark(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addWidget(OkCancelButtons(this));
    resize(400, 300);
}

void SheetChoiceDialog::Mark(int row) {
    for (int r = 0; r < grid_->rowCount(); ++r)
        grid_->item(r, kMark)->setText(r == row ? ExchangeText::kChosenMark : QString());
}

QString SheetChoiceDialog::Chosen() const {
    for (int r = 0; r < grid_->rowCount(); ++r)
        if (grid_->item(r, kMark)->text() == ExchangeText::kChosenMark) return grid_->item(r, kName)->text();
    return {};
}
