// Batches from the command line on a real queue: label sheets warned of the printer's
// hardware margins (the boxes of each label they cut off, as the window tells it), and
// continuous paper whose later strip the spooler refuses.
#include "CliFixture.h"

#include "../print/PrintFixture.h"
#include "common/MarginQueue.h"
#include "core/Progress.h"
#include "print/LabelSheet.h"
#include "print/PrintTexts.h"
#include "print/PrintableArea.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

#include <QPrinter>

namespace {

class QueueBatchCommandTest : public CliTest {
protected:
    void SetUp() override {
        if (const QString why = StartMarginQueue(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
    }
};

} // namespace

TEST_F(QueueBatchCommandTest, TheWarningNamesTheBoxesAndLabelsTheMarginsCut) {
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

TEST_F(QueueBatchCommandTest, AStripTheSpoolerRefusesLeavesTheCountOfTheStripsBefore) {
    // 100 mm forms on continuous paper: five make a strip, so seven bills go out as two
    // spooler jobs. The queue holds the first unprinted and so refuses the second.
    Format format = MakeFormat(110, 100);
    format.name = QStringLiteral("连续单");
    format.boxes << MakeBox(kFirstTemporaryId, BoxKind::Text, 20, 20, 60, 10, QStringLiteral("名称"));
    SilentProgress saving;
    {
        const std::unique_ptr<Database> db = OpenDataDatabase();
        ASSERT_TRUE(FormatStore(*db).SaveFormat(format, format.name, 15360, saving));
    }
    ASSERT_EQ(Run({"printer-profile", kMarginQueue, "--continuous"}).code, 0);
    const QString rows = WriteFile(QStringLiteral("rows.csv"), "名称\n一\n二\n三\n四\n五\n六\n七\n");
    HoldMarginQueueJobs(false);
    HoldMarginQueueJobs(true);
    const CommandOutcome printed = Run({"print", format.name, "--data", rows, "--printer", kMarginQueue});
    HoldMarginQueueJobs(false);
    EXPECT_EQ(printed.code, 1);
    EXPECT_TRUE(printed.out.contains(QStringLiteral("已打印 5 张单据，共 5 页"))) << printed.out.toStdString();
    const QString told = PrintText::PartlyPrinted(5) + PrintText::PartlyKept(5) + PrintText::kRestNotPrinted;
    EXPECT_TRUE(printed.err.contains(told)) << printed.err.toStdString();
    EXPECT_EQ(StoredBills(format.name), 5);
}
