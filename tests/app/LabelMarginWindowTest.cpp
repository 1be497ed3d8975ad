// The window's label sheets on a printer with hardware margins: before the job the
// user is told which boxes of which labels the margins cut off.
#include "AppFixture.h"

#include "app/MainWindow.h"
#include "app/Session.h"
#include "app/BillDataView.h"
#include "app/printui/LabelSheetDialog.h"
#include "common/MarginQueue.h"
#include "print/LabelSheet.h"
#include "print/PrintableArea.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QPrinter>
#include <QSpinBox>
#include <QTimer>

namespace {

class LabelMarginWindowTest : public AppFixture {
protected:
    void SetUp() override {
        if (const QString why = StartMarginQueue(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
        session_ = OpenSession();
        ASSERT_TRUE(session_);
        window_ = StartWindowOnSample(*session_);
    }

    std::unique_ptr<Session> session_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace

TEST_F(LabelMarginWindowTest, TheWarningNamesTheBoxesAndLabelsTheMarginsCut) {
    const Format& format = session_->CurrentFormat();
    BillData data;
    data.columns << BillColumn{1, format.boxes[1].id, format.boxes[1].label};
    for (int row = 1; row <= 6; ++row) data.rows << BillRow{row, {QStringLiteral("收款%1").arg(row)}};
    window_->BillDataTab().SetData(data);

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
