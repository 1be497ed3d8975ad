#include "app/MappingDialog.h"

#include "app/printui/OkCancelButtons.h"
#include "core/Asker.h"
#include "exchange/ColumnLetters.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/ImportRun.h"
#include "exchange/SheetReader.h"
#include "store/Format.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPreviewRows = 19;
constexpr int kPreviewColumns = 59;
enum MappingColumn { kIndex, kId, kNumber, kLabel, kExpression, kMappingColumns };

QTableWidgetItem* ReadOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

MappingDialog::MappingDialog(const Context& context, QWidget* parent)
    : QDialog(parent), context_(context),
      boxes_(MappedBoxes(context.format, LoadMapping(context.db, context.format.name))) {
    setObjectName(QStringLiteral("InputMap"));
    setWindowTitle(ExchangeText::kMappingTitle);
    auto* lower = new QHBoxLayout;
    lower->addWidget(BuildMapping(), 1);
    lower->addWidget(BuildRowSettings());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildPreview(), 1);
    layout->addLayout(lower, 1);
    layout->addWidget(OkCancelButtons(this));
    resize(900, 640);
}

QTableWidget* MappingDialog::BuildPreview() {
    const SheetReader& sheet = context_.sheet;
    const int rows = qMin(kPreviewRows, sheet.RowCount());
    const int columns = qMin(kPreviewColumns, sheet.ColumnCount());
    auto* preview = new QTableWidget(kPreviewRows, kPreviewColumns, this);
    preview->setObjectName(QStringLiteral("Preview"));
    preview->setToolTip(ExchangeText::kPreviewTip);
    preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList letters;
    for (int column = 1; column <= kPreviewColumns; ++column) letters << ColumnLetters(column);
    preview->setHorizontalHeaderLabels(letters);
    for (int row = 1; row <= rows; ++row)
        for (int column = 1; column <= columns; ++column)
            preview->setItem(row - 1, column - 1, new QTableWidgetItem(sheet.Cell(row, column)));
    return preview;
}

QTableWidget* MappingDialog::BuildMapping() {
    mapping_ = new QTableWidget(int(boxes_.size()), kMappingColumns, this);
    mapping_->setObjectName(QStringLiteral("Mapping"));
    mapping_->setToolTip(ExchangeText::kMappingTip);
    QStringList headers;
    for (const QString& header : ExchangeText::kMappingHeaders) headers << header;
    mapping_->setHorizontalHeaderLabels(headers);
    mapping_->verticalHeader()->hide();
    for (int row = 0; row < boxes_.size(); ++row) {
        const MappedBox& box = boxes_[row];
        mapping_->setItem(row, kIndex, ReadOnlyItem(QString::number(box.box.boxNumber)));
        mapping_->setItem(row, kId, ReadOnlyItem(QString::number(box.box.boxId)));
        mapping_->setItem(row, kNumber, ReadOnlyItem(QString::number(row + 1)));
        mapping_->setItem(row, kLabel, ReadOnlyItem(box.box.label));
        mapping_->setItem(row, kExpression, new QTableWidgetItem(box.expression));
    }
    // The box number and ID are the import's keys, not something to read: the boxes
    // show by their labels.
    mapping_->setColumnHidden(kIndex, true);
    mapping_->setColumnHidden(kId, true);
    mapping_->resizeColumnsToContents();
    mapping_->horizontalHeader()->setStretchLastSection(true);
    return mapping_;
}

QWidget* MappingDialog::BuildRowSettings() {
    using namespace ExchangeText;
    const RowSettings settings = ReadRowSettings();
    const QString values[] = {settings.start, settings.end, settings.interval, settings.marker};
    const QString labels[] = {kStartLabel, kEndLabel, kIntervalLabel, kMarkerLabel};
    const QString tips[] = {kStartTip, kEndTip, QString(), QString()};
    auto* box = new QWidget(this);
    auto* form = new QFormLayout(box);
    for (int i = 0; i < 4; ++i) {
        fields_[i] = new QLineEdit(values[i], box);
        fields_[i]->setObjectName(QStringLiteral("T%1").arg(i));
        fields_[i]->setToolTip(tips[i]);
        form->addRow(labels[i], fields_[i]);
    }
    return box;
}

RowSettings MappingDialog::Settings() const {
    RowSettings settings;
    settings.start = fields_[0]->text();
    settings.end = fields_[1]->text();
    settings.interval = fields_[2]->text();
    settings.marker = fields_[3]->text();
    return settings;
}

void MappingDialog::accept() {
    ImportRequest request;
    request.formatName = context_.format.name;
    request.boxes = boxes_;
    for (int row = 0; row < request.boxes.size(); ++row)
        request.boxes[row].expression = mapping_->item(row, kExpression)->text();
    request.settings = Settings();
    QString message;
    std::optional<BillData> rows = RunImport(context_.db, context_.sheet, request,
                                             context_.lineBreakMarker, context_.progress, &message);
    if (!rows) {
        context_.asker.Message(message);
        return;
    }
    boxes_ = request.boxes;
    result_ = std::move(*rows);
    QDialog::accept();
}
