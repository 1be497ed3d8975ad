// The main window's batches: every data row in one job, the selected history bills,
// and label sheets.
#include "app/MainWindow.h"

#include "app/BillDataModel.h"
#include "app/BillDataView.h"
#include "app/HistoryView.h"
#include "app/Session.h"
#include "document/FormatController.h"
#include "app/printui/BillPrinter.h"
#include "app/printui/LabelSheetDialog.h"
#include "app/printui/PrintProgressDialog.h"
#include "core/Asker.h"
#include "designer/DesignerView.h"
#include "print/BatchPrint.h"
#include "print/LabelSheet.h"
#include "print/PrintJob.h"
#include "print/PrintTexts.h"
#include "print/RowBill.h"
#include "records/HistoryModel.h"
#include "records/HistoryQueries.h"
#include "store/ParamStore.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QTableView>

namespace {

// The data rows as bills, each written over the bill in the boxes (so fixed texts
// typed there stay) as if typed.
struct DataRows {
    DataRows(Session& session, const FormatController& controller, const BillData& data)
        : format(session.CurrentFormat()), base(session.CurrentBill()), rows(data),
          loader(format, data.columns, {controller.Filling(), &session.Db()}) {}

    BatchSource Source() const {
        BatchSource source;
        source.count = int(rows.rows.size());
        source.load = [this](int index, Bill& bill, QString*) {
            bill = At(index);
            return true;
        };
        return source;
    }
    Bill At(int index) const { return loader.LoadRowAsTyped(rows.rows[index].values, base); }

    const Format format; // a copy: the job never sees the document change under it
    const Bill base;
    const BillData& rows;
    const RowLoader loader;
};

} // namespace

void MainWindow::ConnectBatchPrinting() {
    auto on = [this](const char* name, auto handler) {
        connect(findChild<QAction*>(QString::fromLatin1(name)), &QAction::triggered, this, handler);
    };
    on("mPrintAll", [this] { PrintAllRows(); });
    on("mPrintLabels", [this] { PrintLabelSheets(); });
    connect(history_, &HistoryView::PrintRequested, this, [this] { PrintHistoryRows(); });
}

// The bill-data grid's rows with the typing committed; nullptr (after saying why)
// when there is nothing to print.
const BillData* MainWindow::GridRowsToPrint() {
    if (!session_.HasFormat()) return nullptr;
    CommitTyping();
    const BillData& grid = billData_->Model().Data();
    if (grid.rows.isEmpty()) {
        asker_.Message(PrintText::kNoRows);
        return nullptr;
    }
    return &grid;
}

bool MainWindow::PrintAllRows() {
    const BillData* gridRows = GridRowsToPrint();
    if (!gridRows || !controller_->ReadyToKeepBills() || !controller_->SaveNewBoxesFirst()) return false;
    const BillData& grid = *gridRows;
    const int copies = printer_->ChoosePrinter();
    if (copies == 0) return false;
    // The boxes are left alone: the rows go to paper without passing through them,
    // so what was shown before the job is what shows after it.
    const DataRows rows(session_, *controller_, grid);
    printer_->WarnOfHardwareMargins(rows.format);
    BatchOptions options;
    options.caption = PrintText::kPrintingBills;
    options.copies = copies;
    options.page = controller_->PrintOptions();
    options.history = &session_.Db();
    PrintJob job(printer_->Printer(), asker_);
    PrintProgressDialog progress(this);
    const BatchResult result = PrintBatch(job, rows.format, rows.Source(), options, progress, asker_);
    if (result.kept > 0) history_->Refresh();
    return result.Complete(int(grid.rows.size()));
}

bool MainWindow::PrintHistoryRows() {
    if (!session_.HasFormat()) return false;
    const QModelIndexList selected = history_->Table()->selectionModel()->selectedRows();
    if (selected.isEmpty()) return false;
    int first = selected.first().row(), last = first;
    for (const QModelIndex& index : selected) {
        first = qMin(first, index.row());
        last = qMax(last, index.row());
    }
    QList<qint64> numbers;
    for (int row = first; row <= last; ++row) numbers << history_->Model().BillNumber(row);
    const int copies = printer_->ChoosePrinter();
    if (copies == 0) return false;

    const Format format = session_.CurrentFormat();
    printer_->WarnOfHardwareMargins(format);
    const ValueFilling filling = controller_->Filling();
    BatchSource source;
    source.count = int(numbers.size());
    source.load = [&](int index, Bill& bill, QString* problem) {
        const bool read = ::LoadStoredBill(session_.Db(), format, numbers[index], bill, filling);
        if (read && bill.Values().isEmpty()) *problem = PrintText::kNoSuchBill;
        return read && !bill.Values().isEmpty();
    };
    source.describe = [&](int index) { return PrintText::BillName(numbers[index]); };
    BatchOptions options;
    options.caption = PrintText::kPrintingHistory;
    options.copies = copies;
    options.page = controller_->PrintOptions();
    PrintJob job(printer_->Printer(), asker_);
    PrintProgressDialog progress(this);
    SilentJobProgress quiet;
    // One bill needs no progress.
    JobProgress& shown = numbers.size() > 1 ? static_cast<JobProgress&>(progress) : quiet;
    const BatchResult result = PrintBatch(job, format, source, options, shown, asker_);
    // The last bill printed stays in the boxes.
    if (result.printed > 0) LoadStoredBill(numbers[result.printed - 1]);
    return result.Complete(int(numbers.size()));
}

bool MainWindow::PrintLabelSheets() {
    const BillData* gridRows = GridRowsToPrint();
    if (!gridRows) return false;
    const BillData& grid = *gridRows;
    const DataRows rows(session_, *controller_, grid);
    const BillPageOptions page = controller_->PrintOptions();
    const bool guides = session_.Params().GetParam(PrintText::kLabelGridParam) == u"1";
    LabelSheetDialog dialog(rows.format, page, int(grid.rows.size()),
                            [&rows](int index) { return rows.At(index); }, guides, this);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (dialog.Guides() != guides)
        session_.Params().SetParam(PrintText::kLabelGridParam, dialog.Guides() ? QStringLiteral("1") : QStringLiteral("0"));
    if (!accepted) return false;
    const int copies = printer_->ChoosePrinter();
    if (copies == 0) return false;
    printer_->WarnOfHardwareMargins(rows.format, dialog.Spec());
    BatchOptions options;
    options.caption = PrintText::kPrintingLabels;
    options.copies = copies;
    options.page = page;
    PrintJob job(printer_->Printer(), asker_);
    PrintProgressDialog progress(this);
    const BatchResult result =
        ::PrintLabelSheets(job, rows.format, dialog.Spec(), rows.Source(), options, progress, asker_);
    return result.Complete(int(grid.rows.size()) * copies);
}
