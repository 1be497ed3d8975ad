// What real printer drivers receive: bills printed through CUPS's own Epson 24-pin and
// generic PCL drivers on a spooler of the test's own, the printer's byte stream decoded
// back into dots, and each printed cross found within one printer dot of where the
// format, its offsets and the seat's printer profile put it.
#include "PrinterStreamFixture.h"
#include "print/CalibrationPage.h"
#include "print/CalibrationSheet.h"
#include "print/JobProgress.h"
#include "print/LabelSheet.h"
#include "print/PrintJob.h"
#include "print/PrinterCorrection.h"

#include <QPrinter>

namespace {

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
    // Strips of three forms (the most the printer's page length takes), no form feed
    // between the forms of a strip.
    EXPECT_EQ(paper.pages, 4);
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
        // Stored as the window and the command store it: the paper's place after the
        // sheet is reckoned again with the feed just measured.
        QString problem;
        ASSERT_TRUE(StoreCalibration(*db_, kEpson, format, bills, measured, &problem)) << problem.toStdString();

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

} // namespace
