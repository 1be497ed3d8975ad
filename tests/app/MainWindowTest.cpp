#include "AppFixture.h"

#include "app/BoxGridModel.h"
#include "app/MainWindow.h"
#include "app/ProgressWindow.h"
#include "app/Session.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"

#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

class MainWindowTest : public AppFixture {
protected:
    void SetUp() override {
        session_ = OpenSession();
        ASSERT_TRUE(session_);
        window_ = StartWindowOnSample(*session_);
        ASSERT_EQ(session_->CurrentFormat().name, "支票");
    }
    QAction* Action(const char* name) { return window_->findChild<QAction*>(name); }
    Format Stored(const QString& name) {
        return session_->Formats().LoadFormat(name, 15360).value_or(Format());
    }

    std::unique_ptr<Session> session_;
    std::unique_ptr<MainWindow> window_;
};

// The object names of a menu's entries in order, submenus as "name[...]".
QStringList Entries(const QMenu* menu) {
    QStringList names;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        if (QMenu* sub = action->menu())
            names << sub->objectName() + "[" + Entries(sub).join(',') + "]";
        else
            names << action->objectName();
    }
    return names;
}

} // namespace

TEST_F(MainWindowTest, MenuHoldsEveryEntryInOrderWithItsObjectName) {
    QStringList menus;
    for (QAction* top : window_->menuBar()->actions())
        menus << top->text() + ":" + Entries(top->menu()).join(',');
    EXPECT_EQ(menus, QStringList({
        "打印(&P):mPrint,mPrintAll,mPrintLabels,mPrintPreview",
        "格式(&F):mNewFmt,mSelFmt,mSaveFmt,mSaveAsFmt,mManageFmt,mExportFmt,mImportFmt,mDownFmt,mScanFmt",
        "编辑(&E):mUndo,mRedo,mEditCut,mEditCopy,mEditPaste,mEditSelectAll,mEditCopyCtl,mEditDeleteCtl",
        "内容框设置(&C):mAlignMenu[mAlignLeft,mAlignRight,mAlignTop,mAlighBottom,mDistributeH,mDistributeV],"
        "mSizeMenu[mAlighWidth,mAlighHight,mAlignSize]",
        "设置(&S):mSetPaper,mDiTuPrint,mPrintRulers,mMonthZero,mSetCashChr,mNumCut,mSetCrlfChr,"
        "mAutoFontsize,mBarCodeSet,mInvoicePSDSet,mPagesAutoJump,mClearAfterPrint,mNoPicClear,"
        "mLoginPSD,mDbConnection",
        "工具(&T):mCheckCtl,mCompactDB,mAddTable,mStatistics",
        "帮助(&H):mHelp,mSamples,mAbout"}));
    EXPECT_TRUE(Action("mPrint")->isEnabled());
    EXPECT_TRUE(Action("mPrintAll")->isEnabled());
}

TEST_F(MainWindowTest, SavingStoresGridEditsOptionsAndTheUnlabelledText) {
    FormatDocument& document = session_->Document();
    const Format& format = document.GetFormat();
    BoxGridModel& grid = window_->BoxGrid();
    ASSERT_TRUE(grid.setData(grid.index(1, BoxGridModel::kX), "77.5"));
    const qint64 fixedId = format.boxes[0].id;
    document.SetContent(fixedId, "改过的文字");
    // A box added in the designer, linked to the payee box.
    BoxRecord added = format.boxes[1];
    added.label = "大写";
    added.rctl = double(format.boxes[1].id);
    added.id = document.AddRecord(added, "添加内容框");
    document.SetContent(added.id, "壹佰元");
    window_->findChildren<QCheckBox*>("O2")[3]->setChecked(true);
    Action("mMonthZero")->trigger();

    Action("mSaveFmt")->trigger();

    const Format stored = Stored("支票");
    ASSERT_EQ(stored.boxes.size(), 4);
    EXPECT_DOUBLE_EQ(stored.boxes[1].x, 77.5);
    EXPECT_EQ(stored.boxes[0].mem, "改过的文字");
    EXPECT_EQ(stored.page.options.optionBoxes[3], 1);
    EXPECT_TRUE(stored.page.options.monthZero);
    // The new box has its real ID in the model, the grid and the bill.
    const int row = int(std::find_if(format.boxes.begin(), format.boxes.end(),
                                     [](const BoxRecord& box) { return box.label == "大写"; }) -
                        format.boxes.begin());
    ASSERT_LT(row, 4);
    const BoxRecord& saved = format.boxes[row];
    EXPECT_FALSE(IsTemporaryId(saved.id));
    EXPECT_EQ(session_->CurrentBill().Value(saved.id), "壹佰元");
    EXPECT_EQ(grid.data(grid.index(row, BoxGridModel::kId), Qt::ToolTipRole).toString(),
              "ID " + QString::number(saved.id));
}

TEST_F(MainWindowTest, ASaveTheDatabaseRefusesIsReportedAndChangesNothing) {
    // Another process holds the write lock past the busy timeout.
    std::unique_ptr<Database> other = Database::Open(DataFolder::DatabasePath());
    ASSERT_TRUE(other && other->Exec("BEGIN IMMEDIATE"));
    BoxGridModel& grid = window_->BoxGrid();
    ASSERT_TRUE(grid.setData(grid.index(1, BoxGridModel::kX), "77.5"));
    EXPECT_FALSE(window_->SaveFormat());
    EXPECT_EQ(asker_.messages, QStringList({"格式保存失败！"}));
    other->Exec("ROLLBACK");
    EXPECT_DOUBLE_EQ(Stored("支票").boxes[1].x, 10);
}

