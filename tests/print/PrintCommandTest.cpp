// The print sub-command from a stored format to a finished PDF, and to a real CUPS
// printer queue.
#include "PdfProbe.h"
#include "PrintFixture.h"
#include "common/CupsQueue.h"
#include "common/TempDataFolder.h"
#include "cli/PrintCommand.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "core/Progress.h"
#include "store/Schema.h"
#include "exchange/ColumnMapping.h"

#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// A format "支票" with a payee box at (30, 40) and an amount box of type 104.
void StoreChequeFormat() {
    std::unique_ptr<Database> db = OpenDataDatabase();
    ASSERT_TRUE(db);
    Format format = MakeFormat();
    format.name = QStringLiteral("支票");
    format.boxes << MakeBox(kFirstTemporaryId, BoxKind::Text, 30, 40, 100, 10, QStringLiteral("收款人"))
                 << MakeBox(kFirstTemporaryId + 1, BoxKind::Text, 30, 80, 100, 10, QStringLiteral("金额"))
                 << MakeBox(kFirstTemporaryId + 2, BoxKind::Line, 20, 120, 150, 120, QString());
    format.boxes[1].cash = 104;
    SilentProgress progress;
    FormatStore store(*db);
    ASSERT_TRUE(store.SaveFormat(format, format.name, 15360, progress));
}

struct Outcome {
    int code;
    QString out, err;
};

Outcome RunCommand(const QStringList& args) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = RunPrintCommand(args, outStream, errStream);
    return {code, out, err};
}

QString WordAt(const QList<PdfPage>& pages, const QString& prefix, QRectF* box) {
    for (const PdfWord& word : pages.value(0).words)
        if (word.text.startsWith(prefix)) {
            *box = word.box;
            return word.text;
        }
    return {};
}

// The cheque format's mapping (收款人 from column A, 金额 from B) and a CSV of a
// heading row and three records.
QString StoreRowsToPrint(const TempDataFolder& folder) {
    std::unique_ptr<Database> db = OpenDataDatabase();
    const std::optional<Format> format = FormatStore(*db).LoadFormat(QStringLiteral("支票"), 15360);
    QList<MappedBox> boxes = MappedBoxes(*format, {});
    boxes[0].expression = QStringLiteral("A");
    boxes[1].expression = QStringLiteral("B");
    EXPECT_TRUE(SaveMapping(*db, format->name, boxes));
    QFile csv(folder.File(QStringLiteral("rows.csv")));
    EXPECT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("name,amount\nAlpha,1\nBravo,2\nCharlie,3\n");
    return csv.fileName();
}

qint64 StoredBills() {
    return OpenDataDatabase()->Query(QStringLiteral("SELECT count(DISTINCT ID) FROM 历史")).rows[0][0].toLongLong();
}

} // namespace

TEST(PrintCommand, FillsBoxesByLabelAndPrintsToPdf) {
    TempDataFolder folder;
    StoreChequeFormat();
    const QString pdf = folder.File(QStringLiteral("out.pdf"));
    const Outcome done = RunCommand({QStringLiteral("支票"), "--set", QStringLiteral("收款人=Vellumark"),
                              "--set", QStringLiteral("金额=1234.5"), "--pdf", pdf, "--copies", "2"});
    ASSERT_EQ(done.code, 0) << done.err.toStdString();
    const QList<PdfPage> pages = ReadPdf(pdf);
    ASSERT_EQ(pages.size(), 2);
    QRectF payee, amount;
    EXPECT_EQ(WordAt(pages, QStringLiteral("Vellumark"), &payee), QStringLiteral("Vellumark"));
    EXPECT_NEAR(payee.left(), 30, 0.1);
    // The amount was converted by its data type on the way in.
    EXPECT_EQ(WordAt(pages, QStringLiteral("￥"), &amount), QStringLiteral("￥1,234.50"));
}

TEST(PrintCommand, RefusesUnknownLabelsFormatsAndArguments) {
    TempDataFolder folder;
    StoreChequeFormat();
    const QString pdf = folder.File(QStringLiteral("never.pdf"));
    const Outcome unknownLabel =
        RunCommand({QStringLiteral("支票"), "--set", QStringLiteral("付款人=x"), "--pdf", pdf});
    EXPECT_NE(unknownLabel.code, 0);
    EXPECT_TRUE(unknownLabel.err.contains(QStringLiteral("付款人")));
    EXPECT_FALSE(QFileInfo::exists(pdf));

    EXPECT_NE(RunCommand({QStringLiteral("无此格式"), "--pdf", pdf}).code, 0);
    EXPECT_NE(RunCommand({QStringLiteral("支票")}).code, 0);
    EXPECT_NE(RunCommand({QStringLiteral("支票"), "--pdf", pdf, "--printer", "PDF"}).code, 0);
    EXPECT_NE(RunCommand({QStringLiteral("支票"), "--pdf", pdf, "--copies", "0"}).code, 0);
    EXPECT_NE(RunCommand({QStringLiteral("支票"), "--printer", QStringLiteral("没有这台打印机")}).code, 0);
}

