// Continuous tractor-fed forms through the Epson 24-pin driver, job after job: the
// driver feeds whole lines of 1/6 inch at the end of a page, forms are seldom a whole
// number of lines long, and every job must still start its forms where they are on the
// paper.
#include "PrinterStreamFixture.h"
#include "core/Progress.h"
#include "print/BatchPrint.h"
#include "print/BillPage.h"
#include "print/CalibrationSheet.h"
#include "print/JobProgress.h"
#include "print/PrintJob.h"
#include "print/PrinterCorrection.h"
#include "print/PrintTexts.h"
#include "store/FormatStore.h"
#include "store/PaperPosition.h"

#include <QPrinter>

namespace {

// 100 mm forms: 23.6 lines each, so no run of them ends on a whole line.
constexpr double kFormMm = 100, kFormWidthMm = 110;
const QList<QPointF> kCrosses{{20, 12}, {100, 84}};

// Where every cross of `forms` consecutive forms belongs on the tractor paper.
QList<QPointF> CrossesOnForms(const Format& format, const PrinterProfile& profile, int forms) {
    QList<QPointF> expected;
    for (int form = 0; form < forms; ++form)
        for (const QPointF& c : kCrosses) expected << OnPaper(c, format, profile, form * kFormMm);
    return expected;
}

class ContinuousPaperTest : public PrinterStreamTest {
protected:
    // The jobs of `formsPerJob` forms one after another, as the printer received them.
    PrintedPaper PrintJobs(const QList<int>& formsPerJob) {
        QByteArray streams;
        for (int forms : formsPerJob) streams += Print(kEpson, format_, forms);
        return DecodeEscP24(streams, kEpsonMargins, kFormWidthMm);
    }
    double KeptFormStart() { return LoadFormStart(kEpson); }

    // A stored format of one text box, for batches that keep their bills.
    Format StoredFormat() {
        Format format = MakeFormat(kFormWidthMm, kFormMm);
        format.name = QStringLiteral("连续单");
        format.boxes << MakeBox(kFirstTemporaryId, BoxKind::Text, 20, 20, 60, 10, QStringLiteral("名称"));
        SilentProgress saving;
        EXPECT_TRUE(FormatStore(*db_).SaveFormat(format, format.name, 15360, saving));
        return *FormatStore(*db_).LoadFormat(format.name, 15360);
    }
    // `count` rows into `format`'s box, kept in history; `afterBill` runs after each bill
    // is printed, with how many were so far. The job's messages go to `messages`.
    BatchResult PrintRows(const Format& format, int count, const std::function<void(int)>& afterBill,
                          PrintedPaper& paper, QStringList& messages) {
        BatchSource rows;
        rows.count = count;
        rows.load = [&format](int index, Bill& bill, QString*) {
            bill.SetValue(format.boxes[0].id, QStringLiteral("R%1").arg(index));
            return true;
        };
        BatchResult result;
        paper = DecodeEscP24(Spooled(kEpson, [&](QPrinter& printer, ScriptedAsker& asker) {
            PrintJob job(printer, asker);
            int printed = 0;
            job.onBillPrinted = [&](const Format&, const Bill&) { afterBill(++printed); };
            BatchOptions options;
            options.history = db_.get();
            SilentJobProgress progress;
            result = PrintBatch(job, format, rows, options, progress, asker);
            messages = asker.messages;
            return true;
        }), kEpsonMargins, kFormWidthMm);
        return result;
    }
    qsizetype HistoryBills() { return db_->Query(QStringLiteral("SELECT Con FROM 历史")).rows.size(); }

