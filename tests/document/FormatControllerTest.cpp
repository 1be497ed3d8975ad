// The controller of the open format over a real store: the bill a format opens with,
// leaving with unsaved edits, options kept without saving the boxes, bills added and
// printed to real PDF files with their history rows in the same transaction, and the
// pages of a multi-page bill in turn.
#include "../print/PdfProbe.h"
#include "common/ScriptedAsker.h"
#include "common/TempDataFolder.h"
#include "aids/AidContext.h"
#include "aids/EntryPath.h"
#include "core/Progress.h"
#include "document/FormatController.h"
#include "document/FormatDocument.h"
#include "print/PdfWriterOutput.h"
#include "print/PrintJob.h"
#include "records/Defaults.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/Schema.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

BoxRecord Box(BoxKind kind, const QString& label, double y, const QString& fixedText = {}) {
    BoxRecord box;
    box.id = kFirstTemporaryId;
    box.kind = kind;
    box.label = label;
    box.x = 10;
    box.y = y;
    box.w = 80;
    box.h = 8;
    box.fontName = QStringLiteral("Noto Sans CJK SC");
    box.fontSize = 12;
    box.mem = fixedText;
    return box;
}

class FormatControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        db_ = OpenDataDatabase();
        ASSERT_TRUE(db_);
        Store(QStringLiteral("收据"));
        controller_ = std::make_unique<FormatController>(*db_, document_, settings_, asker_, progress_);
        notes_ = std::make_unique<QSignalSpy>(controller_.get(), &FormatController::Note);
    }

    // A format with a fixed text, the labelled boxes 名称 and 金额 and a check box.
    void Store(const QString& name, PageOptions options = {}) {
        Format format;
        format.name = name;
        format.page.width = 120;
        format.page.height = 60;
        format.page.options = options;
        format.boxes = {Box(BoxKind::Text, QString(), 5, QStringLiteral("收据联")),
                        Box(BoxKind::Text, QStringLiteral("名称"), 15), Box(BoxKind::Text, QStringLiteral("金额"), 25),
                        Box(BoxKind::Check, QStringLiteral("加急"), 35)};
        for (int i = 0; i < format.boxes.size(); ++i) format.boxes[i].id = kFirstTemporaryId + i;
        ASSERT_TRUE(FormatStore(*db_).SaveFormat(format, name, 15360, progress_));
    }

    qint64 IdOf(const QString& label) const {
        for (const BoxRecord& box : document_.GetFormat().boxes)
            if (box.label == label) return box.id;
        return 0;
    }
    void Type(const QString& label, const QString& value) {
        EnterValue(document_, IdOf(label), value, EntryRoute::Typed, controller_->Aids());
    }
    QString Shown(const QString& label) const { return document_.Content(IdOf(label)); }

    // Stored bills of the format: number -> label -> value.
    QMap<qint64, QMap<QString, QString>> History(const QString& format = QStringLiteral("收据")) {
        QMap<qint64, QMap<QString, QString>> bills;
        const QueryResult rows = db_->Query(
            QStringLiteral("SELECT h.ID, f.LBL, h.Con FROM 历史 h JOIN Fmt f ON f.ID=h.CID WHERE h.Fmt=?"), {format});
        for (const QVariantList& row : rows.rows)
            bills[row[0].toLongLong()].insert(row[1].toString(), row[2].toString());
        return bills;
    }
    PrintedBill PrintTo(const QString& pdf, bool keep = true) {
        PdfWriterOutput output(pdf);
        PrintJob job(output, asker_);
        return controller_->PrintCurrentBill(job, 1, keep);
    }
    QStringList Notes() const {
        QStringList notes;
        for (const QList<QVariant>& note : *notes_) notes << note[0].toString();
        return notes;
    }

    TempDataFolder folder_;
    std::unique_ptr<Database> db_;
    SilentProgress progress_;
    ScriptedAsker asker_;
    EntrySettings settings_;
    FormatDocument document_;
    std::unique_ptr<FormatController> controller_;
    std::unique_ptr<QSignalSpy> notes_;
};

