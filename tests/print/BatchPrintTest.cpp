// Many bills in one job: data rows with history, cancelling and failing half-way,
// multi-page families and label sheets, all read back from real PDF files.
#include "PdfProbe.h"
#include "PrintFixture.h"
#include "common/ScriptedAsker.h"
#include "common/TempDataFolder.h"
#include "core/Progress.h"
#include "exchange/ColumnMapping.h"
#include "print/BatchPrint.h"
#include "print/JobProgress.h"
#include "print/LabelSheet.h"
#include "print/MultiPage.h"
#include "print/PdfOutput.h"
#include "print/PrintJob.h"
#include "print/PrinterChoice.h"
#include "print/RowBill.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

#include <QPrinter>
#include <gtest/gtest.h>

namespace {

// Stops the job once `after` bills are done.
class CancelAfter final : public JobProgress {
public:
    explicit CancelAfter(int after) : after_(after) {}
    void Start(const QString&, int) override {}
    void Step() override { ++done_; }
    void Close() override {}
    bool CancelRequested() const override { return after_ >= 0 && done_ >= after_; }

private:
    int after_;
    int done_ = 0;
};

class BatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        db_ = OpenDataDatabase();
        ASSERT_TRUE(db_);
        Format format = MakeFormat();
        format.name = QStringLiteral("运单");
        format.page.offsetX = 12; // prints 2 mm further left
        format.boxes << MakeBox(kFirstTemporaryId, BoxKind::Text, 30, 40, 100, 10, QStringLiteral("名称"))
                     << MakeBox(kFirstTemporaryId + 1, BoxKind::Text, 30, 60, 100, 10, QStringLiteral("金额"))
                     << MakeBox(kFirstTemporaryId + 2, BoxKind::Text, 30, 80, 100, 10, QString());
        format.boxes[1].cash = 104;
        format.boxes[2].mem = QStringLiteral("Fixed");
        SilentProgress progress;
        FormatStore store(*db_);
        ASSERT_TRUE(store.SaveFormat(format, format.name, 15360, progress));
        format_ = *store.LoadFormat(format.name, 15360);
        columns_ = BillColumns(MappedBoxes(format_, {}));
    }

    BatchSource Rows(const QList<QStringList>& rows, int failAt = -1) {
        loader_.emplace(format_, columns_, RowFilling{});
        BatchSource source;
        source.count = int(rows.size());
        source.load = [this, rows, failAt](int index, Bill& bill, QString* problem) {
            if (index == failAt) {
                *problem = QStringLiteral("坏行");
                return false;
            }
            bill = loader_->LoadRowAsTyped(rows[index]);
            return true;
        };
        return source;
    }

    BatchResult Print(const BatchSource& source, const QString& pdf, JobProgress& progress) {
        QPrinter printer(QPrinter::HighResolution);
        UsePdfFile(printer, pdf);
        PrintJob job(printer, asker_);
        BatchOptions options;
        options.history = db_.get();
        return PrintBatch(job, format_, source, options, progress, asker_);
    }

    // Bill number -> its 名称 value.
    QMap<qint64, QString> StoredNames() {
        QMap<qint64, QString> names;
        const QueryResult rows = db_->Query(QStringLiteral("SELECT ID, Con FROM 历史 WHERE CID=?"),
                                            {format_.boxes[0].id});
        for (const QVariantList& row : rows.rows) names.insert(row[0].toLongLong(), row[1].toString());
        return names;
    }

    TempDataFolder folder_;
    std::unique_ptr<Database> db_;
    Format format_;
    QList<BillColumn> columns_;
    std::optional<RowLoader> loader_;
    ScriptedAsker asker_;
};

QRectF Word(const PdfPage& page, const QString& text) {
    for (const PdfWord& word : page.words)
        if (word.text == text) return word.box;
    return {};
}

} // namespace

