// What real printer drivers receive: bills printed through CUPS's own Epson 24-pin and
// generic PCL drivers on a spooler of the test's own, the printer's byte stream decoded
// back into dots, and each printed cross found within one printer dot of where the
// format, its offsets and the seat's printer profile put it.
#include "PrintFixture.h"
#include "PrinterStreams.h"
#include "common/PrivateCups.h"
#include "common/ScriptedAsker.h"
#include "common/TempDataFolder.h"
#include "print/CalibrationPage.h"
#include "print/CalibrationSheet.h"
#include "print/JobProgress.h"
#include "print/LabelSheet.h"
#include "print/PrintJob.h"
#include "print/PrintableArea.h"
#include "print/PdfWriterOutput.h"
#include "print/PrinterCorrection.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QPdfWriter>
#include <QPrinter>
#include <gtest/gtest.h>
#include <functional>

namespace {

const QString kEpson = QStringLiteral("EPSON24"), kLaser = QStringLiteral("LASER");
constexpr double kCrossArmMm = 2;
// Both drivers keep a hardware margin: the head starts a quarter inch in.
constexpr PrinterMargins kEpsonMargins{18, 18};
constexpr PrinterMargins kLaserMargins{18, 0}; // PCL places its rows from the top itself
constexpr double kEpsonDotMm = 25.4 / 180, kLaserDotMm = 25.4 / 300;

// A format whose only boxes are crosses (two lines each) centred on `centres`.
Format CrossFormat(double width, double height, const QList<QPointF>& centres) {
    Format format = MakeFormat(width, height);
    qint64 id = 1;
    for (const QPointF& c : centres) {
        for (const QLineF& arm : {QLineF(c.x() - kCrossArmMm, c.y(), c.x() + kCrossArmMm, c.y()),
                                  QLineF(c.x(), c.y() - kCrossArmMm, c.x(), c.y() + kCrossArmMm)}) {
            BoxRecord line = MakeBox(id++, BoxKind::Line, arm.x1(), arm.y1(), arm.x2(), arm.y2());
            line.fontSize = 3; // about 0.8 mm thick
            format.boxes << line;
        }
    }
    format.page.options.setPaper = true;
    return format;
}

// Where a cross the format places at `c` belongs on the paper: moved by the format's
// shift and drawn through the profile.
QPointF OnPaper(const QPointF& c, const Format& format, const PrinterProfile& profile, double formTopMm = 0) {
    return {profile.scaleX * (c.x() - ShiftXmm(format)) - profile.offsetX,
            profile.scaleY * (c.y() - ShiftYmm(format) + formTopMm) - profile.offsetY};
}

// One spooler for the whole program, with its two queues: the print system keeps the
// first server it was pointed at.
PrivateCups& Spooler() {
    static PrivateCups cups;
    return cups;
}

const QString& SpoolerProblem() {
    static const QString problem = [] {
        PrivateCups& cups = Spooler();
        QString why = cups.Problem();
        if (why.isEmpty())
            why = cups.AddQueue(kEpson, QStringLiteral("drv:///sample.drv/epson24.ppd"),
                                {QStringLiteral("Resolution=180dpi"), QStringLiteral("PageSize=A4")});
        if (why.isEmpty())
            why = cups.AddQueue(kLaser, QStringLiteral("drv:///sample.drv/generpcl.ppd"),
                                {QStringLiteral("Resolution=300dpi"), QStringLiteral("PageSize=A4")});
        return why;
    }();
    return problem;
}

class PrinterStreamTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!SpoolerProblem().isEmpty()) GTEST_SKIP() << SpoolerProblem().toStdString();
        db_ = OpenDataDatabase();
        ASSERT_TRUE(db_);
    }

    void SetProfile(const QString& queue, const PrinterProfile& profile) {
        ASSERT_TRUE(SavePrinterProfile(*db_, {ThisSeat(), queue, QString()}, profile));
    }

    // The queue's printer stream for what `print` sends through a printer on that queue.
    QByteArray Spooled(const QString& queue, const std::function<bool(QPrinter&, ScriptedAsker&)>& print) {
        Spooler().ClearOutput(queue);
        {
            const PrinterProfileSource profiles(*db_);
            QPrinter printer(QPrinter::HighResolution);
            printer.setPrinterName(queue);
            ScriptedAsker asker;
            if (!print(printer, asker)) {
                ADD_FAILURE() << asker.messages.join(" ").toStdString();
                return {};
            }
        }
        return Spooler().WaitForOutput(queue);
    }

    // The queue's printer stream for `bills` bills of the format in one job.
    QByteArray Print(const QString& queue, const Format& format, int bills = 1, QStringList* messages = nullptr) {
        return Spooled(queue, [&](QPrinter& printer, ScriptedAsker& asker) {
            PrintJob job(printer, asker);
            job.ExpectPages(bills);
            BillPrintRequest request;
            request.endJob = false;
            for (int bill = 0; bill < bills; ++bill)
                if (!job.PrintBill(format, Bill(), request)) return false;
            const bool ended = job.End();
            if (messages) *messages = asker.messages;
            return ended;
        });
    }

    // The calibration sheet of `bills` forms in one job, as the queue's printer got it.
    QByteArray PrintSheet(const QString& queue, const Format& format, int bills) {
        return Spooled(queue, [&](QPrinter& printer, ScriptedAsker& asker) {
            PrintJob job(printer, asker);
            return PrintCalibrationSheet(job, format, bills);
        });
    }

    static void ExpectMarks(const QList<QPointF>& found, const QList<QPointF>& expected, double toleranceMm) {
        ASSERT_EQ(found.size(), expected.size());
        for (const QPointF& want : expected) {
            double nearest = 1e9;
            QPointF at;
            for (const QPointF& mark : found)
                if (QLineF(mark, want).length() < nearest) nearest = QLineF(mark, want).length(), at = mark;
            EXPECT_NEAR(at.x(), want.x(), toleranceMm) << "cross at " << want.x() << ", " << want.y();
            EXPECT_NEAR(at.y(), want.y(), toleranceMm) << "cross at " << want.x() << ", " << want.y();
        }
    }

    TempDataFolder folder_;
    std::unique_ptr<Database> db_;
};