TEST_F(FormatControllerTest, OpensWithTheStoredDefaultsAndStoresThemWhenAnotherFormatOpens) {
    ASSERT_TRUE(controller_->Open("收据"));
    EXPECT_EQ(Shown(""), "收据联"); // the fixed text
    Type("名称", "远山文具");
    Store("发票");
    ASSERT_TRUE(controller_->Open("发票"));
    EXPECT_EQ(Shown("名称"), "");
    // Back on the first format its boxes hold what they held when it was left.
    ASSERT_TRUE(controller_->Open("收据"));
    EXPECT_EQ(Shown("名称"), "远山文具");
    EXPECT_FALSE(controller_->Open("没有这个格式"));
    EXPECT_EQ(document_.GetFormat().name, "收据");
}

TEST_F(FormatControllerTest, AsksBeforeUnsavedBoxEditsAreLeft) {
    ASSERT_TRUE(controller_->Open("收据"));
    EXPECT_TRUE(controller_->Leave()); // nothing edited: no question
    BoxRecord moved = *document_.Record(IdOf("名称"));
    moved.x = 33;
    document_.ChangeRecord(moved, "移动内容框");
    asker_.YesNoCancel(std::nullopt).YesNoCancel(false).YesNoCancel(true);
    EXPECT_FALSE(controller_->Leave());
    EXPECT_TRUE(controller_->Leave());
    EXPECT_EQ(FormatStore(*db_).LoadFormat("收据", 15360)->boxes[1].x, 10); // "no" saved nothing
    EXPECT_TRUE(controller_->Leave());
    EXPECT_EQ(FormatStore(*db_).LoadFormat("收据", 15360)->boxes[1].x, 33);
    EXPECT_FALSE(document_.IsModified());
    EXPECT_EQ(asker_.questions, QStringList(3, "格式“收据”的内容框已修改，是否保存修改？"));
    EXPECT_EQ(Notes(), QStringList{"格式“收据”已保存。"});
}

TEST_F(FormatControllerTest, OptionsAreKeptAtOnceWithoutTheUnsavedBoxEdits) {
    ASSERT_TRUE(controller_->Open("收据"));
    BoxRecord moved = *document_.Record(IdOf("名称"));
    moved.x = 33;
    document_.ChangeRecord(moved, "移动内容框");
    PageOptions options = document_.GetFormat().page.options;
    options.setPaper = true;
    options.clearAfterPrint = true;
    options.currency = "$";
    ASSERT_TRUE(controller_->KeepOptions(options));
    ASSERT_TRUE(controller_->KeepOffsets(12.5, 9));
    EXPECT_EQ(document_.GetFormat().page.options, options);
    EXPECT_TRUE(document_.IsModified()); // the box edit is still the user's to save

    const Format stored = *FormatStore(*db_).LoadFormat("收据", 15360);
    EXPECT_EQ(stored.page.options, options);
    EXPECT_DOUBLE_EQ(stored.page.offsetX, 12.5);
    EXPECT_DOUBLE_EQ(stored.page.offsetY, 9);
    EXPECT_EQ(stored.boxes[1].x, 10);
    // The currency is the open format's conversion setting at once.
    EXPECT_EQ(controller_->Filling().settings.currency, "$");

    // A format deleted meanwhile by someone else is not brought back by a toggle.
    ASSERT_TRUE(FormatStore(*db_).DeleteFormatRows("收据"));
    options.setPaper = false;
    EXPECT_TRUE(controller_->KeepOptions(options));
    EXPECT_FALSE(FormatStore(*db_).Exists("收据"));
    EXPECT_FALSE(document_.GetFormat().page.options.setPaper);
}

TEST_F(FormatControllerTest, PrintsToAPdfAndKeepsThePrintedBillInTheSameTransaction) {
    ASSERT_TRUE(controller_->Open("收据"));
    Type("名称", "远山文具");
    Type("加急", "1");
    QSignalSpy kept(controller_.get(), &FormatController::BillsKept);
    const QString pdf = folder_.File("bill.pdf");
    const PrintedBill printed = PrintTo(pdf);
    EXPECT_TRUE(printed.printed);
    EXPECT_TRUE(printed.kept);
    EXPECT_EQ(printed.pages, 1);
    EXPECT_EQ(kept.count(), 1);
    EXPECT_EQ(Notes(), QStringList{"已打印 1 页"});
    // What was printed is what was kept.
    EXPECT_TRUE(PdfText(pdf).contains("远山文具"));
    EXPECT_TRUE(PdfText(pdf).contains("收据联"));
    const auto bills = History();
    ASSERT_EQ(bills.size(), 1);
    EXPECT_EQ(bills.first().value("名称"), "远山文具");
    EXPECT_EQ(bills.first().value("加急"), "1");
    EXPECT_FALSE(bills.first().contains("")); // the fixed text belongs to the format

    // Without history the bill prints and nothing is kept.
    EXPECT_TRUE(PrintTo(folder_.File("again.pdf"), false).printed);
    EXPECT_EQ(History().size(), 1);
}

