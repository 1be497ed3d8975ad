// Printer profiles from the command line: shown, set per queue and per format, refused
// when they make no sense, computed from measured calibration crosses, and never
// carried by a format file.
#include "CliFixture.h"

#include "print/CalibrationSheet.h"
#include "print/BillPage.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/PaperPosition.h"
#include "store/PrinterProfileStore.h"
#include "store/Schema.h"

#include <QFile>

namespace {

const QString kQueue = QStringLiteral("柜台针式");

PrinterProfile Effective(const QString& format = {}) {
    const std::unique_ptr<Database> db = OpenDataDatabase();
    return EffectivePrinterProfile(*db, {ThisSeat(), kQueue, format});
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST_F(CliTest, PrinterProfilesAreSetPerQueueAndPerFormat) {
    const CommandOutcome fresh = Run({"printer-profile", kQueue});
    ASSERT_EQ(fresh.code, 0) << fresh.err.toStdString();
    EXPECT_TRUE(fresh.out.contains(QStringLiteral("格式：全部格式")));
    EXPECT_TRUE(fresh.out.contains(QStringLiteral("连续纸：否")));

    const CommandOutcome set = Run({"printer-profile", kQueue, "--offset", "1.5,-0.5", "--scale", "1.002,0.998",
                                    "--feed", "-0.3", "--continuous"});
    ASSERT_EQ(set.code, 0) << set.err.toStdString();
    EXPECT_TRUE(set.out.contains(QStringLiteral("偏移：向左移 1.5 毫米，向上移 -0.5 毫米")));
    EXPECT_TRUE(set.out.contains(QStringLiteral("连续纸：是")));
    const PrinterProfile queueWide{.offsetX = 1.5, .offsetY = -0.5, .scaleX = 1.002, .scaleY = 0.998,
                                   .feedMm = -0.3, .continuous = true};
    EXPECT_EQ(Effective(), queueWide);
    EXPECT_EQ(Effective(kSlip), queueWide) << "a format without its own profile takes the queue's";

    // A format's own profile starts from the queue's and changes only what is given.
    ASSERT_EQ(Run({"printer-profile", kQueue, "--format", kSlip, "--offset", "2,0", "--sheets"}).code, 0);
    PrinterProfile own = queueWide;
    own.offsetX = 2, own.offsetY = 0, own.continuous = false;
    EXPECT_EQ(Effective(kSlip), own);
    EXPECT_EQ(Effective(kWaybill), queueWide);
    EXPECT_EQ(Effective(), queueWide);
}

TEST_F(CliTest, ContinuousPaperShowsWhereTheNextFormStartsUntilRealigned) {
    ASSERT_EQ(Run({"printer-profile", kQueue, "--continuous"}).code, 0);
    ASSERT_TRUE(SaveFormStart(kQueue, 2.5));
    const CommandOutcome shown = Run({"printer-profile", kQueue});
    EXPECT_TRUE(shown.out.contains(QStringLiteral("下一张单据的上边在打印起点下 2.50 毫米"))) << shown.out.toStdString();

    const CommandOutcome realigned = Run({"printer-profile", kQueue, "--realigned"});
    ASSERT_EQ(realigned.code, 0) << realigned.err.toStdString();
    EXPECT_TRUE(realigned.out.contains(QStringLiteral("打印起点下 0.00 毫米")));
    EXPECT_EQ(LoadFormStart(kQueue), 0);
}

TEST_F(CliTest, PrinterProfileRefusesWhatNoPrinterNeeds) {
    for (const QStringList& args : {QStringList{"printer-profile", kQueue, "--scale", "2,1"},
                                    QStringList{"printer-profile", kQueue, "--offset", "1"},
                                    QStringList{"printer-profile", kQueue, "--feed", "nan"},
                                    QStringList{"printer-profile", kQueue, "--continuous", "--sheets"},
                                    QStringList{"printer-profile"}}) {
        const CommandOutcome refused = Run(args);
        EXPECT_EQ(refused.code, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(refused.err.isEmpty());
    }
    EXPECT_EQ(Run({"printer-profile", kQueue, "--format", "没有这个格式", "--offset", "1,1"}).code, 1);
    EXPECT_EQ(Effective(), PrinterProfile{}) << "nothing refused was stored";
}

TEST_F(CliTest, FormatFilesCarryTheFormatsOwnOffsetsOnly) {
    const QString before = folder_.File(QStringLiteral("before.zhq"));
    const QString after = folder_.File(QStringLiteral("after.zhq"));
    ASSERT_EQ(Run({"export-format", kSlip, before}).code, 0);
    ASSERT_EQ(Run({"printer-profile", kQueue, "--format", kSlip, "--offset", "3,4", "--scale", "1.01,1.01"}).code, 0);
    ASSERT_EQ(Run({"export-format", kSlip, after}).code, 0);
    EXPECT_EQ(Bytes(before), Bytes(after));

    const QString copy = QStringLiteral("进账单副本");
    ASSERT_EQ(Run({"import-format", after, "--name", copy}).code, 0);
    const std::unique_ptr<Database> db = OpenDataDatabase();
    const PageParams original = *FormatStore(*db).LoadPageParams(kSlip);
    const PageParams imported = *FormatStore(*db).LoadPageParams(copy);
    EXPECT_EQ(imported.offsetX, original.offsetX);
    EXPECT_EQ(imported.offsetY, original.offsetY);
    EXPECT_FALSE(LoadPrinterProfile(*db, {ThisSeat(), kQueue, copy})) << "the profile stays with the seat";
}

TEST_F(CliTest, AFormatsOwnProfileFollowsItsRenameAndGoesWithIt) {
    ASSERT_EQ(Run({"printer-profile", kQueue, "--format", kSlip, "--offset", "2,1"}).code, 0);
    const QString renamed = QStringLiteral("进账单甲");
    ASSERT_EQ(Run({"rename-format", kSlip, renamed}).code, 0);
    EXPECT_EQ(Effective(renamed), (PrinterProfile{.offsetX = 2, .offsetY = 1}));
    ASSERT_EQ(Run({"delete-format", renamed}).code, 0);
    // A format made later under that name starts from the queue's profile.
    const std::unique_ptr<Database> db = OpenDataDatabase();
    EXPECT_FALSE(LoadPrinterProfile(*db, {ThisSeat(), kQueue, renamed}));
}

TEST_F(CliTest, CalibrateStoresWhatTheMeasuredCrossesTell) {
    // The printer puts everything 1.2 mm right and its head runs 0.5 % wide; down it is right.
    std::optional<PageParams> page;
    {
        const std::unique_ptr<Database> db = OpenDataDatabase();
        page = FormatStore(*db).LoadPageParams(kSlip);
    }
    ASSERT_TRUE(page);
    Format format;
    format.page = *page;
    const CalibrationCrosses crosses = CrossesFor(*page);
    const QPointF shift(ShiftXmm(format), ShiftYmm(format));
    const QPointF first = crosses.first - shift, last = crosses.last - shift;
    const auto landed = [](const QPointF& wanted) { return QPointF(1.005 * wanted.x() + 1.2, wanted.y()); };
    const QPointF got1 = landed(first), gotN = landed(last);
    const CommandOutcome stored = Run({"calibrate", kSlip, "--printer", kQueue, "--measured",
                                       QStringLiteral("%1,%2,%3,%4").arg(got1.x(), 0, 'f', 4).arg(got1.y(), 0, 'f', 4)
                                           .arg(gotN.x(), 0, 'f', 4).arg(gotN.y(), 0, 'f', 4)});
    ASSERT_EQ(stored.code, 0) << stored.err.toStdString();
    const PrinterProfile profile = Effective();
    // Drawn through the profile, then moved by the printer, a point lands where wanted.
    for (const QPointF& wanted : {first, last, QPointF(50, 60)}) {
        const double drawnX = profile.scaleX * wanted.x() - profile.offsetX;
        EXPECT_NEAR(1.005 * drawnX + 1.2, wanted.x(), 1e-3);
        EXPECT_NEAR(profile.scaleY * wanted.y() - profile.offsetY, wanted.y(), 1e-3);
    }
    EXPECT_EQ(Run({"calibrate", kSlip, "--measured", "1,2,3,4"}).code, 2) << "no printer named";
    EXPECT_EQ(Run({"calibrate", kSlip, "--printer", kQueue, "--measured", "1,2,3"}).code, 2);
    EXPECT_EQ(Run({"calibrate", kSlip, "--printer", kQueue, "--bills", "0"}).code, 2);
}