const QList<QPointF> kA4Crosses{{20, 20}, {190, 25}, {105, 150}, {25, 275}, {185, 270}};

TEST_F(PrinterStreamTest, EpsonA4CrossesLandWhereOffsetsAndProfilePutThem) {
    Format format = CrossFormat(210, 297, kA4Crosses);
    format.page.offsetX = 12; // 2 mm left
    format.page.offsetY = 9;  // 1 mm down
    const PrinterProfile profile{.offsetX = 1.5, .offsetY = -0.8, .scaleX = 1.004, .scaleY = 0.996};
    SetProfile(kEpson, profile);
    const PrintedPaper paper = DecodeEscP24(Print(kEpson, format), kEpsonMargins, 210);
    ASSERT_TRUE(paper.problem.isEmpty()) << paper.problem.toStdString();
    EXPECT_EQ(paper.pages, 1);
    QList<QPointF> expected;
    for (const QPointF& c : kA4Crosses) expected << OnPaper(c, format, profile);
    ExpectMarks(MarkCentresMm(paper), expected, kEpsonDotMm);
}

TEST_F(PrinterStreamTest, EpsonCustomFormOfTheFormatsSize) {
    const QList<QPointF> crosses{{15, 12}, {226, 15}, {120, 70}, {20, 125}, {225, 126}};
    Format format = CrossFormat(241, 140, crosses);
    const PrinterProfile profile{.offsetX = -0.7, .offsetY = 0.4};
    SetProfile(kEpson, profile);
    const PrintedPaper paper = DecodeEscP24(Print(kEpson, format), kEpsonMargins, 241);
    ASSERT_TRUE(paper.problem.isEmpty()) << paper.problem.toStdString();
    QList<QPointF> expected;
    for (const QPointF& c : crosses) expected << OnPaper(c, format, profile);
    ExpectMarks(MarkCentresMm(paper), expected, kEpsonDotMm);
}

TEST_F(PrinterStreamTest, TenContinuousFormsWithAFeedCorrectionDoNotDrift) {
    // Designed on 140 mm; the tractor forms are 5.5 in (139.7 mm) apart.
    const QList<QPointF> crosses{{20, 15}, {220, 120}};
    const Format format = CrossFormat(241.3, 140, crosses);
    const PrinterProfile profile{.offsetX = 0.5, .feedMm = -0.3, .continuous = true};
    SetProfile(kEpson, profile);
    const PrintedPaper paper = DecodeEscP24(Print(kEpson, format, 10), kEpsonMargins, 241.3);
    ASSERT_TRUE(paper.problem.isEmpty()) << paper.problem.toStdString();
    EXPECT_EQ(paper.pages, 1) << "no form feed between the forms";
    QList<QPointF> expected;
    for (int form = 0; form < 10; ++form)
        for (const QPointF& c : crosses) expected << OnPaper(c, format, profile, form * 139.7);
    ExpectMarks(MarkCentresMm(paper), expected, kEpsonDotMm);
}

