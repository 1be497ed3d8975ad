// What a print from the command line puts on paper: the paper it chooses, the warning
// when the page is larger, and the rows of a file without a stored mapping.
#include "CliFixture.h"

#include "../print/PdfProbe.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

#include <QFile>

namespace {

// Turns "自动设置纸张" off, as a format made before it was set would have it.
void StopSettingPaper(const QString& name) {
    const std::unique_ptr<Database> db = OpenDataDatabase();
    FormatStore store(*db);
    PageParams page = *store.LoadPageParams(name);
    page.options.setPaper = false;
    ASSERT_TRUE(store.SavePageParams(name, page, 15360));
}

} // namespace

TEST_F(CliTest, TheSampleWaybillPrintsWholeOnItsOwnPaper) {
    const QString pdf = folder_.File("waybill.pdf");
    const CommandOutcome outcome = Run({"print", kWaybill, "--pdf", pdf, "--no-history"});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    EXPECT_FALSE(outcome.err.contains(QStringLiteral("警告")));
    const QList<PdfPage> pages = ReadPdf(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_NEAR(pages[0].size.width(), 241, 0.5);
    EXPECT_NEAR(pages[0].size.height(), 140, 0.5);
}

TEST_F(CliTest, APageLargerThanThePaperIsWarnedAboutAndPaperCanBeChosen) {
    StopSettingPaper(kWaybill);
    const QString pdf = folder_.File("waybill.pdf");
    CommandOutcome outcome = Run({"print", kWaybill, "--pdf", pdf, "--no-history", "--paper", "A4"});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("单据（宽 241 mm，高 140 mm）比纸张（宽 210 mm，高 297 mm）大")))
        << outcome.err.toStdString();
    EXPECT_NEAR(ReadPdf(pdf).value(0).size.width(), 210, 0.5);

    for (const QString& paper : {QStringLiteral("format"), QStringLiteral("250x150")}) {
        outcome = Run({"print", kWaybill, "--pdf", pdf, "--no-history", "--paper", paper});
        ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.isEmpty()) << paper.toStdString() << outcome.err.toStdString();
    }
    EXPECT_NEAR(ReadPdf(pdf).value(0).size.width(), 250, 0.5);

    // A label sheet wider than the paper: the sheet's size is named.
    const QString csv = WriteFile("labels.csv", "收件人\n甲\n乙\n");
    outcome = Run({"print", kLabel, "--data", csv, "--labels", "4x2", "--sheet-size", "400x100", "--paper", "A4",
                   "--pdf", pdf, "--no-history"});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("标签纸（宽 400 mm，高 100 mm）"))) << outcome.err.toStdString();
}

TEST_F(CliTest, AFileWithoutAMappingIsMappedByItsHeadingsOrRefused) {
    const QString pdf = folder_.File("rows.pdf");
    const QString named = WriteFile("named.csv", "电话,收件人,备注\n021-1,张三,x\n021-2,李四,y\n");
    CommandOutcome outcome = Run({"print", kLabel, "--data", named, "--pdf", pdf});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    EXPECT_EQ(outcome.out, QStringLiteral("已打印 2 张单据，共 2 页\n"));
    const QList<PdfPage> pages = ReadPdf(pdf);
    ASSERT_EQ(pages.size(), 2);
    QString text;
    for (const PdfWord& word : pages[1].words) text += word.text;
    EXPECT_TRUE(text.contains(QStringLiteral("李四"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("021-2"))) << text.toStdString();
    EXPECT_EQ(StoredBills(kLabel), 2);

    // Headings that name no box: nothing printed, and the way to a mapping is told.
    QFile::remove(pdf);
    const QString unnamed = WriteFile("unnamed.csv", "a,b\n1,2\n3,4\n");
    outcome = Run({"print", kLabel, "--data", unnamed, "--pdf", pdf});
    EXPECT_EQ(outcome.code, 1);
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("import-data"))) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains(QStringLiteral("--save-mapping")));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(StoredBills(kLabel), 2);

    // A stored mapping is used as it is, headings or not.
    ASSERT_EQ(Run({"import-data", kLabel, unnamed, "--map", "收件人=B", "--save-mapping"}).code, 0);
    outcome = Run({"print", kLabel, "--data", unnamed, "--pdf", pdf, "--no-history"});
    ASSERT_EQ(outcome.code, 0) << outcome.err.toStdString();
    EXPECT_EQ(ReadPdf(pdf).size(), 2);
}
