// The window's prints: each goes to the target chosen for it (a PDF file chosen once
// never takes a later printer job), and a bill printed or added before new boxes were
// saved still keeps every box's value.
#include "AppFixture.h"

#include "../print/PdfProbe.h"
#include "app/MainWindow.h"
#include "app/Session.h"
#include "common/CupsQueue.h"
#include "designer/DesignerView.h"
#include "designer/InputBox.h"
#include "document/FormatDocument.h"
#include "store/Database.h"
#include "store/FormatStore.h"

#include <QAction>
#include <QCryptographicHash>
#include <QFile>
#include <QStatusBar>

namespace {

QByteArray Digest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

bool HasWord(const QString& pdf, const QString& text) {
    for (const PdfPage& page : ReadPdf(pdf))
        for (const PdfWord& word : page.words)
            if (word.text == text) return true;
    return false;
}

class PrintTargetWindowTest : public AppFixture {
protected:
    void SetUp() override {
        session_ = OpenSession();
        ASSERT_TRUE(session_);
        window_ = StartWindowOnSample(*session_);
        ASSERT_EQ(session_->CurrentFormat().name, "支票");
        payee_ = session_->CurrentFormat().boxes[1].id;
    }
    void Type(qint64 id, const QString& text) { EnterValue(*window_, id, text); }
    void Trigger(const char* name) {
        QAction* action = window_->findChild<QAction*>(name);
        ASSERT_TRUE(action) << name;
        action->trigger();
    }
    // A labelled text box added on the canvas, not yet saved; its temporary ID.
    qint64 AddLabelledBox(const QString& label, QPoint at) {
        InputBox* box = window_->Designer().AddBox(0, at);
        EXPECT_TRUE(box);
        if (!box) return 0;
        BoxRecord record = *session_->CurrentFormat().FindBox(box->Id());
        record.label = label;
        session_->Document().ChangeRecord(record, "设置内容框");
        return box->Id();
    }
    // The stored values of the newest bill, by box label.
    QMap<QString, QString> NewestBill() {
        QMap<QString, QString> values;
        const QueryResult rows = session_->Db().Query(
            "SELECT f.LBL, h.Con FROM 历史 h JOIN Fmt f ON f.ID=h.CID "
            "WHERE h.Fmt='支票' AND h.ID=(SELECT max(ID) FROM 历史 WHERE Fmt='支票')");
        for (const QVariantList& row : rows.rows) values.insert(row[0].toString(), row[1].toString());
        return values;
    }

    std::unique_ptr<Session> session_;
    std::unique_ptr<MainWindow> window_;
    qint64 payee_ = 0;
};

} // namespace

TEST_F(PrintTargetWindowTest, APdfFileChosenOnceNeverTakesALaterPrinterJob) {
    const QString why = StartCupsPdfQueue();
    if (!why.isEmpty()) GTEST_SKIP() << why.toStdString();
    const QString pdf = folder_.File("bill.pdf");
    Type(payee_, "5月");
    asker_.File(pdf);
    ChoosePdfWhenAsked(1);
    Trigger("mPrint");
    ASSERT_TRUE(QFile::exists(pdf)) << asker_.messages.join(' ').toStdString();
    // The window's PDF has its text layer repaired as the command line's has.
    EXPECT_TRUE(HasWord(pdf, "5月"));
    const QByteArray first = Digest(pdf);

    const QStringList before = CupsPdfFiles();
    Type(payee_, "CUPS");
    ChoosePrinterWhenAsked("PDF", 1);
    Trigger("mPrint");
    const QString spooled = WaitForNewCupsPdf(before);
    ASSERT_FALSE(spooled.isEmpty()) << "the queue got no job; " << asker_.messages.join(' ').toStdString();
    EXPECT_EQ(Digest(pdf), first);
    EXPECT_EQ(NewestBill().value("收款人"), "CUPS");
}

TEST_F(PrintTargetWindowTest, NewBoxesTypedBeforeSavingAreInTheKeptBill) {
    const qint64 first = AddLabelledBox("数量1", QPoint(1500, 2500));
    const qint64 second = AddLabelledBox("数量2", QPoint(1500, 3200));
    ASSERT_TRUE(IsTemporaryId(first) && IsTemporaryId(second));
    Type(payee_, "张三");
    Type(first, "7");
    Type(second, "8");
    asker_.File(folder_.File("bill.pdf"));
    ChoosePdfWhenAsked(1);
    Trigger("mPrint");
    const QMap<QString, QString> printed = NewestBill();
    EXPECT_EQ(printed.value("收款人"), "张三");
    EXPECT_EQ(printed.value("数量1"), "7");
    EXPECT_EQ(printed.value("数量2"), "8");
    EXPECT_TRUE(window_->statusBar()->currentMessage().contains("已先保存格式"))
        << window_->statusBar()->currentMessage().toStdString();

    // Adding a bill from the bill menu saves a new box first just the same.
    const qint64 third = AddLabelledBox("合计", QPoint(1500, 3900));
    Type(payee_, "李四");
    Type(third, "15");
    Trigger("mAddBills");
    EXPECT_EQ(NewestBill().value("合计"), "15");
    EXPECT_EQ(NewestBill().value("收款人"), "李四");
    const Format stored = *session_->Formats().LoadFormat("支票", 15360);
    for (const BoxRecord& box : stored.boxes) EXPECT_FALSE(IsTemporaryId(box.id));
}
