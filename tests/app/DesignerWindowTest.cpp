// The main window and the designer together: a format made from the menu, filled on
// the canvas, saved, and printed as the user would.
#include "AppFixture.h"

#include "app/BoxGridModel.h"
#include "app/MainWindow.h"
#include "app/Session.h"
#include "designer/DesignerView.h"
#include "designer/InputBox.h"
#include "store/FormatStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

class DesignerWindowTest : public AppFixture {
protected:
    void SetUp() override {
        session_ = OpenSession();
        ASSERT_TRUE(session_);
        window_ = std::make_unique<MainWindow>(*session_, asker_);
        window_->StartUp();
        window_->show();
    }
    void Trigger(const char* name) {
        QAction* action = window_->findChild<QAction*>(name);
        ASSERT_TRUE(action && action->isEnabled()) << name;
        action->trigger();
    }
    // A new 200 × 100 mm format from the menu.
    void CreateFormat(const QString& name) {
        asker_.Text(name).Text("200").Text("100");
        Trigger("mNewFmt");
        ASSERT_EQ(session_->CurrentFormat().name, name);
    }

    std::unique_ptr<Session> session_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(DesignerWindowTest, ANewFormatFromTheMenuIsStoredOpenedAndShownEmpty) {
    CreateFormat("进账单");
    EXPECT_EQ(window_->findChild<QLabel*>("Wid")->text(), "宽 200 mm");
    EXPECT_EQ(window_->findChild<QLabel*>("Hie")->text(), "高 100 mm");
    EXPECT_FALSE(window_->findChild<QLabel*>("NoFormatHint")->isVisible());
    EXPECT_TRUE(window_->findChild<QWidget*>("PG")->isVisible());
    EXPECT_TRUE(window_->Designer().Boxes().isEmpty());
    EXPECT_TRUE(session_->Formats().LoadFormat("进账单", 15360).has_value());
    EXPECT_EQ(session_->Formats().ReadLastUse().formatName, "进账单");

    // The same name again asks before replacing it; No keeps the first one.
    asker_.Text("进账单").Text("100").Text("50").No();
    Trigger("mNewFmt");
    EXPECT_EQ(session_->Formats().LoadPageParams("进账单")->width, 200);
    EXPECT_TRUE(asker_.AllAnswered());
}

TEST_F(DesignerWindowTest, ChoosingAFormatOpensItWithItsOwnBoxes) {
    CreateFormat("甲");
    window_->Designer().AddBox(4);
    Trigger("mSaveFmt");
    CreateFormat("乙");
    EXPECT_TRUE(window_->Designer().Boxes().isEmpty());
    // The format list is modal: press one of its buttons once it shows.
    auto answerList = [](int row, const char* button) {
        QTimer::singleShot(0, [row, button] {
            QWidget* list = QApplication::activeModalWidget();
            ASSERT_TRUE(list);
            list->findChild<QTableWidget*>("FmtGrid")->selectRow(row);
            for (QPushButton* candidate : list->findChildren<QPushButton*>())
                if (candidate->text() == QString::fromUtf8(button)) candidate->click();
        });
    };
    answerList(1, "选 择"); // the names come sorted by code point: 乙, 甲
    Trigger("mSelFmt");
    EXPECT_EQ(session_->CurrentFormat().name, "甲");
    EXPECT_EQ(window_->Designer().Boxes().size(), 1);
    EXPECT_EQ(window_->findChild<QLabel*>("LFMT")->text(), "甲");
    answerList(0, "退 出"); // leaving the list keeps the open format
    Trigger("mSelFmt");
    EXPECT_EQ(session_->CurrentFormat().name, "甲");
}

TEST_F(DesignerWindowTest, TypedContentAndCanvasEditsReachTheGridAndTheStore) {
    CreateFormat("收据");
    DesignerView& designer = window_->Designer();
    InputBox* box = designer.AddBox(0, QPoint(1500, 900));
    ASSERT_TRUE(box);
    EXPECT_EQ(window_->BoxGrid().rowCount(), 1);

    // Typing goes into the bill; an unlabelled box keeps its text with the format.
    box->setFocus();
    QWidget* editor = box->focusProxy() ? box->focusProxy() : box;
    QTest::keyClicks(editor, "ABC");
    const qint64 tempId = box->Id();
    EXPECT_EQ(session_->CurrentBill().Value(tempId), "ABC");
    Trigger("mSaveFmt");
    const Format stored = *session_->Formats().LoadFormat("收据", 15360);
    ASSERT_EQ(stored.boxes.size(), 1);
    EXPECT_FALSE(IsTemporaryId(stored.boxes[0].id));
    EXPECT_EQ(stored.boxes[0].mem, "ABC");

    // A grid edit moves the box on the canvas.
    BoxGridModel& grid = window_->BoxGrid();
    const int before = designer.Boxes().first()->x();
    ASSERT_TRUE(grid.setData(grid.index(0, BoxGridModel::kX), "120"));
    EXPECT_GT(designer.Boxes().first()->x(), before);
}

TEST_F(DesignerWindowTest, LockingTheFormatStopsTheEditingCommands) {
    CreateFormat("运单");
    QCheckBox* lock = nullptr;
    for (QCheckBox* box : window_->findChildren<QCheckBox*>("O2"))
        if (box->property("index").toInt() == kLocked) lock = box;
    ASSERT_TRUE(lock);
    lock->click();
    EXPECT_TRUE(window_->Designer().IsLocked());
    EXPECT_FALSE(window_->findChild<QAction*>("mAddTable")->isEnabled());
    EXPECT_FALSE(window_->findChild<QPushButton*>("CmdPageSize")->isEnabled());
    lock->click();
    EXPECT_TRUE(window_->findChild<QPushButton*>("CmdPageSize")->isEnabled());
}

TEST_F(DesignerWindowTest, TheBarcodeStandardDialogStoresTheChosenStandard) {
    CreateFormat("快递单");
    // The dialog is modal: answer it once it shows.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        const QList<QRadioButton*> options = dialog->findChildren<QRadioButton*>();
        ASSERT_EQ(options.size(), 3);
        EXPECT_TRUE(options[0]->isChecked()); // Code 39 is the default
        options[2]->click();
        dialog->findChild<QPushButton*>()->click();
    });
    Trigger("mBarCodeSet");
    EXPECT_EQ(session_->CurrentFormat().page.options.barcodeStandard, BarcodeStandard::QrCode);
    Trigger("mSaveFmt");
    EXPECT_EQ(session_->Formats().LoadPageParams("快递单")->options.barcodeStandard, BarcodeStandard::QrCode);
}

