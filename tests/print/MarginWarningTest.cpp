// Which boxes the printer's hardware margins cut off, told before printing: on label
// sheets, label by label, and on continuous forms, where only a job's first and last
// forms meet a margin. Checked against what the Epson 24-pin driver really prints.
#include "PrinterStreamFixture.h"
#include "print/LabelSheet.h"
#include "print/PdfWriterOutput.h"
#include "print/PrintableArea.h"
#include "print/PrinterCorrection.h"
#include "store/PaperPosition.h"

#include <QPdfWriter>
#include <QPrinter>

namespace {

QStringList Named(const Format& format) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(kEpson);
    return BoxesInHardwareMargins(printer, format);
}

// A format that sets the paper to its own size.
Format OnItsOwnPaper(double width, double height, const QList<BoxRecord>& boxes) {
    Format format = MakeFormat(width, height);
    format.page.options.setPaper = true;
    format.boxes = boxes;
    return format;
}

TEST_F(PrinterStreamTest, BoxesInTheHardwareMarginsAreNamed) {
    Format format = OnItsOwnPaper(210, 297, {MakeBox(1, BoxKind::Text, 30, 30, 40, 8, QStringLiteral("收款人")),
                                             MakeBox(2, BoxKind::Text, 3, 100, 40, 8, QStringLiteral("左边")),
                                             MakeBox(3, BoxKind::Label, 150, 290, 30, 5, QStringLiteral("底边")),
                                             MakeBox(4, BoxKind::Line, 10, 150, 208, 150, QStringLiteral("横线")),
                                             MakeBox(5, BoxKind::Line, 100, 296, 100, 240, QString()),
                                             MakeBox(6, BoxKind::Line, 20, 200, 180, 200, QStringLiteral("中线"))});
    // The Epson driver keeps a quarter inch on every side; labels print last.
    EXPECT_EQ(Named(format), (QStringList{"左边", "横线", "未命名的线条", "底边"}));
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(kEpson);
    EXPECT_TRUE(HardwareMarginWarning(printer, format).contains(QStringLiteral("打印机“EPSON24”")));
    // Moved 4 mm right by the offsets, the left box clears the margin.
    format.page.offsetX = 6;
    EXPECT_EQ(Named(format), (QStringList{"横线", "未命名的线条", "底边"}));
    // The queue's profile moves it back 1.5 mm left, into the margin again.
    SetProfile(kEpson, PrinterProfile{.offsetX = 1.5});
    {
        const PrinterProfileSource profiles(*db_);
        EXPECT_EQ(Named(format), (QStringList{"左边", "横线", "未命名的线条", "底边"}));
    }
    // A PDF file has no margins.
    PdfWriterOutput pdf(folder_.File(QStringLiteral("no-margins.pdf")));
    EXPECT_TRUE(BoxesInHardwareMargins(pdf.Writer(), format).isEmpty());
}

TEST_F(PrinterStreamTest, LabelSheetsNameTheBoxesCutInEachLabel) {
    // Two columns and three rows of 100 × 50 mm labels on a 200 × 150 mm sheet; the
    // Epson driver keeps a quarter inch (6.35 mm) on every side.
    const Format format = OnItsOwnPaper(100, 50, {MakeBox(1, BoxKind::Text, 2, 20, 30, 8, QStringLiteral("收款人")),
                                                  MakeBox(2, BoxKind::Text, 60, 20, 30, 8, QStringLiteral("金额")),
                                                  MakeBox(3, BoxKind::Text, 40, 45, 20, 4, QStringLiteral("底边")),
                                                  MakeBox(4, BoxKind::Line, 10, 2, 90, 2, QString())});
    LabelSheetSpec spec;
    spec.columns = 2;
    spec.rows = 3;
    spec.widthMm = 200;
    spec.heightMm = 150;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(kEpson);
    const PrinterProfileSource profiles(*db_);
    EXPECT_EQ(LabelBoxesInHardwareMargins(printer, format, spec),
              (QStringList{"收款人（第1、3、5个标签）", "底边（第5、6个标签）", "未命名的线条（第1、2个标签）"}));
    EXPECT_TRUE(LabelSheetMarginWarning(printer, format, spec).contains(QStringLiteral("收款人（第1、3、5个标签）")));
    // The queue's profile moves every label 7 mm right: the left column clears the
    // margin, the right one runs into it.
    SetProfile(kEpson, PrinterProfile{.offsetX = -7});
    EXPECT_EQ(LabelBoxesInHardwareMargins(printer, format, spec),
              (QStringList{"金额（第2、4、6个标签）", "底边（第5、6个标签）", "未命名的线条（第1、2、4、6个标签）"}));
}

TEST_F(PrinterStreamTest, ContinuousFormsMeetTheMarginsAtTheJobsEdgesOnly) {
    // A 100 mm form: the lower cross 95 mm down prints on the first of two forms, where
    // the next form follows on the strip, and not on the last, which the strip ends in.
    Format format = CrossFormat(110, 100, {{20, 30}, {60, 95}});
    format.page.options.setPaper = false; // a strip sets its own paper regardless
    const PrinterProfile profile{.continuous = true};
    SetProfile(kEpson, profile);
    const PrintedPaper paper = DecodeEscP24(Print(kEpson, format, 2), kEpsonMargins, 110);
    ASSERT_TRUE(paper.problem.isEmpty()) << paper.problem.toStdString();
    ExpectMarks(MarkCentresMm(paper), {OnPaper({20, 30}, format, profile), OnPaper({60, 95}, format, profile),
                                       OnPaper({20, 30}, format, profile, 100)},
                kEpsonDotMm);

    const PrinterProfileSource profiles(*db_);
    const QStringList cut = Named(format);
    EXPECT_EQ(cut.size(), 2) << "both arms of the lower cross";
    EXPECT_EQ(cut.count(QStringLiteral("框")), 2);
    // A box at the top of the form is cut on a job's first form unless the paper stands
    // far enough before the form's top edge.
    format.boxes << MakeBox(9, BoxKind::Text, 30, 3, 40, 2, QStringLiteral("上边"));
    EXPECT_TRUE(Named(format).contains(QStringLiteral("上边")));
    ASSERT_TRUE(SaveFormStart(kEpson, 4));
    EXPECT_FALSE(Named(format).contains(QStringLiteral("上边")));
}

} // namespace