TEST_F(MainWindowTest, SaveAsAsksForANameThenOpensTheCopy) {
    asker_.Text(QStringLiteral("支票2"));
    Action("mSaveAsFmt")->trigger();
    EXPECT_EQ(session_->CurrentFormat().name, "支票2");
    EXPECT_EQ(window_->findChild<QLabel*>("LFMT")->text(), "支票2");
    EXPECT_EQ(Stored("支票2").boxes.size(), 3);
    EXPECT_EQ(session_->Formats().ReadLastUse().formatName, "支票2");

    // Onto an existing name only after a Yes; No leaves both as they were.
    asker_.Text(QStringLiteral("支票")).No();
    EXPECT_FALSE(window_->SaveFormatAs(QString()));
    EXPECT_EQ(asker_.questions.last(), "该格式已经存在，是否覆盖？");
    EXPECT_EQ(session_->CurrentFormat().name, "支票2");

    // Cancelling the name, or a name that would break the format tree, does nothing.
    asker_.Text(std::nullopt);
    EXPECT_FALSE(window_->SaveFormatAs(QString()));
    EXPECT_FALSE(window_->SaveFormatAs(QStringLiteral("a|b")));
    EXPECT_FALSE(session_->Formats().Exists("a|b"));
    EXPECT_TRUE(asker_.AllAnswered());
}

TEST_F(MainWindowTest, LeavingAFormatWithUnsavedBoxEditsAsksFirst) {
    StoreSampleFormat(*session_, "汇票");
    BoxGridModel& grid = window_->BoxGrid();
    const QString question = "格式“支票”的内容框已修改，是否保存修改？";
    // Typing is no box edit: nothing to ask.
    session_->Document().SetContent(session_->CurrentFormat().boxes[1].id, "张三");
    ASSERT_TRUE(window_->OpenFormat("汇票", false));
    ASSERT_TRUE(window_->OpenFormat("支票", false));
    EXPECT_TRUE(asker_.questions.isEmpty());

    // Cancel stays on the format with the edit; No drops it; Yes stores it.
    ASSERT_TRUE(grid.setData(grid.index(1, BoxGridModel::kX), "77.5"));
    asker_.YesNoCancel(std::nullopt);
    EXPECT_FALSE(window_->OpenFormat("汇票", false));
    EXPECT_EQ(session_->CurrentFormat().name, "支票");
    EXPECT_DOUBLE_EQ(session_->CurrentFormat().boxes[1].x, 77.5);
    asker_.YesNoCancel(false);
    EXPECT_TRUE(window_->OpenFormat("汇票", false));
    EXPECT_DOUBLE_EQ(Stored("支票").boxes[1].x, 10);

    ASSERT_TRUE(window_->OpenFormat("支票", false));
    ASSERT_TRUE(grid.setData(grid.index(1, BoxGridModel::kX), "66"));
    asker_.YesNoCancel(true);
    EXPECT_TRUE(window_->OpenFormat("汇票", false));
    EXPECT_DOUBLE_EQ(Stored("支票").boxes[1].x, 66);

    // Closing the window asks too; Cancel keeps it open.
    ASSERT_TRUE(grid.setData(grid.index(1, BoxGridModel::kX), "55"));
    asker_.YesNoCancel(std::nullopt);
    EXPECT_FALSE(window_->close());
    EXPECT_EQ(asker_.questions, QStringList({question, question, question,
                                             "格式“汇票”的内容框已修改，是否保存修改？"}));
    EXPECT_TRUE(asker_.AllAnswered());
}

TEST_F(MainWindowTest, LineBreakMarkerChangesOnlyOnANonEmptyAnswer) {
    asker_.Text(QStringLiteral("##")).Text(QString()).Text(std::nullopt);
    Action("mSetCrlfChr")->trigger();
    EXPECT_EQ(session_->LineBreakMarker(), "##");
    EXPECT_EQ(ReadSetting("QMX", "Para", "CrlfChr", "//"), "##");
    Action("mSetCrlfChr")->trigger();
    Action("mSetCrlfChr")->trigger();
    EXPECT_EQ(ReadSetting("QMX", "Para", "CrlfChr", "//"), "##");
}

TEST_F(MainWindowTest, RoundingMethodIsChosenInItsDialogAndStored) {
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_TRUE(dialog);
        dialog->findChild<QRadioButton*>("Option1")->click();
        dialog->findChild<QPushButton*>("OK")->click();
    });
    Action("mNumCut")->trigger();
    EXPECT_EQ(session_->RoundingMethod(), 1);
    EXPECT_EQ(session_->RoundingMethod(), 1);
    EXPECT_EQ(session_->Params().GetParam("NumCutMethod"), "1");
}

TEST_F(MainWindowTest, CompactingKeepsEveryFormatAndLeavesABackup) {
    Action("mCompactDB")->trigger();
    // One message: the size before and after.
    ASSERT_EQ(asker_.shown.size(), 1) << asker_.shown.join('\n').toStdString();
    EXPECT_TRUE(asker_.shown[0].contains("整理前") && asker_.shown[0].contains("KB"))
        << asker_.shown[0].toStdString();
    EXPECT_TRUE(QFile::exists(DataFolder::TempPath() + "/backup.db"));
    EXPECT_FALSE(QFile::exists(DataFolder::TempPath() + "/TEMP.db"));
    EXPECT_EQ(Stored("支票").boxes.size(), 3);
    EXPECT_FALSE(window_->ProgressIndicator().isVisible());
}
