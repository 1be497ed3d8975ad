// A job's output and its history are one fact: the bills are kept when, and only when,
// the output is published; the job holds its format; staging files never outlive
// their process.
#include "PdfProbe.h"
#include "PrintFixture.h"
#include "common/RefusedInserts.h"
#include "common/ScriptedAsker.h"
#include "common/TempDataFolder.h"
#include "core/Progress.h"
#include "core/PublishStep.h"
#include "print/BatchPrint.h"
#include "print/JobProgress.h"
#include "print/PdfOutput.h"
#include "print/PdfStaging.h"
#include "print/PrintJob.h"
#include "print/PrinterChoice.h"
#include "records/JobHistory.h"
#include "store/Database.h"
#include "store/FormatHold.h"
#include "store/FormatOperations.h"
#include "store/FormatRename.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QByteArray Digest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

class PrintTransactionTest : public ::testing::Test {
protected:
    void SetUp() override {
        db_ = OpenDataDatabase();
        ASSERT_TRUE(db_);
        Format format = MakeFormat(100, 50);
        format.name = QStringLiteral("收据");
        format.boxes << MakeBox(kFirstTemporaryId, BoxKind::Text, 10, 10, 80, 10, QStringLiteral("名称"));
        SilentProgress progress;
        ASSERT_TRUE(FormatStore(*db_).SaveFormat(format, format.name, 15360, progress));
        format_ = *FormatStore(*db_).LoadFormat(format.name, 15360);
        target_ = folder_.File(QStringLiteral("out.pdf"));
    }

    // `count` bills named R0, R1, ...; `during` runs before bill `at` is loaded.
    BatchSource Rows(int count, int at = -1, std::function<void()> during = {}) {
        BatchSource source;
        source.count = count;
        source.load = [this, at, during](int index, Bill& bill, QString*) {
            if (index == at && during) during();
            bill.SetValue(format_.boxes[0].id, QStringLiteral("R%1").arg(index));
            return true;
        };
        return source;
    }

    BatchResult Print(const BatchSource& source, const QString& target) {
        QPrinter printer(QPrinter::HighResolution);
        UsePdfFile(printer, target);
        PrintJob job(printer, asker_);
        BatchOptions options;
        options.history = db_.get();
        SilentJobProgress progress;
        return PrintBatch(job, format_, source, options, progress, asker_);
    }

    // Stored bills as format name -> values of 名称, in bill order.
    QMap<QString, QStringList> Stored() {
        QMap<QString, QStringList> stored;
        for (const QVariantList& row :
             db_->Query(QStringLiteral("SELECT Fmt, Con FROM 历史 ORDER BY ID")).rows)
            stored[row[0].toString()] << row[1].toString();
        return stored;
    }

    TempDataFolder folder_;
    std::unique_ptr<Database> db_;
    Format format_;
    QString target_;
    ScriptedAsker asker_;
};

// Records what the target looked like at each step of publishing.
class WatchingStep final : public PublishStep {
public:
    explicit WatchingStep(QString target) : target_(std::move(target)) {}
    bool Prepare(QString* reason) override {
        preparedOnOld = Digest(target_);
        if (!refuse) return true;
        *reason = QStringLiteral("拒绝");
        return false;
    }
    bool Commit() override {
        committedOnNew = !PdfIncompleteReason(target_).isEmpty() ? QByteArray() : Digest(target_);
        return true;
    }
    void Rollback() override { rolledBack = true; }
    bool refuse = false;
    bool rolledBack = false;
    QByteArray preparedOnOld, committedOnNew;

private:
    QString target_;
};

} // namespace

TEST_F(PrintTransactionTest, HistoryIsReadyBeforeThePdfReplacesItsTargetAndKeptAfter) {
    QFile old(target_);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old content");
    old.close();
    const QByteArray before = Digest(target_);

    WatchingStep step(target_);
    QPrinter printer(QPrinter::HighResolution);
    UsePdfFile(printer, target_);
    PrintJob job(printer, asker_);
    job.PublishWith(&step);
    Bill bill;
    bill.SetValue(format_.boxes[0].id, QStringLiteral("一"));
    ASSERT_TRUE(job.PrintBill(format_, bill, {}));
    // Made ready while the target still held the old file, kept once the new one was in.
    EXPECT_EQ(step.preparedOnOld, before);
    EXPECT_EQ(step.committedOnNew, Digest(target_));
    EXPECT_NE(Digest(target_), before);

    // A step that cannot be made ready keeps the output from going out at all.
    WatchingStep refusing(target_);
    refusing.refuse = true;
    const QByteArray published = Digest(target_);
    UsePdfFile(printer, target_);
    PrintJob second(printer, asker_);
    second.PublishWith(&refusing);
    EXPECT_FALSE(second.PrintBill(format_, bill, {}));
    EXPECT_TRUE(refusing.rolledBack);
    EXPECT_EQ(Digest(target_), published);
    EXPECT_TRUE(asker_.messages.join(' ').contains(QStringLiteral("拒绝"))) << asker_.messages.join(' ').toStdString();
}

