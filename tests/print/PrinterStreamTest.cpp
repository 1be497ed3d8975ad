// What real printer drivers receive: bills printed through CUPS's own Epson 24-pin and
// generic PCL drivers on a spooler of the test's own, the printer's byte stream decoded
// back into dots, and each printed cross found within one printer dot of where the
// format, its offsets and the seat's printer profile put it.
#include "PrintFixture.h"
#include "PrinterStreams.h"
#include "common/PrivateCups.h"
#include "common/ScriptedAsker.h"
#include "common/TempDataFolder.h"
#include "print/PrintJob.h"
#include "print/PrinterCorrection.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QPrinter>
#include <gtest/gtest.h>

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

class PrinterStreamTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        cups_ = new PrivateCups;
        problem_ = cups_->Problem();
        if (problem_.isEmpty())
            problem_ = cups_->AddQueue(kEpson, QStringLiteral("drv:///sample.drv/epson24.ppd"),
                                       {QStringLiteral("Resolution=180dpi"), QStringLiteral("PageSize=A4")});
        if (problem_.isEmpty())
            problem_ = cups_->AddQueue(kLaser, QStringLiteral("drv:///sample.drv/generpcl.ppd"),
                                       {QStringLiteral("Resolution=300dpi"), QStringLiteral("PageSize=A4")});
    }
    static void TearDownTestSuite() {
        delete cups_;
        cups_ = nullptr;
    }
    void SetUp() override {
        if (!problem_.isEmpty()) GTEST_SKIP() << problem_.toStdString();
        db_ = OpenDataDatabase();
        ASSERT_TRUE(db_);
    }

    void SetProfile(const QString& queue, const PrinterProfile& profile) {
        ASSERT_TRUE(SavePrinterProfile(*db_, {ThisSeat(), queue, QString()}, profile));
    }

    // The queue's printer stream for `bills` bills of the format in one job.
    QByteArray Print(const QString& queue, const Format& format, int bills = 1, QStringList* messages = nullptr) {
        cups_->ClearOutput(queue);
        {
            const PrinterProfileSource profiles(*db_);
            QPrinter printer(QPrinter::HighResolution);
            printer.setPrinterName(queue);
            ScriptedAsker asker;
            PrintJob job(printer, asker);
            job.ExpectPages(bills);
            BillPrintRequest request;
            request.endJob = false;
            for (int bill = 0; bill < bills; ++bill)
                if (!job.PrintBill(format, Bill(), request)) return {};
            if (!job.End()) return {};
            if (messages) *messages = asker.messages;
        }
        return cups_->WaitForOutput(queue);
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

    static PrivateCups* cups_;
    static QString problem_;
    TempDataFolder folder_;
    std::unique_ptr<Database> db_;
};

PrivateCups* PrinterStreamTest::cups_ = nullptr;
QString PrinterStreamTest::problem_;

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

} // namespace