TEST(PrintCommand, PrintsThroughARealCupsQueue) {
    const QString why = StartCupsPdfQueue();
    if (!why.isEmpty()) GTEST_SKIP() << why.toStdString();
    TempDataFolder folder;
    StoreChequeFormat();
    const QDir outputDir(QDir::home().filePath(QStringLiteral("PDF")));
    const QStringList before = outputDir.entryList({"*.pdf"}, QDir::Files);

    const Outcome done =
        RunCommand({QStringLiteral("支票"), "--set", QStringLiteral("收款人=CUPS"), "--printer", "PDF"});
    ASSERT_EQ(done.code, 0) << done.err.toStdString();

    QString printed;
    QElapsedTimer waited;
    waited.start();
    while (printed.isEmpty() && waited.elapsed() < 60000) {
        QThread::msleep(300);
        for (const QString& name : outputDir.entryList({"*.pdf"}, QDir::Files, QDir::Time))
            if (!before.contains(name)) {
                printed = outputDir.filePath(name);
                break;
            }
    }
    ASSERT_FALSE(printed.isEmpty()) << "cups-pdf wrote no file into " << outputDir.path().toStdString();
    QThread::msleep(500); // cups-pdf may still be closing the file
    const QImage page = RasterisePage(printed, 1, 600);
    ASSERT_FALSE(page.isNull());
    const QRectF line = DarkBox(page, 600, QRectF(10, 115, 180, 10));
    EXPECT_NEAR(line.left(), 20, 0.3);
    EXPECT_NEAR(line.right(), 150, 0.3);
    EXPECT_NEAR(line.center().y(), 120, 0.3);
    const QRectF text = DarkBox(page, 600, QRectF(25, 38, 60, 8));
    EXPECT_NEAR(text.left(), 30, 0.3);
}

TEST(PrintCommand, PrintsEveryRowOfAFileInOneJobAndReprintsStoredBills) {
    TempDataFolder folder;
    StoreChequeFormat();
    const QString csv = StoreRowsToPrint(folder);
    const QString pdf = folder.File(QStringLiteral("rows.pdf"));
    const Outcome all = RunCommand({QStringLiteral("支票"), "--data", csv, "--pdf", pdf});
    ASSERT_EQ(all.code, 0) << all.err.toStdString();
    const QList<PdfPage> pages = ReadPdf(pdf);
    ASSERT_EQ(pages.size(), 3);
    QRectF box;
    EXPECT_EQ(WordAt({pages[2]}, QStringLiteral("Charlie"), &box), QStringLiteral("Charlie"));
    EXPECT_NEAR(box.left(), 30, 0.1);
    EXPECT_EQ(WordAt({pages[2]}, QStringLiteral("￥"), &box), QStringLiteral("￥3.00"));
    EXPECT_EQ(StoredBills(), 3);

    struct Case {
        QStringList args;
        int pages;
    };
    const QList<Case> cases = {
        {{"--data", csv, "--rows", "3-4"}, 2},             // file rows 3 and 4
        {{"--bills", "1,3"}, 2},                           // reprinted: no new history
        {{"--data", csv, "--labels", "2x1", "--sheet-size", "205x100"}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const QString out = folder.File(QStringLiteral("case.pdf"));
        const Outcome done = RunCommand(QStringList{QStringLiteral("支票")} + c.args + QStringList{"--pdf", out, "--no-history"});
        ASSERT_EQ(done.code, 0) << done.err.toStdString();
        EXPECT_EQ(ReadPdf(out).size(), c.pages);
    }
    EXPECT_EQ(StoredBills(), 3);

    // A bill that is not there stops the job at that bill, keeping the pages before it.
    const Outcome missing = RunCommand({QStringLiteral("支票"), "--bills", "2,9,3", "--pdf", pdf});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("单据9"))) << missing.err.toStdString();
    EXPECT_EQ(ReadPdf(pdf).size(), 1);

    for (const QStringList& bad : {QStringList{"--data", csv, "--bills", "1"}, QStringList{"--bills", "x"},
                                   QStringList{"--data", csv, "--labels", "0x3"},
                                   QStringList{"--data", csv, "--sheet-size", "10x10"}}) {
        SCOPED_TRACE(bad.join(' ').toStdString());
        EXPECT_EQ(RunCommand(QStringList{QStringLiteral("支票")} + bad + QStringList{"--pdf", pdf}).code, 2);
    }
}

TEST(PrintCommand, ABatchReachesACupsQueueAsOneJob) {
    const QString why = StartCupsPdfQueue();
    if (!why.isEmpty()) GTEST_SKIP() << why.toStdString();
    TempDataFolder folder;
    StoreChequeFormat();
    const QString csv = StoreRowsToPrint(folder);
    const QDir outputDir(QDir::home().filePath(QStringLiteral("PDF")));
    const QStringList before = outputDir.entryList({"*.pdf"}, QDir::Files);
    const Outcome done = RunCommand({QStringLiteral("支票"), "--data", csv, "--printer", "PDF"});
    ASSERT_EQ(done.code, 0) << done.err.toStdString();
    QStringList arrived;
    QElapsedTimer waited;
    waited.start();
    while (arrived.isEmpty() && waited.elapsed() < 60000) {
        QThread::msleep(300);
        for (const QString& name : outputDir.entryList({"*.pdf"}, QDir::Files))
            if (!before.contains(name)) arrived << outputDir.filePath(name);
    }
    QThread::msleep(1000); // a second job, were there one, would be here by now
    for (const QString& name : outputDir.entryList({"*.pdf"}, QDir::Files))
        if (!before.contains(name) && !arrived.contains(outputDir.filePath(name))) arrived << outputDir.filePath(name);
    ASSERT_EQ(arrived.size(), 1);
    EXPECT_EQ(ReadPdf(arrived[0]).size(), 3);
}
