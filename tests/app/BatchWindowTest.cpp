// The window's batches: every data row in one job with its progress and cancel,
// multi-page bills stepping page by page, the history bills again, label sheets.
#include "AppFixture.h"

#include "../print/PdfProbe.h"
#include "app/BillDataView.h"
#include "app/HistoryView.h"
#include "app/MainWindow.h"
#include "app/Session.h"
#include "app/printui/LabelSheetDialog.h"
#include "app/printui/LabelSheetPreview.h"
#include "app/printui/PrintProgressDialog.h"
#include "designer/DesignerView.h"
#include "records/HistoryModel.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"

#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>

namespace {

class BatchWindowTest : public AppFixture {
protected:
    void SetUp() override {
        session_ = OpenSession();
        ASSERT_TRUE(session_);
        StoreSampleFormat(*session_, "支票");
        Open("支票");
    }
    void Open(const QString& name) {
        window_ = std::make_unique<MainWindow>(*session_, asker_);
        window_->show();
        ASSERT_TRUE(window_->OpenFormat(name, true));
    }
    qint64 Id(int box) const { return session_->CurrentFormat().boxes[box].id; }
    void SetRows(int count) {
        BillData data;
        for (int i = 0; i < 3; ++i)
            data.columns << BillColumn{i == 2 ? 1001 : i + 1, Id(i), session_->CurrentFormat().boxes[i].label};
        for (int row = 1; row <= count; ++row)
            data.rows << BillRow{row, {QString(), QStringLiteral("Payee%1").arg(row), QString()}};
        window_->BillDataTab().SetData(data);
    }
    QString ToPdf(const QString& name) {
        const QString pdf = folder_.File(name);
        asker_.File(pdf);
        ChoosePdfWhenAsked(1);
        return pdf;
    }
    qint64 Bills() {
        return session_->Db().Query("SELECT count(*) FROM (SELECT DISTINCT Fmt, ID FROM 历史)").rows[0][0].toLongLong();
    }

    std::unique_ptr<Session> session_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace

TEST_F(BatchWindowTest, AllRowsPrintInOneJobAndLeaveTheBoxesAsTheyWere) {
    SetRows(3);
    EnterValue(*window_, Id(1), QStringLiteral("typed"));
    const QString pdf = ToPdf("all.pdf");
    EXPECT_TRUE(window_->PrintAllRows()) << asker_.messages.join(' ').toStdString();
    const QList<PdfPage> pages = ReadPdf(pdf);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_TRUE(PdfText(pdf).contains("Payee3"));
    EXPECT_EQ(Bills(), 3);
    EXPECT_EQ(session_->CurrentBill().Value(Id(1)), QStringLiteral("typed"));
}

TEST_F(BatchWindowTest, CancellingTheProgressKeepsExactlyThePagesAndBillsPrinted) {
    // Enough rows that the batch outlasts the dialog's first look at window events.
    constexpr int kRows = 10000;
    SetRows(kRows);
    const QString pdf = ToPdf("cancelled.pdf");
    // Cancel as soon as the dialog shows a bill done.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (auto* dialog : window_->findChildren<PrintProgressDialog*>())
            if (dialog->isVisible() && dialog->value() >= 1) dialog->cancel();
    });
    poll.start(0);
    EXPECT_FALSE(window_->PrintAllRows());
    poll.stop();
    const qint64 kept = Bills();
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, kRows);
    EXPECT_EQ(ReadPdf(pdf).size(), kept);
    EXPECT_TRUE(asker_.messages.join(' ').contains(QStringLiteral("打印已取消")));
}

TEST_F(BatchWindowTest, MultiPageBillsOpenTheirPagesInTurnAndClearOnlyAfterTheLast) {
    for (const char* name : {"a_1", "a_2", "a_3"}) {
        StoreSampleFormat(*session_, QString::fromLatin1(name));
        FormatStore& store = session_->Formats();
        PageParams page = *store.LoadPageParams(QString::fromLatin1(name));
        page.options.autoJump = true;
        page.options.clearAfterPrint = true;
        ASSERT_TRUE(store.SavePageParams(QString::fromLatin1(name), page, 15360));
    }
    Open("a_1");
    for (const char* next : {"a_2", "a_3", "a_1"}) {
        EnterValue(*window_, Id(1), QStringLiteral("张三"));
        ToPdf("page.pdf");
        ASSERT_TRUE(window_->PrintCurrentBill());
        EXPECT_EQ(session_->CurrentFormat().name, QString::fromLatin1(next));
    }
    // Back on the first page after the last: the bill is done and the boxes cleared,
    // though a_1 kept "张三" as its contents when it was left.
    EXPECT_TRUE(session_->CurrentBill().Value(Id(1)).isEmpty());
    EXPECT_EQ(Bills(), 3);
}

TEST_F(BatchWindowTest, SelectedHistoryBillsPrintAgainWithoutNewHistory) {
    SetRows(3);
    ToPdf("first.pdf");
    ASSERT_TRUE(window_->PrintAllRows());
    HistoryView& history = window_->History();
    history.SetFormat("支票");
    history.ShowHistory(0);
    ASSERT_EQ(history.Model().rowCount(), 3);
    // Newest first: rows 0 and 1 are bills 3 and 2.
    history.Table()->selectionModel()->select(
        QItemSelection(history.Model().index(0, 0), history.Model().index(1, 0)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const QString pdf = ToPdf("again.pdf");
    EXPECT_TRUE(window_->PrintHistoryRows());
    EXPECT_EQ(ReadPdf(pdf).size(), 2);
    EXPECT_EQ(Bills(), 3);
    EXPECT_EQ(session_->CurrentBill().Value(Id(1)), QStringLiteral("Payee2"));
}

TEST_F(BatchWindowTest, LabelSheetDialogRemembersItsFieldsAndPagesThePreview) {
    SetRows(7);
    const QString pdf = folder_.File("labels.pdf");
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<LabelSheetDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        dialog->findChild<QSpinBox*>("Columns")->setValue(2);
        dialog->findChild<QSpinBox*>("Rows")->setValue(3);
        LabelSheetPreview& preview = dialog->Preview();
        EXPECT_EQ(preview.PageCount(), 2);
        EXPECT_EQ(preview.LabelsShown(), 6);
        preview.ShowPage(1);
        EXPECT_EQ(preview.LabelsShown(), 1);
        preview.grab(); // paints without trouble
        asker_.File(pdf);
        ChoosePdfWhenAsked(1);
        dialog->accept();
    });
    EXPECT_TRUE(window_->PrintLabelSheets()) << asker_.messages.join(' ').toStdString();
    EXPECT_EQ(ReadPdf(pdf).size(), 2);
    EXPECT_EQ(ReadSetting("QD01", "TagPrintSet", "Index0", QString()), "2");
    EXPECT_EQ(ReadSetting("QD01", "TagPrintSet", "Index1", QString()), "3");
}
