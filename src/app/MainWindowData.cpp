// The main window's bill-data tab: the three-step import (file, worksheet, mapping)
// and stepping the chosen row into the boxes.
#include "app/MainWindow.h"

#include "aids/AidContext.h"
#include "app/BillDataModel.h"
#include "app/BillDataView.h"
#include "app/MappingDialog.h"
#include "app/ProgressWindow.h"
#include "app/Session.h"
#include "app/SheetChoiceDialog.h"
#include "core/Asker.h"
#include "document/FormatController.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/SheetReader.h"
#include "print/RowBill.h"

#include <QTabWidget>
#include <QTableView>

namespace {

// The reader of the chosen file with its worksheet selected; nullptr after telling why.
std::unique_ptr<SheetReader> OpenImportFile(const QString& path, Asker& asker, Progress& progress,
                                            QWidget* parent) {
    using namespace ExchangeText;
    const SheetFileType type = DetectSheetFileType(path);
    if (type == SheetFileType::Unsupported) {
        asker.Message(kUnsupportedType);
        return nullptr;
    }
    QString error;
    std::unique_ptr<SheetReader> reader;
    {
        ProgressScope scope(progress, kReadingFile, 1);
        reader = OpenSheetFile(path, &error);
    }
    if (!reader) {
        // Files beyond the limits say so; anything else is a workbook that does not open.
        const bool plain = type == SheetFileType::Csv || error == kWrongFileType || error == kCannotOpenExcel;
        asker.Message(type != SheetFileType::Csv && plain ? kCannotOpenXls : error);
        return nullptr;
    }
    QString sheet = reader->SheetNames().value(0);
    if (type != SheetFileType::Csv) {
        SheetChoiceDialog dialog(reader->SheetNames(), parent);
        if (dialog.exec() != QDialog::Accepted || dialog.Chosen().isEmpty()) return nullptr;
        sheet = dialog.Chosen();
    }
    bool selected = false;
    {
        ProgressScope scope(progress, kReadingData, 1);
        selected = reader->SelectSheet(sheet, &error);
    }
    if (!selected) {
        asker.Message(error);
        return nullptr;
    }
    for (const QString& warning : reader->Warnings()) asker.Message(warning);
    return reader;
}

} // namespace

QWidget* MainWindow::BuildBillDataTab() {
    billData_ = new BillDataView(asker_, *progress_, this);
    billData_->Table()->setObjectName(QStringLiteral("MSF"));
    billData_->Table()->setProperty("index", 1);
    connect(billData_, &BillDataView::ImportRequested, this, [this] { ImportData(); });
    connect(billData_, &BillDataView::RowChosen, this, &MainWindow::DisplayCurrentRow);
    return billData_;
}

bool MainWindow::ImportData() {
    if (!session_.HasFormat()) return false;
    CommitTyping();
    const QString path = asker_.ChooseOpenFile(ExchangeText::kImportButton, ExchangeText::kOpenFilter);
    if (path.isEmpty()) return false;
    const std::unique_ptr<SheetReader> reader = OpenImportFile(path, asker_, *progress_, this);
    if (!reader) return false;
    MappingDialog dialog({*reader, session_.CurrentFormat(), session_.Db(), asker_, *progress_,
                          session_.LineBreakMarker()},
                         this);
    if (dialog.exec() != QDialog::Accepted) return false;
    billData_->SetData(dialog.Result());
    if (auto* tabs = findChild<QTabWidget*>(QStringLiteral("MSFTabs"))) tabs->setCurrentWidget(billData_);
    return true;
}

void MainWindow::DisplayCurrentRow(int row) {
    const BillData& rows = billData_->Model().Data();
    if (row < 0 || row >= rows.rows.size()) return;
    // Entered over the boxes as a batch enters each row, so the bill shown for a row
    // is the bill the batch prints for it.
    CommitTyping();
    EnterValues(session_.Document(), RowEntries(rows.columns, rows.rows[row].values), EntryRoute::DataRow,
                controller_->Aids());
}