TEST_F(PrinterStreamTest, PclLaserA4CrossesWithinOneDot) {
    Format format = CrossFormat(210, 297, kA4Crosses);
    format.page.offsetX = 8.5;
    const PrinterProfile profile{.offsetX = 0.6, .offsetY = 1.1, .scaleX = 0.997, .scaleY = 1.003};
    SetProfile(kLaser, profile);
    const PrintedPaper paper = DecodePcl(Print(kLaser, format), kLaserMargins, 210, 297);
    ASSERT_TRUE(paper.problem.isEmpty()) << paper.problem.toStdString();
    QList<QPointF> expected;
    for (const QPointF& c : kA4Crosses) expected << OnPaper(c, format, profile);
    ExpectMarks(MarkCentresMm(paper), expected, kLaserDotMm);
}

TEST_F(PrinterStreamTest, LabelSheetsAndTheCalibrationPageGoThroughTheProfile) {
    const PrinterProfile profile{.offsetX = 1.2, .offsetY = -0.9, .scaleX = 1.003, .scaleY = 0.998};
    SetProfile(kEpson, profile);
    // Two labels of a 100 × 50 mm format side by side on a 200 × 50 mm sheet.
    const Format format = CrossFormat(100, 50, {{20, 20}});
    LabelSheetSpec spec;
    spec.columns = 2;
    spec.widthMm = 200;
    spec.heightMm = 50;
    BatchSource source;
    source.count = 2;
    source.load = [](int, Bill&, QString*) { return true; };
    const PrintedPaper labels = DecodeEscP24(Spooled(kEpson, [&](QPrinter& printer, ScriptedAsker& asker) {
        PrintJob job(printer, asker);
        SilentJobProgress progress;
        return PrintLabelSheets(job, format, spec, source, BatchOptions{}, progress, asker).Complete(2);
    }), kEpsonMargins, 200);
    ASSERT_TRUE(labels.problem.isEmpty()) << labels.problem.toStdString();
    ExpectMarks(MarkCentresMm(labels), {OnPaper({20, 20}, format, profile), OnPaper({120, 20}, format, profile)},
                kEpsonDotMm);

    // The 10 mm square of the calibration page, from 10 mm to 20 mm on A4.
    const PrintedPaper page = DecodeEscP24(Spooled(kEpson, [](QPrinter& printer, ScriptedAsker& asker) {
        asker.Yes();
        return PrintCalibrationPage(printer, asker);
    }), kEpsonMargins, 210);
    ASSERT_TRUE(page.problem.isEmpty()) << page.problem.toStdString();
    ExpectMarks(MarkCentresMm(page), {OnPaper({15, 15}, MakeFormat(210, 297), profile)}, kEpsonDotMm);
}

TEST_F(PrinterStreamTest, QueueWithoutCustomSizesIsToldOnceAndPrintsOnItsPaper) {
    // The PCL sample driver offers named sizes only.
    const QList<QPointF> crosses{{20, 20}, {200, 120}};
    const Format format = CrossFormat(241, 140, crosses);
    // Continuous paper too: a strip needs paper of its length, so each form is a page.
    SetProfile(kLaser, PrinterProfile{.feedMm = -0.3, .continuous = true});
    QStringList messages;
    const PrintedPaper paper = DecodePcl(Print(kLaser, format, 3, &messages), kLaserMargins, 210, 297);
    EXPECT_EQ(messages, QStringList{QStringLiteral("对打印机“LASER”您没有权限添加自定义纸张!")});
    ASSERT_TRUE(paper.problem.isEmpty()) << paper.problem.toStdString();
    EXPECT_EQ(paper.pages, 3);
    // Printed from the corner of the queue's A4 paper, as the bill would be.
    const QList<QPointF> marks = MarkCentresMm(paper);
    ASSERT_EQ(marks.size(), 6);
    ExpectMarks(marks.mid(0, 2), crosses, kLaserDotMm);
}