TEST_F(BatchTest, ThreeRowsAreThreePagesOfOneJobEachKeptAsAWholeBill) {
    const QList<QStringList> rows = {{"Alpha", "12.5", "x"}, {"Bravo", "7", "x"}, {"Charlie", "1000", "x"}};
    const QString pdf = folder_.File("rows.pdf");
    SilentJobProgress progress;
    const BatchResult result = Print(Rows(rows), pdf, progress);
    ASSERT_TRUE(result.Complete(3)) << asker_.messages.join(' ').toStdString();
    EXPECT_EQ(result.kept, 3);

    const QList<PdfPage> pages = ReadPdf(pdf);
    ASSERT_EQ(pages.size(), 3);
    const QStringList amounts = {"￥12.50", "￥7.00", "￥1,000.00"};
    for (int page = 0; page < 3; ++page) {
        SCOPED_TRACE(page);
        const QRectF name = Word(pages[page], rows[page][0]);
        const QRectF amount = Word(pages[page], amounts[page]);
        const QRectF fixed = Word(pages[page], "Fixed");
        ASSERT_TRUE(name.isValid() && amount.isValid() && fixed.isValid());
        // Box x 30 less the 2 mm shift; rows of one font stand their boxes' 20 mm apart.
        EXPECT_NEAR(name.left(), 28, 0.1);
        EXPECT_NEAR(amount.left(), 28, 0.1);
        EXPECT_NEAR(amount.top() - name.top(), 20, 0.1);
        EXPECT_NEAR(fixed.top() - name.top(), 40, 0.1);
    }
    const QMap<qint64, QString> expected{{1, "Alpha"}, {2, "Bravo"}, {3, "Charlie"}};
    EXPECT_EQ(StoredNames(), expected);
}

TEST_F(BatchTest, CancelOrAFailingRowEndsTheJobKeepingExactlyThePrintedBills) {
    struct Case {
        const char* name;
        int cancelAfter;
        int failAt;
        const char* told;
    };
    const Case cases[] = {{"cancel", 2, -1, "打印已取消"}, {"bad row", -1, 2, "第3行"}};
    const QList<QStringList> rows = {{"A1"}, {"B2"}, {"C3"}, {"D4"}, {"E5"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db_->Exec(QStringLiteral("DELETE FROM 历史"));
        asker_.messages.clear();
        const QString pdf = folder_.File(QString::fromLatin1(c.name) + ".pdf");
        CancelAfter progress(c.cancelAfter);
        const BatchResult result = Print(Rows(rows, c.failAt), pdf, progress);
        EXPECT_EQ(result.printed, 2);
        EXPECT_TRUE(result.ended);
        // The document was finished properly: a whole PDF of the two pages sent.
        EXPECT_TRUE(PdfIncompleteReason(pdf).isEmpty());
        EXPECT_EQ(ReadPdf(pdf).size(), 2);
        EXPECT_EQ(StoredNames().values(), QStringList({"A1", "B2"}));
        ASSERT_EQ(asker_.messages.size(), 1);
        EXPECT_TRUE(asker_.messages[0].contains(QString::fromUtf8(c.told))) << asker_.messages[0].toStdString();
    }
}

TEST_F(BatchTest, ARowEntersOverTheBaseConvertedOnce) {
    Bill base;
    base.SetValue(format_.boxes[2].id, QStringLiteral("kept"));
    const RowLoader loader(format_, columns_, RowFilling{});
    const Bill bill = loader.LoadRowAsTyped({"Delta", "3"}, base);
    EXPECT_EQ(bill.Value(format_.boxes[0].id), QStringLiteral("Delta"));
    EXPECT_EQ(bill.Value(format_.boxes[1].id), QStringLiteral("￥3.00"));
    // A fixed text is no value of a row: what the base shows there stays.
    EXPECT_EQ(bill.Value(format_.boxes[2].id), QStringLiteral("kept"));
}

TEST_F(BatchTest, MultiPageFamiliesStepInTurnAndWrapToTheFirstPage) {
    SilentProgress progress;
    FormatStore store(*db_);
    for (const char* name : {"a_1", "a_2", "a_3", "ab2", "a_x_3", "b_1"}) {
        Format page = MakeFormat();
        page.name = QString::fromLatin1(name);
        ASSERT_TRUE(store.SaveFormat(page, page.name, 15360, progress));
    }
    // "_" is no pattern: ab2 is not a page of a; a_x_3 belongs to a_x.
    EXPECT_EQ(OtherPages(*db_, "a_1"), QStringList({"a_2", "a_3"}));
    struct Step {
        const char* from;
        bool autoJump;
        const char* opens;
        bool finished;
    };
    const Step steps[] = {{"a_1", true, "a_2", false}, {"a_2", true, "a_3", false},
                          {"a_3", true, "a_1", true},  {"a_1", false, "", true},
                          {"运单", true, "", true},      {"b_1", true, "", true}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.from);
        QString opened;
        const bool finished = NextPageFormat(*db_, QString::fromUtf8(step.from), step.autoJump,
                                             [&](const QString& name) { opened = name; });
        EXPECT_EQ(opened, QString::fromLatin1(step.opens));
        EXPECT_EQ(finished, step.finished);
    }
    // Page numbers are numeric: page 10 comes after page 9.
    EXPECT_EQ(NextPageStep("c_9", {"c_1", "c_10"}).open, "c_10");
}

