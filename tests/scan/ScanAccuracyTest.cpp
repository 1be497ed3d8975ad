// The analysis against bills whose blanks are known: generated bills scanned at three
// resolutions with a turn, noise, blur, shade and JPEG; a photographed bill; and the
// sample formats' own backgrounds.
#include "BillGenerator.h"
#include "ProposalScore.h"
#include "scan/CaptionReader.h"
#include "scan/ScanAnalysis.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

namespace {

constexpr int kBills = 50;

CaptionReader& Reader() {
    static CaptionReader reader;
    return reader;
}

TEST(ScanAccuracy, FiftyScannedBillsGiveBackTheirBlanks) {
    ASSERT_TRUE(Reader().IsReady());
    ProposalScore score;
    const int bills = qEnvironmentVariableIntValue("VELLUMARK_SCAN_BILLS") > 0
                          ? qEnvironmentVariableIntValue("VELLUMARK_SCAN_BILLS") : kBills;
    QElapsedTimer timer;
    timer.start();
    for (int seed = qEnvironmentVariableIntValue("VELLUMARK_SCAN_FIRST"); seed < bills; ++seed) {
        const ScanLook look = VariedLook(seed);
        const GeneratedBill bill = GenerateBill(seed, look);
        const ScanOutcome outcome = AnalyseScan(bill.image, {}, Reader());
        ASSERT_TRUE(outcome.proposal) << outcome.problem.toStdString();
        EXPECT_NEAR(outcome.proposal->pageMm.width(), bill.pageMm.width(), 0.5);
        EXPECT_NEAR(outcome.proposal->skewDegrees, look.degrees, 0.1) << "bill " << seed;
        score.Add(bill.blanks, outcome.proposal->boxes, 0.5,
                  QStringLiteral("#%1 %2dpi %3°").arg(seed).arg(look.dpi).arg(look.degrees));
    }
    const QString report = score.Summary() + QStringLiteral(" in %1 s").arg(timer.elapsed() / 1000.0, 0, 'f', 1);
    std::cout << report.toStdString() << std::endl;
    if (qEnvironmentVariableIsSet("VELLUMARK_SCAN_MISSES")) std::cout << score.misses.join(QLatin1Char('\n')).toStdString() << std::endl;
    const QString misses = score.misses.join(QLatin1Char('\n'));
    EXPECT_GE(score.FoundRate(), 0.95) << misses.toStdString();
    EXPECT_LE(score.SpuriousRate(), 0.03) << misses.toStdString();
    EXPECT_GE(score.LabelRate(), 0.90) << misses.toStdString();
    EXPECT_GE(score.TypeRate(), 0.90) << misses.toStdString();
}

} // namespace