TEST_F(PrintTransactionTest, AFailedPublishKeepsNothingAndSaysNothingWasPrinted) {
    // The target cannot be replaced: a folder stands at its name.
    const QString blocked = folder_.File(QStringLiteral("blocked.pdf"));
    ASSERT_TRUE(QDir().mkpath(blocked + QStringLiteral("/inside")));
    BatchResult result = Print(Rows(5), blocked);
    EXPECT_FALSE(result.ended);
    EXPECT_EQ(result.printed, 0);
    EXPECT_EQ(result.kept, 0);
    EXPECT_TRUE(Stored().isEmpty());
    ASSERT_FALSE(asker_.messages.isEmpty());
    EXPECT_TRUE(asker_.messages.last().contains(QStringLiteral("没有打印任何单据")))
        << asker_.messages.join(' ').toStdString();

    // History that cannot be written keeps the PDF from replacing its target.
    asker_.messages.clear();
    ASSERT_TRUE(RefuseInserts(*db_, QStringLiteral("历史")));
    result = Print(Rows(5), target_);
    EXPECT_FALSE(result.ended);
    EXPECT_FALSE(QFile::exists(target_));
    EXPECT_TRUE(Stored().isEmpty());
    EXPECT_TRUE(asker_.messages.join(' ').contains(QStringLiteral("历史记录无法保存")));
    EXPECT_TRUE(asker_.messages.last().contains(QStringLiteral("没有打印任何单据")));
    // No staging file stays behind either way.
    EXPECT_EQ(QDir(folder_.Path()).entryList({"*.part"}, QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(PrintTransactionTest, ACancelledBatchKeepsExactlyThePagesItPublishedAndSaysSo) {
    struct CancelAfterTwo final : JobProgress {
        void Start(const QString&, int) override {}
        void Step() override { ++done; }
        void Close() override {}
        bool CancelRequested() const override { return done >= 2; }
        int done = 0;
    } progress;
    QPrinter printer(QPrinter::HighResolution);
    UsePdfFile(printer, target_);
    PrintJob job(printer, asker_);
    BatchOptions options;
    options.history = db_.get();
    const BatchResult result = PrintBatch(job, format_, Rows(5), options, progress, asker_);
    EXPECT_EQ(result.printed, 2);
    EXPECT_EQ(result.kept, 2);
    EXPECT_EQ(ReadPdf(target_).size(), 2);
    EXPECT_EQ(Stored().value(QStringLiteral("收据")), QStringList({"R0", "R1"}));
    ASSERT_EQ(asker_.messages.size(), 1);
    EXPECT_EQ(asker_.messages[0],
              QStringLiteral("打印已取消。已打印的2张单据保留在打印任务中。其中2张已存入历史记录。"));
}

TEST_F(PrintTransactionTest, ABatchHoldsItsFormatAgainstRenameDeleteAndSaveFromElsewhere) {
    std::unique_ptr<Database> other = OpenDataDatabase();
    ASSERT_TRUE(other);
    RenameOutcome renamed = RenameOutcome::Renamed;
    bool deleted = true, saved = true;
    ScriptedAsker otherAsker;
    otherAsker.Yes();
    const BatchResult result = Print(Rows(3, 1, [&] {
        renamed = RenameFormatRecords(*other, format_.name, QStringLiteral("新收据"));
        FormatStore store(*other);
        deleted = DeleteFormat(store, otherAsker, format_.name, QString());
        Format changed = format_;
        SilentProgress progress;
        saved = store.SaveFormat(changed, QString(), 15360, progress);
        EXPECT_TRUE(store.RefusedWhilePrinting());
    }), target_);
    EXPECT_EQ(renamed, RenameOutcome::Printing);
    EXPECT_FALSE(deleted);
    EXPECT_FALSE(saved);
    EXPECT_EQ(otherAsker.messages, QStringList({QStringLiteral("格式“收据”正在打印，请稍后再删除")}));
    ASSERT_TRUE(result.Complete(3));
    EXPECT_EQ(Stored().value(QStringLiteral("收据")).size(), 3);

    // Once the job is over the format is free again.
    EXPECT_EQ(RenameFormatRecords(*other, format_.name, QStringLiteral("新收据")), RenameOutcome::Renamed);
    EXPECT_EQ(Stored().value(QStringLiteral("新收据")).size(), 3);
}

TEST_F(PrintTransactionTest, BillsGoUnderTheNameTheFormatHasWhenTheyAreKept) {
    const qint64 identity = FormatIdentity(*db_, format_.name);
    JobHistory history(*db_, identity);
    Bill bill;
    bill.SetValue(format_.boxes[0].id, QStringLiteral("甲"));
    history.Add(format_, bill);
    history.Add(format_, Bill()); // printed, but with nothing to keep
    history.Add(format_, bill);
    ASSERT_EQ(RenameFormatRecords(*db_, format_.name, QStringLiteral("改名收据")), RenameOutcome::Renamed);
    QString reason;
    ASSERT_TRUE(history.Prepare(&reason)) << reason.toStdString();
    ASSERT_TRUE(history.Commit());
    EXPECT_EQ(history.CommittedNumbers(), QList<qint64>({1, 0, 2}));
    EXPECT_EQ(Stored().value(QStringLiteral("改名收据")), QStringList({"甲", "甲"}));

    // A format that is gone takes no bills.
    ASSERT_TRUE(FormatStore(*db_).DeleteFormatRows(QStringLiteral("改名收据")));
    JobHistory orphan(*db_, identity);
    orphan.Add(format_, bill);
    EXPECT_FALSE(orphan.Prepare(&reason));
    EXPECT_EQ(reason, QStringLiteral("格式已被删除"));
    EXPECT_TRUE(Stored().isEmpty());
}

// A long batch writes its bills while it prints: nobody else sees them before the
// output is published, and a write that fails ends the batch there, publishing nothing.
TEST_F(PrintTransactionTest, ALongBatchWritesItsBillsAsItPrintsUnseenUntilPublished) {
    std::unique_ptr<Database> other = OpenDataDatabase();
    ASSERT_TRUE(other);
    const auto storedElsewhere = [&] {
        return other->Query(QStringLiteral("SELECT count(DISTINCT ID) FROM 历史")).rows.value(0).value(0).toInt();
    };
    int seenDuring = -1;
    ASSERT_TRUE(Print(Rows(700, 650, [&] { seenDuring = storedElsewhere(); }), target_).Complete(700));
    EXPECT_EQ(seenDuring, 0);
    EXPECT_EQ(storedElsewhere(), 700);
    const QStringList stored = Stored().value(QStringLiteral("收据"));
    ASSERT_EQ(stored.size(), 700);
    EXPECT_EQ(stored.first(), QStringLiteral("R0"));
    EXPECT_EQ(stored.last(), QStringLiteral("R699"));

    // The store refuses the rows: the batch stops at the first write instead of
    // printing every row, and neither the PDF nor any bill is kept.
    ASSERT_TRUE(RefuseInserts(*db_, QStringLiteral("历史")));
    int loaded = 0;
    BatchSource source = Rows(5000);
    const auto load = source.load;
    source.load = [&](int index, Bill& bill, QString* problem) {
        ++loaded;
        return load(index, bill, problem);
    };
    const QString second = folder_.File(QStringLiteral("second.pdf"));
    const BatchResult refused = Print(source, second);
    EXPECT_FALSE(refused.ended);
    EXPECT_EQ(refused.kept, 0);
    EXPECT_LT(loaded, 1000);
    EXPECT_FALSE(QFile::exists(second));
    EXPECT_EQ(storedElsewhere(), 700);
    EXPECT_TRUE(asker_.messages.last().contains(QStringLiteral("没有打印任何单据")))
        << asker_.messages.join(' ').toStdString();
}

// A long job's open transaction keeps the store's page cache small; a short one leaves
// it alone. The connection has its own cache back once the job is kept, and once a job
// whose bills were refused ends.
TEST_F(PrintTransactionTest, ALongJobShrinksTheStoreCacheOnlyWhileItsBillsAreOpen) {
    const auto cacheSize = [&] {
        return db_->Query(QStringLiteral("PRAGMA cache_size")).rows.value(0).value(0).toLongLong();
    };
    const qint64 own = cacheSize();
    qint64 during = 0;
    ASSERT_TRUE(Print(Rows(300, 290, [&] { during = cacheSize(); }), target_).Complete(300));
    EXPECT_EQ(during, own);
    ASSERT_TRUE(Print(Rows(700, 600, [&] { during = cacheSize(); }), target_).Complete(700));
    EXPECT_LT(std::abs(during), std::abs(own));
    EXPECT_EQ(cacheSize(), own);
    EXPECT_EQ(Stored().value(QStringLiteral("收据")).size(), 1000);

    // Refused after the cache was made small.
    during = own;
    ASSERT_TRUE(db_->Exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE INSERT ON main.历史 "
                                         "WHEN (SELECT count(*) FROM main.历史) >= 1600 "
                                         "BEGIN SELECT RAISE(ABORT, 'full'); END")));
    EXPECT_FALSE(Print(Rows(1000, 600, [&] { during = cacheSize(); }),
                       folder_.File(QStringLiteral("refused.pdf"))).ended);
    EXPECT_LT(std::abs(during), std::abs(own));
    EXPECT_EQ(cacheSize(), own);
    EXPECT_EQ(Stored().value(QStringLiteral("收据")).size(), 1000);
}

// Renamed through the job's own connection after its first bills were written: every
// bill still ends up under the name the format has when they are kept.
TEST_F(PrintTransactionTest, BillsWrittenBeforeARenameOnTheSameConnectionFollowTheName) {
    JobHistory history(*db_, FormatIdentity(*db_, format_.name));
    Bill bill;
    bill.SetValue(format_.boxes[0].id, QStringLiteral("乙"));
    for (int i = 0; i < 300; ++i) ASSERT_TRUE(history.Add(format_, bill));
    ASSERT_EQ(RenameFormatRecords(*db_, format_.name, QStringLiteral("新名收据")), RenameOutcome::Renamed);
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(history.Add(format_, bill));
    QString reason;
    ASSERT_TRUE(history.Prepare(&reason)) << reason.toStdString();
    ASSERT_TRUE(history.Commit());
    EXPECT_EQ(history.CommittedNumbers().size(), 320);
    EXPECT_EQ(history.CommittedNumbers().last(), 320);
    const QMap<QString, QStringList> stored = Stored();
    EXPECT_EQ(stored.keys(), QStringList({QStringLiteral("新名收据")}));
    EXPECT_EQ(stored.value(QStringLiteral("新名收据")).size(), 320);
}

TEST_F(PrintTransactionTest, StagingFilesOfEndedProcessesGoAtTheNextJobIntoTheirFolder) {
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    ASSERT_TRUE(ended.waitForFinished());
    const qint64 deadPid = ended.processId() > 0 ? ended.processId() : 999999;
    const QString stale = folder_.File(QStringLiteral(".out.pdf.vellumark-%1-abc.part").arg(deadPid));
    const QString live =
        folder_.File(QStringLiteral(".out.pdf.vellumark-%1-def.part").arg(QCoreApplication::applicationPid()));
    const QString staleOther = folder_.File(QStringLiteral(".收据 3.pdf.vellumark-%1-x9.part").arg(deadPid));
    const QString foreign = folder_.File(QStringLiteral(".notes.part"));
    for (const QString& path : {stale, staleOther, live, foreign}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // A folder named like a staging file is left alone.
    const QString folderLikeOne = folder_.File(QStringLiteral(".out.pdf.vellumark-%1-ghi.part").arg(deadPid));
    ASSERT_TRUE(QDir().mkdir(folderLikeOne));
    ASSERT_TRUE(Print(Rows(1), target_).Complete(1));
    EXPECT_FALSE(QFile::exists(stale));
    EXPECT_FALSE(QFile::exists(staleOther)) << "whatever target it was for";
    EXPECT_TRUE(QFileInfo(folderLikeOne).isDir());
    EXPECT_TRUE(QFile::exists(live));    // its process still runs
    EXPECT_TRUE(QFile::exists(foreign)); // not ours
    // A staging name says whose it is.
    const QString name = NewStagingName(folder_.Path(), QStringLiteral("out.pdf"));
    EXPECT_TRUE(QFileInfo(name).fileName().startsWith(
        QStringLiteral(".out.pdf.vellumark-%1-").arg(QCoreApplication::applicationPid())));
}