TEST_F(BatchTest, LabelSheetsPutSixThenOneAndScaleEachCell) {
    QList<QStringList> rows;
    for (int i = 1; i <= 7; ++i) rows << QStringList{QStringLiteral("L%1").arg(i)};
    LabelSheetSpec spec;
    spec.columns = 2;
    spec.rows = 3;
    spec.separators = true;
    const QString pdf = folder_.File("labels.pdf");
    QPrinter printer(QPrinter::HighResolution);
    UsePdfFile(printer, pdf);
    PrintJob job(printer, asker_);
    SilentJobProgress progress;
    const BatchResult result = PrintLabelSheets(job, format_, spec, Rows(rows), {}, progress, asker_);
    ASSERT_TRUE(result.Complete(7));

    const QList<PdfPage> pages = ReadPdf(pdf);
    ASSERT_EQ(pages.size(), 2);
    int onFirst = 0, onSecond = 0;
    for (const PdfWord& word : pages[0].words) onFirst += word.text.startsWith('L');
    for (const PdfWord& word : pages[1].words) onSecond += word.text.startsWith('L');
    EXPECT_EQ(onFirst, 6);
    EXPECT_EQ(onSecond, 1);

    // Row 2, column 2 holds the fourth label: cell corner (102.5, 96.67) less the
    // 2 mm shift, the box's 30 mm across the page scaled to the cell's share.
    const double across = 102.5 / 210;
    const QRectF fourth = Word(pages[0], "L4");
    const QRectF first = Word(pages[0], "L1");
    EXPECT_NEAR(fourth.left(), 102.5 - 2 + 30 * across, 0.1);
    EXPECT_NEAR(fourth.top() - first.top(), 290.0 / 3, 0.1);
    const QRectF full = Word(ReadPdf([&] {
        const QString single = folder_.File("single.pdf");
        Bill bill;
        bill.SetValue(format_.boxes[0].id, "L4");
        PrintToPdf(format_, bill, single);
        return single;
    }()).value(0), "L4");
    EXPECT_NEAR(fourth.width() / full.width(), across, 0.02);

    // Separator lines where the cells meet, and none inside a cell.
    const int dpi = 150;
    const QImage sheet = RasterisePage(pdf, 1, dpi);
    const QRectF vertical = DarkBox(sheet, dpi, QRectF(95, 2, 10, 30));
    EXPECT_NEAR(vertical.center().x(), 102.5 - 2, 0.3);
    const QRectF horizontal = DarkBox(sheet, dpi, QRectF(150, 90, 20, 10));
    EXPECT_NEAR(horizontal.center().y(), 290.0 / 3, 0.3);
    EXPECT_FALSE(DarkBox(sheet, dpi, QRectF(150, 110, 20, 60)).isValid());
}

// The background goes into a PDF once, however many pages and labels show it: every
// page draws the one picture the job decoded.
TEST_F(BatchTest, TheBackgroundIsOneImageForEveryPageAndLabel) {
    QImage picture(800, 400, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb((x * 7 + y * 3) % 256, (x ^ y) % 256, (x * y) % 256));
    ASSERT_TRUE(picture.save(BackgroundPicturePath(format_.name), "JPG"));
    format_.page.options.printBackground = true;
    const auto imagesIn = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll().count("/Subtype /Image") : -1;
    };
    QList<QStringList> rows;
    for (int i = 1; i <= 9; ++i) rows << QStringList{QStringLiteral("B%1").arg(i)};

    const QString bills = folder_.File("bills.pdf");
    SilentJobProgress progress;
    ASSERT_TRUE(Print(Rows(rows), bills, progress).Complete(9));
    EXPECT_EQ(imagesIn(bills), 1);

    LabelSheetSpec spec;
    spec.columns = 2;
    spec.rows = 2;
    spec.background = true;
    const QString labels = folder_.File("labels.pdf");
    {
        QPrinter printer(QPrinter::HighResolution);
        UsePdfFile(printer, labels);
        PrintJob job(printer, asker_);
        ASSERT_TRUE(PrintLabelSheets(job, format_, spec, Rows(rows), {}, progress, asker_).Complete(9));
    }
    EXPECT_EQ(imagesIn(labels), 1);
    // Still drawn on the last page and in the last label's cell.
    const int dpi = 50;
    EXPECT_TRUE(DarkBox(RasterisePage(bills, 9, dpi), dpi, QRectF(100, 200, 100, 90)).isValid());
    EXPECT_TRUE(DarkBox(RasterisePage(labels, 3, dpi), dpi, QRectF(10, 10, 80, 120)).isValid());
}
