// `print --data --labels` on a printer with hardware margins: before the job the user
// is told which boxes of which labels the margins cut off, as the window tells it.
#include "CliFixture.h"

#include "../print/PrintFixture.h"
#include "common/MarginQueue.h"
#include "core/Progress.h"
#include "print/LabelSheet.h"
#include "print/PrintableArea.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

#include <QPrinter>

namespace {

class LabelMarginCommandTest : public CliTest {
protected:
    void SetUp() override {
        if (const QString why = StartMarginQueue(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
    }
};

} // namespace

TEST_F(LabelMarginCommandTest, TheWarningNamesTheBoxesAndLabelsTheMarginsCut) {
    // 100 × 50 mm labels, two columns of three: the payee starts 2 mm into a label, so
    // the left column's is cut. The sheet prints on the queue's A4 paper, so the box on
    // the bottom row's lower edge stays far above the paper's.
    Format format = MakeFormat(100, 50);
    format.name = QStringLiteral("边距标签");
    format.boxes << MakeBox(kFirstTemporaryId, BoxKind::Text, 2, 20, 30, 8, QStringLiteral("收款人"))
                 << MakeBox(kFirstTemporaryId + 1, BoxKind::Text, 40, 45, 20, 4, QStringLiteral("底边"))
                 << MakeBox(kFirstTemporaryId + 2, BoxKind::Text, 40, 20, 20, 8, QStringLiteral("中间"));
    SilentProgress saving;
    {
        const std::unique_ptr<Database> db = OpenDataDatabase();
        ASSERT_TRUE(FormatStore(*db).SaveFormat(format, format.name, 15360, saving));
    }
    const QString rows = WriteFile(QStringLiteral("rows.csv"), "收款人,底边,中间\n甲,1,a\n乙,2,b\n丙,3,c\n丁,4,d\n");
    const CommandOutcome printed = Run({"print", format.name, "--data", rows, "--labels", "2x3", "--sheet-size",
                                        "200x150", "--printer", kMarginQueue, "--no-history"});
    ASSERT_EQ(printed.code, 0) << printed.err.toStdString();
    EXPECT_TRUE(printed.out.contains(QStringLiteral("已打印 4 张单据"))) << printed.out.toStdString();

    LabelSheetSpec spec;
    spec.columns = 2, spec.rows = 3, spec.widthMm = 200, spec.heightMm = 150;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(kMarginQueue);
    const QStringList cut = LabelBoxesInHardwareMargins(printer, format, spec);
    EXPECT_EQ(cut, QStringList{QStringLiteral("收款人（第1、3、5个标签）")});
    EXPECT_TRUE(printed.err.contains(LabelSheetMarginWarning(printer, format, spec))) << printed.err.toStdString();
}