TEST_F(DesignerWindowTest, AlignmentFromTheMenuMovesTheSelectedBoxesAndUndoes) {
    CreateFormat("对账单");
    DesignerView& designer = window_->Designer();
    InputBox* first = designer.AddBox(0, QPoint(1000, 800));
    InputBox* second = designer.AddBox(0, QPoint(2000, 1600));
    ASSERT_TRUE(first && second);
    designer.ToggleSelected(first);
    designer.ToggleSelected(second);
    const double leftBefore = session_->CurrentFormat().boxes[1].x;
    // The prompt proposes the leftmost edge; take it.
    asker_.Text(QString::number(session_->CurrentFormat().boxes[0].x));
    Trigger("mAlignLeft");
    const QList<BoxRecord>& boxes = session_->CurrentFormat().boxes;
    EXPECT_DOUBLE_EQ(boxes[0].x, boxes[1].x);
    Trigger("mUndo");
    EXPECT_DOUBLE_EQ(session_->CurrentFormat().boxes[1].x, leftBefore);
}

QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {path, "-"});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

TEST_F(DesignerWindowTest, PrintingFromTheMenuWritesTheTypedAndConvertedBill) {
    CreateFormat("付款单");
    DesignerView& designer = window_->Designer();
    InputBox* box = designer.AddBox(0, QPoint(1500, 900));
    ASSERT_TRUE(box);
    // A capital-amount box: the typed digits print in Chinese capitals.
    BoxRecord amount = session_->CurrentFormat().boxes[0];
    amount.cash = 103;
    amount.label = "金额";
    amount.w = 150;
    session_->Document().ChangeRecord(amount, "设置内容框");
    EnterValue(*window_, session_->CurrentFormat().boxes[0].id, "1234.5");

    const QString pdf = folder_.File("bill.pdf");
    asker_.File(pdf);
    ChoosePdfWhenAsked(2);
    Trigger("mPrint");
    ASSERT_TRUE(QFile::exists(pdf));
    const QString text = PdfText(pdf);
    // pdftotext reads 角 back as its radical form; the rest comes back as printed.
    EXPECT_EQ(text.count("壹仟贰佰叁拾肆元伍"), 2) << text.toStdString(); // two copies
    EXPECT_FALSE(text.contains("金额")); // captions are on the paper already
}

} // namespace
