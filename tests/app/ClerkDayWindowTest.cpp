// A clerk's day in the main window: options that survive a restart without
// "保存格式", undo from wherever the focus is, the shortcuts and menu letters, the
// title with its unsaved mark, the status-bar notes, the calibration question before
// the printer, a locked background, and the splitter kept from one start to the next.
#include "AppFixture.h"

#include "app/MainWindow.h"
#include "app/QtAsker.h"
#include "app/Session.h"
#include "designer/DesignerView.h"
#include "designer/TextInputBox.h"
#include "document/FormatDocument.h"
#include "store/FormatStore.h"

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QTimer>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QUndoStack>

namespace {

class ClerkDayWindowTest : public AppFixture {
protected:
    void SetUp() override { Start(); }

    void Start() {
        session_ = OpenSession();
        ASSERT_TRUE(session_);
        window_ = StartWindowOnSample(*session_);
        ASSERT_EQ(session_->CurrentFormat().name, "支票");
    }
    // Closes the window as the user does (answering no question) and starts again.
    void Restart() {
        ASSERT_TRUE(window_->close());
        window_.reset();
        session_.reset();
        Start();
    }
    void Activate() {
        window_->activateWindow();
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    QCheckBox* OptionBox(int index) {
        for (QCheckBox* box : window_->findChildren<QCheckBox*>("O2"))
            if (box->property("index").toInt() == index) return box;
        return nullptr;
    }
    QAction* Action(const char* name) { return window_->findChild<QAction*>(name); }
    qint64 Payee() const { return session_->CurrentFormat().boxes[1].id; }
    // Moves the payee box 5 mm right: one step of the document.
    void MovePayee() {
        BoxRecord moved = *session_->CurrentFormat().FindBox(Payee());
        moved.x += 5;
        session_->Document().ChangeRecord(moved, "移动内容框");
    }
    QPlainTextEdit* PayeeEditor() {
        auto* box = qobject_cast<TextInputBox*>(window_->Designer().BoxById(Payee()));
        return box ? box->Editor() : nullptr;
    }

    std::unique_ptr<Session> session_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(ClerkDayWindowTest, OptionsAndThePaperAnswerSurviveARestartWithoutSavingTheFormat) {
    Action("mSetPaper")->trigger();
    Action("mClearAfterPrint")->trigger();
    OptionBox(kShowBackground)->click();
    MovePayee(); // an unsaved box edit, dropped at the close
    asker_.YesNoCancel(false);
    ASSERT_TRUE(window_->close());
    window_.reset();
    session_.reset();
    Start();
    EXPECT_TRUE(Action("mSetPaper")->isChecked());
    EXPECT_TRUE(Action("mClearAfterPrint")->isChecked());
    EXPECT_FALSE(Action("mDiTuPrint")->isChecked());
    EXPECT_EQ(session_->CurrentFormat().page.options.optionBoxes[kShowBackground], 0);
    EXPECT_DOUBLE_EQ(session_->CurrentFormat().boxes[1].x, 10); // the box edit was not kept

    // "是" to the paper warning: the bill page is larger than the paper.
    Action("mSetPaper")->trigger();
    ASSERT_FALSE(session_->CurrentFormat().page.options.setPaper);
    PageParams wide = session_->CurrentFormat().page;
    wide.width = 400;
    session_->Document().SetPage(wide);
    asker_.File(folder_.File("wide.pdf")).Yes();
    ChoosePdfWhenAsked(1);
    ASSERT_TRUE(window_->PrintCurrentBill()) << asker_.messages.join(' ').toStdString();
    EXPECT_TRUE(asker_.AllAnswered());
    Restart();
    EXPECT_TRUE(session_->CurrentFormat().page.options.setPaper);
    EXPECT_DOUBLE_EQ(session_->CurrentFormat().page.width, 210); // the size was not saved
}

TEST_F(ClerkDayWindowTest, UndoWorksWhereverTheFocusIsAndABoxKeepsItsOwnTextUndo) {
    window_->show();
    Activate();
    MovePayee();
    QAction* undo = Action("mUndo");
    EXPECT_EQ(undo->text(), "撤销 “移动内容框”");
    EXPECT_EQ(undo->shortcut(), QKeySequence("Ctrl+Z"));

    // In a box with nothing typed, Ctrl+Z undoes the format's step.
    QPlainTextEdit* editor = PayeeEditor();
    ASSERT_TRUE(editor);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(session_->CurrentFormat().boxes[1].x, 10);
    EXPECT_EQ(Action("mRedo")->text(), "重做 “移动内容框”");
    QTest::keyClick(editor, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(session_->CurrentFormat().boxes[1].x, 15);

    // Typed text is undone in the box first, the format's step after it.
    QTest::keyClicks(editor, "Li");
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor->toPlainText(), "");
    EXPECT_DOUBLE_EQ(session_->CurrentFormat().boxes[1].x, 15);

    // With the focus in the format tree the keys still reach the format's steps.
    QWidget* tree = window_->findChild<QWidget*>("TV");
    ASSERT_TRUE(tree);
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(session_->CurrentFormat().boxes[1].x, 10);
}

TEST_F(ClerkDayWindowTest, ShortcutsMenuLettersAndTheTitle) {
    EXPECT_EQ(Action("mPrint")->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(Action("mSaveFmt")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(Action("mNewFmt")->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(Action("mHelp")->shortcut(), QKeySequence("F1"));
    QStringList titles;
    for (QAction* top : window_->menuBar()->actions()) titles << top->text();
    // Every menu has its own Alt letter.
    QSet<QChar> letters;
    for (const QString& title : titles) {
        const qsizetype amp = title.indexOf('&');
        ASSERT_GE(amp, 0) << title.toStdString();
        letters.insert(title.at(amp + 1));
    }
    EXPECT_EQ(letters.size(), titles.size());

    EXPECT_EQ(window_->windowTitle(), "支票 — Vellumark");
    MovePayee();
    EXPECT_EQ(window_->windowTitle(), "支票 * — Vellumark");
    // Ctrl+S saves: the mark goes and the status bar says so.
    window_->show();
    Activate();
    QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(window_->windowTitle(), "支票 — Vellumark");
    EXPECT_EQ(window_->statusBar()->currentMessage(), "格式“支票”已保存。");
    EXPECT_DOUBLE_EQ(session_->Formats().LoadFormat("支票", 15360)->boxes[1].x, 15);
}

TEST_F(ClerkDayWindowTest, ADialogTitleNamesTheProgramOnce) {
    const QString before = QApplication::applicationDisplayName();
    QApplication::setApplicationDisplayName("Vellumark");
    QtAsker real(window_.get());
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        shown = dialog->windowTitle();
        dialog->reject();
    });
    EXPECT_FALSE(real.AskText("请输入需要新建的格式名称：", {}, "Vellumark-新建格式模板"));
    // The frame adds " — Vellumark" after it.
    EXPECT_EQ(shown, "新建格式模板");
    QApplication::setApplicationDisplayName(before);
}

TEST_F(ClerkDayWindowTest, APrintSaysHowManyPagesInTheStatusBar) {
    EnterValue(*window_, Payee(), "李四");
    asker_.File(folder_.File("bill.pdf"));
    ChoosePdfWhenAsked(2);
    ASSERT_TRUE(window_->PrintCurrentBill());
    EXPECT_EQ(window_->statusBar()->currentMessage(), "已打印 2 页");
}

TEST_F(ClerkDayWindowTest, TheCalibrationQuestionComesBeforeThePrinter) {
    // "否": no printer chooser, no file.
    asker_.No();
    window_->findChild<QPushButton*>("CmdCalibrate")->click();
    ASSERT_EQ(asker_.questions.size(), 1);
    EXPECT_TRUE(asker_.questions.first().startsWith("您是否需要打印校验图形？"));
    EXPECT_TRUE(asker_.AllAnswered());

    const QString pdf = folder_.File("calibration.pdf");
    asker_.Yes().File(pdf);
    ChoosePdfWhenAsked(1);
    window_->findChild<QPushButton*>("CmdCalibrate")->click();
    EXPECT_TRUE(asker_.AllAnswered());
    EXPECT_TRUE(QFile::exists(pdf));
}

TEST_F(ClerkDayWindowTest, ALockedFormatKeepsItsBackground) {
    const QString picture = BackgroundPicturePath("支票");
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::gray);
    ASSERT_TRUE(image.save(picture, "JPG"));
    // The sample format is stored locked.
    ASSERT_TRUE(window_->Designer().IsLocked());
    window_->Designer().ClearBackground();
    window_->Designer().ReplaceBackground();
    EXPECT_TRUE(QFile::exists(picture));
    EXPECT_TRUE(asker_.shown.isEmpty()); // not even asked
    for (const char* name : {"mModiBackgroundPic", "mClearBackPic"}) {
        QAction* action = window_->Designer().CanvasMenu()->findChild<QAction*>(name);
        ASSERT_TRUE(action);
        window_->Designer().CanvasMenu()->popup({0, 0}); // the menu states follow the lock
        EXPECT_FALSE(action->isEnabled()) << name;
        window_->Designer().CanvasMenu()->hide();
    }
}

TEST_F(ClerkDayWindowTest, TheSplitterBetweenCanvasAndGridsIsRemembered) {
    window_->show();
    auto* splitter = window_->findChild<QSplitter*>("PageAndGrids");
    ASSERT_TRUE(splitter);
    const int total = splitter->sizes()[0] + splitter->sizes()[1];
    splitter->setSizes({total - 120, 120});
    const QList<int> chosen = splitter->sizes();
    Restart();
    window_->show();
    splitter = window_->findChild<QSplitter*>("PageAndGrids");
    EXPECT_EQ(splitter->sizes(), chosen);
}

} // namespace