    const Format format_ = CrossFormat(kFormWidthMm, kFormMm, kCrosses);
};

TEST_F(ContinuousPaperTest, EachJobStartsItsFormsWhereThePaperStands) {
    const PrinterProfile profile{.offsetX = 0.4, .continuous = true};
    SetProfile(kEpson, profile);
    const PrintedPaper paper = PrintJobs({4, 4, 4});
    ASSERT_TRUE(paper.problem.isEmpty()) << paper.problem.toStdString();
    EXPECT_EQ(paper.pages, 3) << "one strip a job";
    // Each strip is whole lines and stops short of the next form's top edge.
    for (int job = 1; job < paper.pageTops.size(); ++job) {
        const double end = paper.MmY(paper.pageTops[job]);
        EXPECT_NEAR(std::fmod(end + 1e-6, kFeedLineMm), 0, 1e-3);
        EXPECT_GT(job * 4 * kFormMm - end, -kEpsonDotMm);
        EXPECT_LT(job * 4 * kFormMm - end, kFeedLineMm);
    }
    ExpectMarks(MarkCentresMm(paper), CrossesOnForms(format_, profile, 12), kEpsonDotMm);
    EXPECT_NEAR(KeptFormStart(), 12 * kFormMm - paper.MmY(paper.pageTops.last()), 1e-6);
}

TEST_F(ContinuousPaperTest, ARunLongerThanOneStripAndTheJobAfterIt) {
    const PrinterProfile profile{.continuous = true};
    SetProfile(kEpson, profile);
    // Five forms make the longest strip; the sixth and seventh go on a second one.
    const int firstRun = int(kMaxStripMm / kFormMm) + 2;
    const PrintedPaper paper = PrintJobs({firstRun, 2});
    ASSERT_TRUE(paper.problem.isEmpty()) << paper.problem.toStdString();
    EXPECT_EQ(paper.pages, 3) << "two strips, then the next job's";
    // The printer takes no page longer than its longest page length.
    for (int page = 1; page < paper.pageTops.size(); ++page)
        EXPECT_LE(paper.MmY(paper.pageTops[page] - paper.pageTops[page - 1]), kMaxStripMm + 1e-6);
    ExpectMarks(MarkCentresMm(paper), CrossesOnForms(format_, profile, firstRun + 2), kEpsonDotMm);
}

TEST_F(ContinuousPaperTest, RealignedPaperStartsOnAFormAgain) {
    SetProfile(kEpson, PrinterProfile{.continuous = true});
    PrintJobs({1});
    EXPECT_GT(KeptFormStart(), 0);
    // The user tears off and puts the next form's top edge at the printer's start.
    ASSERT_TRUE(SaveFormStart(kEpson, 0));
    const PrintedPaper paper = PrintJobs({1});
    ASSERT_TRUE(paper.problem.isEmpty()) << paper.problem.toStdString();
    ExpectMarks(MarkCentresMm(paper), CrossesOnForms(format_, PrinterProfile{}, 1), kEpsonDotMm);
}

TEST_F(ContinuousPaperTest, ABatchOverSeveralStripsKeepsEveryBillItPrinted) {
    // Seven bills make two strips, so two spooler jobs: the bills of each are kept.
    const Format stored = StoredFormat();
    SetProfile(kEpson, PrinterProfile{.continuous = true});
    PrintedPaper paper;
    QStringList messages;
    const BatchResult result = PrintRows(stored, 7, [](int) {}, paper, messages);
    ASSERT_TRUE(paper.problem.isEmpty()) << paper.problem.toStdString();
    EXPECT_TRUE(result.Complete(7)) << messages.join(" ").toStdString();
    EXPECT_EQ(paper.pages, 2);
    EXPECT_EQ(result.printed, 7);
    EXPECT_EQ(result.kept, 7);
    EXPECT_EQ(HistoryBills(), 7);
}

TEST_F(ContinuousPaperTest, AStripTheSpoolerRefusesLeavesTheBillsOfTheStripsBefore) {
    // Five forms make a strip. The spooler refuses every job after the first strip:
    // the second strip is the last (seven bills, refused as the job ends) or one more
    // follows it (twelve bills, refused as the third begins).
    const Format stored = StoredFormat();
    const int stripBills = int(kMaxStripMm / kFormMm);
    for (const int bills : {7, 12}) {
        SCOPED_TRACE(bills);
        db_->Exec(QStringLiteral("DELETE FROM 历史"));
        ASSERT_TRUE(SaveFormStart(kEpson, 0)); // the first form's top edge at the start
        SetProfile(kEpson, PrinterProfile{.continuous = true});
        PrintedPaper paper;
        QStringList messages;
        // The first bill of the second strip is drawn once the first strip went out.
        const BatchResult result = PrintRows(stored, bills, [&](int printed) {
            if (printed == stripBills + 1) RefuseJobs(kEpson, true);
        }, paper, messages);
        RefuseJobs(kEpson, false);
        ASSERT_TRUE(paper.problem.isEmpty()) << paper.problem.toStdString();
        EXPECT_EQ(paper.pages, 1) << "only the first strip reached the printer";
        EXPECT_FALSE(result.ended);
        EXPECT_EQ(result.printed, stripBills);
        EXPECT_EQ(result.kept, stripBills);
        EXPECT_EQ(HistoryBills(), stripBills);
        const QString told = PrintText::PartlyPrinted(stripBills) + PrintText::PartlyKept(stripBills)
                             + PrintText::kRestNotPrinted;
        ASSERT_FALSE(messages.isEmpty());
        EXPECT_TRUE(messages.last().endsWith(told)) << messages.join(" ").toStdString();
        // The paper stands where the first strip left it.
        EXPECT_NEAR(KeptFormStart(), stripBills * kFormMm - paper.MmY(paper.pageTops.last()), 1e-6);
    }
}

TEST_F(ContinuousPaperTest, APreviewLeavesThePaperWhereItIs) {
    SetProfile(kEpson, PrinterProfile{.continuous = true});
    const QByteArray drawn = Spooled(kEpson, [&](QPrinter& printer, ScriptedAsker& asker) {
        PrintJob job(printer, asker);
        job.ForPreview();
        job.ExpectPages(7);
        return job.PrintBill(format_, Bill(), BillPrintRequest{.copies = 7});
    });
    // One document however many strips it holds, and no place kept.
    EXPECT_EQ(DecodeEscP24(drawn, kEpsonMargins, kFormWidthMm).pages, 2);
    EXPECT_EQ(KeptFormStart(), 0);
}

TEST_F(ContinuousPaperTest, ACalibrationMovesTheKeptPlaceByTheFeedItMeasured) {
    // The sheet's ten forms were reckoned 100 mm apart; cross N shows they are 99.5.
    SetProfile(kEpson, PrinterProfile{.continuous = true});
    const int bills = 10;
    const CalibrationCrosses crosses = CrossesFor(format_.page);
    const QPointF shift(ShiftXmm(format_), ShiftYmm(format_));
    const MeasuredCrosses measured{crosses.first - shift, crosses.last - shift + QPointF(0, (bills - 1) * 0.5)};
    const auto calibrate = [&](double keptMm) {
        SetProfile(kEpson, PrinterProfile{.continuous = true});
        EXPECT_TRUE(SaveFormStart(kEpson, keptMm));
        QString problem;
        EXPECT_TRUE(StoreCalibration(*db_, kEpson, format_, bills, measured, &problem)) << problem.toStdString();
        return KeptFormStart();
    };
    // 5 mm before the next form's edge by the old reckoning: on it by the new one.
    EXPECT_NEAR(calibrate(5), 0, 1e-9);
    // 1 mm before it by the old reckoning: 4 mm past it, so the next form is the one after.
    EXPECT_NEAR(calibrate(1), 99.5 - 4, 1e-9);
}

} // namespace