TEST_F(FormatControllerTest, AnOutputThatCannotBePublishedKeepsNoBill) {
    ASSERT_TRUE(controller_->Open("收据"));
    Type("名称", "远山文具");
    // The target is a folder: the PDF cannot be put there.
    const QString target = folder_.File("taken");
    ASSERT_TRUE(QDir().mkdir(target));
    const PrintedBill printed = PrintTo(target);
    EXPECT_FALSE(printed.printed);
    EXPECT_FALSE(printed.kept);
    EXPECT_TRUE(History().isEmpty());
    EXPECT_FALSE(asker_.messages.isEmpty());
    // The bill stays in the boxes for another try.
    EXPECT_EQ(Shown("名称"), "远山文具");
}

TEST_F(FormatControllerTest, NewBoxesAreSavedBeforeTheirBillIsAddedAndTheNextBillStarts) {
    ASSERT_TRUE(controller_->Open("收据"));
    BoxRecord added = Box(BoxKind::Text, QStringLiteral("备注"), 45);
    const qint64 id = document_.AddRecord(added, "添加内容框");
    ASSERT_TRUE(IsTemporaryId(id));
    Type("名称", "远山文具");
    Type("备注", "周五送");
    Type("加急", "1");
    QSignalSpy kept(controller_.get(), &FormatController::BillsKept);
    ASSERT_TRUE(controller_->AddBill());
    EXPECT_EQ(kept.count(), 1);
    const auto bills = History();
    ASSERT_EQ(bills.size(), 1);
    EXPECT_EQ(bills.first().value("备注"), "周五送");
    const std::optional<Format> stored = FormatStore(*db_).LoadFormat("收据", 15360);
    ASSERT_TRUE(stored);
    for (const BoxRecord& box : stored->boxes)
        EXPECT_FALSE(IsTemporaryId(box.id)) << box.label.toStdString();
    EXPECT_EQ(Notes(), QStringList({"格式“收据”有新的内容框，已先保存格式，单据的全部内容才能存入历史记录。",
                                    QStringLiteral("已添加第 %1 张单据").arg(bills.firstKey())}));
    // The boxes start the next bill; the fixed text stays.
    EXPECT_EQ(Shown("名称"), "");
    EXPECT_EQ(Shown("加急"), "");
    EXPECT_EQ(Shown(""), "收据联");

    // An empty bill adds nothing and says so.
    ASSERT_TRUE(controller_->AddBill());
    EXPECT_EQ(History().size(), 1);
    EXPECT_EQ(Notes().last(), "单据没有任何内容，未存入历史记录。");
}

TEST_F(FormatControllerTest, APrintedPageOpensTheNextPageAndTheLastClearsTheBill) {
    PageOptions options;
    options.autoJump = true;
    options.clearAfterPrint = true;
    Store("运单_1", options);
    Store("运单_2", options);
    ASSERT_TRUE(controller_->Open("运单_1"));
    Type("名称", "第一页");
    ASSERT_TRUE(PrintTo(folder_.File("1.pdf")).kept);
    controller_->AfterPrint();
    EXPECT_EQ(document_.GetFormat().name, "运单_2");
    Type("名称", "第二页");
    ASSERT_TRUE(PrintTo(folder_.File("2.pdf")).kept);
    controller_->AfterPrint();
    // The last page wraps to the first, and the finished bill is cleared.
    EXPECT_EQ(document_.GetFormat().name, "运单_1");
    EXPECT_EQ(Shown("名称"), "");
    EXPECT_EQ(History("运单_1").first().value("名称"), "第一页");
    EXPECT_EQ(History("运单_2").first().value("名称"), "第二页");
}

} // namespace
