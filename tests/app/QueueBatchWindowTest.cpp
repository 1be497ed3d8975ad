// The window's batches on a real queue: label sheets warned of the printer's hardware
// margins (the boxes of each label they cut off), and continuous paper whose later
// strip the spooler refuses.
#include "AppFixture.h"

#include "app/MainWindow.h"
#include "app/Session.h"
#include "app/BillDataView.h"
#include "app/printui/LabelSheetDialog.h"
#include "common/MarginQueue.h"
#include "print/LabelSheet.h"
#include "print/PrintTexts.h"
#include "print/PrintableArea.h"
#include "store/Database.h"
#include "store/PrinterProfileStore.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QPrinter>
#include <QSpinBox>
#include <QTimer>

namespace {

class QueueBatchWindowTest : public AppFixture {
protected:
    void SetUp() override {
        if (const QString why = StartMarginQueue(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
        session_ = OpenSession();
        ASSERT_TRUE(session_);
        window_ = StartWindowOnSample(*session_);
    }
    // `count` rows of payees.
    void SetRows(int count) {
        const BoxRecord& payee = session_->CurrentFormat().boxes[1];
        BillData data;
        data.columns << BillColumn{1, payee.id, payee.label};
        for (int row = 1; row <= count; ++row) data.rows << BillRow{row, {QStringLiteral("收款%1").arg(row)}};
        window_->BillDataTab().SetData(data);
    }

    std::unique_ptr<Session> session_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace

TEST_F(QueueBatchWindowTest, TheWarningNamesTheBoxesAndLabelsTheMarginsCut) {
    const Format& format = session_->CurrentFormat();
    SetRows(6);

    // Two columns of three 100 × 50 mm labels: the left column's boxes start 4.76 mm
    // from the sheet's edge, inside the driver's quarter inch.
    LabelSheetSpec spec;
    spec.columns = 2, spec.rows = 3, spec.widthMm = 200, spec.heightMm = 150;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<LabelSheetDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        dialog->findChild<QSpinBox*>("Columns")->setValue(spec.columns);
        dialog->findChild<QSpinBox*>("Rows")->setValue(spec.rows);
        dialog->findChild<QDoubleSpinBox*>("SheetWidth")->setValue(spec.widthMm);
        dialog->findChild<QDoubleSpinBox*>("SheetHeight")->setValue(spec.heightMm);
        ChoosePrinterWhenAsked(kMarginQueue, 1);
        dialog->accept();
    });
    EXPECT_TRUE(window_->PrintLabelSheets()) << asker_.messages.join(' ').toStdString();

    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(kMarginQueue);
    const QStringList cut = LabelBoxesInHardwareMargins(printer, format, spec);
    EXPECT_TRUE(cut.contains(QStringLiteral("收款人（第1、3、5个标签）"))) << cut.join(' ').toStdString();
    ASSERT_FALSE(asker_.messages.isEmpty());
    EXPECT_EQ(asker_.messages.first(), LabelSheetMarginWarning(printer, format, spec));
}

TEST_F(QueueBatchWindowTest, AStripTheSpoolerRefusesLeavesTheBillsOfTheStripsBefore) {
    // 99 mm forms on continuous paper: five make a strip, so seven rows go out as two
    // spooler jobs. The queue holds the first unprinted and so refuses the second.
    ASSERT_TRUE(SavePrinterProfile(session_->Db(), {ThisSeat(), kMarginQueue, QString()},
                                   PrinterProfile{.continuous = true}));
    SetRows(7);
    HoldMarginQueueJobs(false);
    HoldMarginQueueJobs(true);
    ChoosePrinterWhenAsked(kMarginQueue, 1);
    EXPECT_FALSE(window_->PrintAllRows());
    HoldMarginQueueJobs(false);
    ASSERT_FALSE(asker_.messages.isEmpty());
    const QString told = PrintText::PartlyPrinted(5) + PrintText::PartlyKept(5) + PrintText::kRestNotPrinted;
    EXPECT_TRUE(asker_.messages.last().endsWith(told)) << asker_.messages.join(' ').toStdString();
    EXPECT_EQ(session_->Db().Query("SELECT count(DISTINCT ID) FROM 历史").rows[0][0].toLongLong(), 5);
}