// A printer that starts 1.2 mm right of and 0.7 mm above where its driver thinks,
// with a head that runs 0.4 % wide (and, on cut sheets, a feed 0.3 % short). Its
// calibration sheet is measured; the profile computed from it must put the next
// print within one dot on every form.
class CalibrationThroughDriverTest : public PrinterStreamTest {
protected:
    void CalibrateThenCheck(bool continuous) {
        constexpr double kPointsPerMm = 72 / 25.4;
        PrinterMargins printer = kEpsonMargins;
        printer.leftPt += 1.2 * kPointsPerMm;
        printer.topPt -= 0.7 * kPointsPerMm;
        printer.stretchX = 1.004;
        printer.stretchY = continuous ? 1 : 0.997;
        // Continuous forms are 5.5 in apart, the format was drawn 140 mm long.
        const double formPitch = continuous ? 139.7 : 0;
        const int bills = continuous ? 10 : 2;
        const QList<QPointF> crosses{{30, 25}, {211, 118}};
        Format format = CrossFormat(241.3, 140, crosses);
        format.page.offsetX = 11;
        const PrinterProfile used{.continuous = continuous};
        SetProfile(kEpson, used);

        const PrintedPaper sheet = DecodeEscP24(PrintSheet(kEpson, format, bills), printer, 241.3);
        ASSERT_TRUE(sheet.problem.isEmpty()) << sheet.problem.toStdString();
        const QList<QPointF> found = MarkCentresMm(sheet, 300); // the crosses, not their numbers
        ASSERT_EQ(found.size(), 2);
        // Measured from each form's own top edge.
        const double lastFormTop = continuous ? (bills - 1) * formPitch : sheet.MmY(sheet.pageTops.value(bills - 1));
        const MeasuredCrosses measured{found[0], found[1] - QPointF(0, lastFormTop)};
        const PrinterProfile computed = CalibratedProfile(used, format, bills, measured);
        SetProfile(kEpson, computed);

        const PrintedPaper next = DecodeEscP24(Print(kEpson, format, bills), printer, 241.3);
        ASSERT_TRUE(next.problem.isEmpty()) << next.problem.toStdString();
        QList<QPointF> expected;
        for (int form = 0; form < bills; ++form) {
            const double top = continuous ? form * formPitch : next.MmY(next.pageTops.value(form));
            for (const QPointF& c : crosses)
                expected << c - QPointF(ShiftXmm(format), ShiftYmm(format)) + QPointF(0, top);
        }
        ExpectMarks(MarkCentresMm(next), expected, kEpsonDotMm);
    }
};

TEST_F(CalibrationThroughDriverTest, ContinuousFormsGetOffsetsScaleAndFeed) { CalibrateThenCheck(true); }

TEST_F(CalibrationThroughDriverTest, CutSheetsGetOffsetsAndScales) { CalibrateThenCheck(false); }

TEST_F(PrinterStreamTest, BoxesInTheHardwareMarginsAreNamed) {
    Format format = MakeFormat(210, 297);
    format.page.options.setPaper = true;
    format.boxes << MakeBox(1, BoxKind::Text, 30, 30, 40, 8, QStringLiteral("收款人"))
                 << MakeBox(2, BoxKind::Text, 3, 100, 40, 8, QStringLiteral("左边"))
                 << MakeBox(3, BoxKind::Label, 150, 290, 30, 5, QStringLiteral("底边"))
                 << MakeBox(4, BoxKind::Line, 10, 150, 208, 150, QStringLiteral("横线"))
                 << MakeBox(5, BoxKind::Line, 100, 296, 100, 240, QString());
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(kEpson);
    // The Epson driver keeps a quarter inch on every side; labels print last.
    EXPECT_EQ(BoxesInHardwareMargins(printer, format), (QStringList{"左边", "横线", "未命名的线条", "底边"}));
    EXPECT_TRUE(HardwareMarginWarning(printer, format).contains(QStringLiteral("打印机“EPSON24”")));
    // Moved 4 mm right by the offsets, the left box clears the margin.
    format.page.offsetX = 6;
    EXPECT_EQ(BoxesInHardwareMargins(printer, format), (QStringList{"横线", "未命名的线条", "底边"}));
    // The queue's profile moves it back 1.5 mm left, into the margin again.
    SetProfile(kEpson, PrinterProfile{.offsetX = 1.5});
    {
        const PrinterProfileSource profiles(*db_);
        EXPECT_EQ(BoxesInHardwareMargins(printer, format), (QStringList{"左边", "横线", "未命名的线条", "底边"}));
    }
    // A PDF file has no margins.
    PdfWriterOutput pdf(folder_.File(QStringLiteral("no-margins.pdf")));
    EXPECT_TRUE(BoxesInHardwareMargins(pdf.Writer(), format).isEmpty());
}

} // namespace
