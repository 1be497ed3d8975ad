// The analysis against bills whose blanks are known: generated bills scanned at three
// resolutions with a turn, noise, blur, shade and JPEG; a photographed bill; and the
// sample formats' own backgrounds.
#include "BillGenerator.h"
#include "ProposalScore.h"
#include "scan/CaptionReader.h"
#include "scan/ScanAnalysis.h"

#include <gtest/gtest.h>

#include "common/TempDataFolder.h"
#include "app/SampleFormats.h"
#include "core/Progress.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

#include <QElapsedTimer>

#include <iostream>

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

// A phone photo of a bill lying on a desk, its corners pulled by up to a tenth of its
// size: squared to the page size the user gives, every blank lands within 1 mm.
TEST(ScanAccuracy, PhotographedBillIsSquaredWithinOneMillimetre) {
    ProposalScore score;
    for (int seed = 0; seed < 3; ++seed) {
        ScanLook look;
        look.dpi = 200;
        look.noise = 3;
        const GeneratedBill bill = GenerateBill(100 + seed, look);
        ScanSettings settings;
        settings.pageMm = bill.pageMm;
        const ScanOutcome outcome = AnalyseScan(Photographed(bill, 0.10, seed), settings, Reader());
        ASSERT_TRUE(outcome.proposal) << outcome.problem.toStdString();
        EXPECT_TRUE(outcome.proposal->perspective);
        EXPECT_EQ(outcome.proposal->pageMm, bill.pageMm);
        score.Add(bill.blanks, outcome.proposal->boxes, 1.0, QStringLiteral("photo %1").arg(seed));
    }
    std::cout << score.Summary().toStdString() << std::endl;
    EXPECT_EQ(score.found, score.blanks) << score.misses.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(score.spurious, 0) << score.misses.join(QLatin1Char('\n')).toStdString();
}

// The sample formats' own backgrounds, measured by their page size, give back every
// box: those standing 7 mm on their rule, the taller ones whose caption is centred on
// them (address 14 mm, barcode 22 mm, name 8 mm), the label's 邮编 and 电话 on one
// rule divided at 电话's caption, and the check square. Only a date's written style
// cannot be seen: 日期 proposes the whole date in Chinese.
TEST(ScanAccuracy, SampleBackgroundsGiveBackTheirBoxes) {
    TempDataFolder folder;
    std::unique_ptr<Database> db = OpenDataDatabase();
    ASSERT_TRUE(db && UpgradeSchema(*db));
    SilentProgress progress;
    ASSERT_EQ(CreateSampleFormats(*db, progress, nullptr), SampleFormatNames());
    ProposalScore score;
    for (const QString& name : SampleFormatNames()) {
        const std::optional<Format> format = FormatStore(*db).LoadFormat(name, 15360);
        ASSERT_TRUE(format);
        QList<TrueBlank> truth;
        for (const BoxRecord& box : format->boxes)
            truth.append({QRectF(box.x, box.y, box.w, box.h), box.kind == BoxKind::Picture ? BoxKind::Text : box.kind,
                          box.label, box.kind == BoxKind::Text ? box.cash : 0});
        ScanSettings settings;
        settings.pageMm = QSizeF(format->page.width, format->page.height);
        const ScanOutcome outcome = AnalyseScanFile(BackgroundPicturePath(name), settings, Reader());
        ASSERT_TRUE(outcome.proposal) << outcome.problem.toStdString();
        score.Add(truth, outcome.proposal->boxes, 0.5, name);
    }
    std::cout << score.Summary().toStdString() << std::endl << score.misses.join(QLatin1Char('\n')).toStdString() << std::endl;
    EXPECT_EQ(score.found, score.blanks);
    EXPECT_EQ(score.spurious, 0);
    EXPECT_EQ(score.labelsRight, score.found);
    EXPECT_GE(score.typesRight, score.found - 1);
}

} // namespace
