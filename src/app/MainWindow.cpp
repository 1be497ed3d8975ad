#include "app/MainWindow.h"

#include "app/AppTexts.h"
#include "app/BoxGridModel.h"
#include "app/FormatTreeView.h"
#include "app/HistoryView.h"
#include "app/MainMenu.h"
#include "app/NumCutDialog.h"
#include "app/PasswordDialog.h"
#include "app/ScanMenu.h"
#include "app/ProgressWindow.h"
#include "app/Session.h"
#include "app/CommandFeedback.h"
#include "app/HelpWindows.h"
#include "app/PageCaptionRow.h"
#include "app/WindowPlacement.h"
#include "app/printui/BillPrinter.h"
#include "designer/DesignerView.h"
#include "document/FormatController.h"
#include "core/Asker.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/FormatOperations.h"
#include "store/FormatStore.h"
#include "store/NameRules.h"
#include "store/Maintenance.h"
#include "store/ParamStore.h"
#include "store/StoreLocation.h"
#include "store/StoreTexts.h"

#include <QAction>
#include <QUndoStack>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// A handle wide enough to find and shaded so that it is seen.
void ShowSplitterHandle(QSplitter* splitter) {
    splitter->setHandleWidth(6);
    splitter->setStyleSheet(QStringLiteral("QSplitter::handle { background: palette(mid); }"));
}

const QString kPageAndGrids = QStringLiteral("PageAndGrids");

} // namespace

MainWindow::MainWindow(Session& session, Asker& asker, QWidget* parent)
    : QMainWindow(parent), session_(session), asker_(asker), boxGrid_(new BoxGridModel(this)),
      progress_(new ProgressWindow(this)),
      controller_(new FormatController(session.Db(), session.Document(), session.Settings(), asker, *progress_,
                                       this)) {
    setObjectName(QStringLiteral("MF"));
    controller_->SetScreenWidthTwips(ScreenWidthTwips(this));
    BuildMainMenu(menuBar());
    setCentralWidget(BuildCentre());
    ConnectMenu();
    ConnectController();
    ConnectDesigner();
    ConnectFormatCommands();
    ConnectPrinting();
    ConnectHistory();
    ConnectFormatTree();
    ConnectAids();
    AddScanCommand(*this, asker_);
    ConnectHelpMenu(*this, session_, asker_);
    FollowOpenedFormat();
    resize(1100, 760);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::BuildCentre() {
    tree_ = new FormatTreeView(session_.Db(), asker_, this);

    designer_ = new DesignerView(this);
    designer_->SetDocument(&session_.Document());
    designer_->SetAsker(&asker_);
    designer_->SetProgress(progress_);
    hint_ = new QLabel(AppText::kNoFormatHint, this);
    hint_->setObjectName(QStringLiteral("NoFormatHint"));
    hint_->setAlignment(Qt::AlignCenter);
    hint_->setWordWrap(true);
    captions_ = new PageCaptionRow(session_.Document(), this);

    auto* page = new QWidget(this);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(captions_);
    pageLayout->addWidget(hint_);
    pageLayout->addWidget(designer_, 1);
    pageLayout->addWidget(BuildOptionRow());

    pageAndGrids_ = new QSplitter(Qt::Vertical, this);
    pageAndGrids_->setObjectName(kPageAndGrids);
    pageAndGrids_->addWidget(page);
    pageAndGrids_->addWidget(BuildGrids());
    pageAndGrids_->setStretchFactor(0, 3);
    pageAndGrids_->setStretchFactor(1, 1);
    // The canvas gets the room at first; the grids a quarter, however large their hints.
    pageAndGrids_->setSizes({750, 250});
    ShowSplitterHandle(pageAndGrids_);

    auto* centre = new QSplitter(Qt::Horizontal, this);
    centre->addWidget(tree_);
    centre->addWidget(pageAndGrids_);
    centre->setStretchFactor(1, 1);
    centre->setSizes({220, 880});
    ShowSplitterHandle(centre);
    return centre;
}

QWidget* MainWindow::BuildOptionRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(4, 2, 4, 2);
    for (int i = 0; i < int(optionBoxes_.size()); ++i) {
        auto* box = new QCheckBox(AppText::kOptionBoxes[i], row);
        box->setObjectName(QStringLiteral("O2"));
        box->setProperty("index", i);
        box->setToolTip(AppText::kOptionTips[i]);
        connect(box, &QCheckBox::toggled, this, [this, i](bool on) { OnOptionBox(i, on); });
        optionBoxes_[i] = box;
        layout->addWidget(box);
    }
    layout->addStretch(1);
    return row;
}

QWidget* MainWindow::BuildGrids() {
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("MSFTabs"));
    // The history grid is filled by the history module.
    QWidget* billData = BuildBillDataTab();
    QTableView* history = BuildHistory()->Table();
    auto* boxes = new QTableView(this);
    boxGrid_->SetDocument(&session_.Document());
    boxes->setModel(boxGrid_);
    boxes->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    int index = 2;
    for (QAbstractItemView* grid : {static_cast<QAbstractItemView*>(history),
                                    static_cast<QAbstractItemView*>(boxes)}) {
        grid->setObjectName(QStringLiteral("MSF"));
        grid->setProperty("index", index++);
    }
    tabs->addTab(billData, AppText::kBillDataTab);
    tabs->addTab(history_, AppText::kHistoryTab);
    tabs->addTab(boxes, AppText::kBoxGridTab);
    return tabs;
}

void MainWindow::ConnectMenu() {
    auto on = [this](const char* name, auto handler) {
        QAction* action = findChild<QAction*>(QString::fromLatin1(name));
        Q_ASSERT(action);
        connect(action, &QAction::triggered, this, handler);
    };
    on("mSaveFmt", [this] { SaveFormat(); });
    on("mSaveAsFmt", [this] { SaveFormatAs(QString()); });
    on("mSetCrlfChr", [this] { SetLineBreakMarker(); });
    on("mNumCut", [this] { SetRoundingMethod(); });
    on("mSetCashChr", [this] { SetCurrencySymbol(); });
    on("mLoginPSD", [this] { ChangeLoginPassword(); });
    on("mDbConnection", [this] { ChooseStoreLocation(asker_); });
    on("mStatistics", [this] { ShowStatistics(); });
    on("mCompactDB", [this] {
        CompactAndReport(session_.Db(), asker_, *progress_, session_.CurrentFormat().name);
    });
    for (int toggle = 0; toggle < int(std::size(kToggleActions)); ++toggle)
        on(kToggleActions[toggle].objectName, [this, toggle](bool checked) { KeepToggle(toggle, checked); });
}

void MainWindow::KeepToggle(int toggle, bool on) {
    PageOptions options = session_.CurrentFormat().page.options;
    OptionOf(options, kToggleActions[toggle].toggle) = on;
    controller_->KeepOptions(options);
}

void MainWindow::ConnectController() {
    connect(controller_, &FormatController::Opened, this, &MainWindow::FollowOpenedFormat);
    connect(controller_, &FormatController::Note, this, &MainWindow::ShowNote);
    FormatDocument& document = session_.Document();
    // The menus tick what the options hold, whoever changed them.
    connect(&document, &FormatDocument::PageChanged, this, [this](PageParts what) {
        if (what & PagePart::Options) UpdateMenuState();
    });
    connect(&document, &FormatDocument::Renamed, this, &MainWindow::ShowTitle);
    connect(document.UndoStack(), &QUndoStack::cleanChanged, this, &MainWindow::ShowTitle);
}

void MainWindow::ShowTitle() {
    const FormatDocument& document = session_.Document();
    const QString program = QStringLiteral("Vellumark");
    if (!document.IsOpen()) {
        setWindowTitle(program);
        return;
    }
    const QString unsaved = document.IsModified() ? QStringLiteral(" *") : QString();
    setWindowTitle(document.GetFormat().name + unsaved + QStringLiteral(" — ") + program);
}

void MainWindow::ShowNote(const QString& text) {
    note_ = gatheringNotes_ > 0 && !note_.isEmpty() ? note_ + QStringLiteral("　") + text : text;
    statusBar()->showMessage(note_, kStatusMessageMs);
}

MainWindow::NoteGathering::NoteGathering(MainWindow& window) : window_(window) {
    if (window_.gatheringNotes_++ == 0) window_.note_.clear();
}

MainWindow::NoteGathering::~NoteGathering() { --window_.gatheringNotes_; }

void MainWindow::UpdateMenuState() {
    const bool open = session_.HasFormat();
    const bool editable = open && !designer_->IsLocked();
    ShowMenuState(*this, session_.CurrentFormat().page.options, open, editable, session_.Formats().MayChangeFormats());
    captions_->PageSizeButton()->setEnabled(editable);
    captions_->OffsetsButton()->setEnabled(editable);
    captions_->CalibrationButton()->setEnabled(open);
}

void MainWindow::StartUp() {
    DataFolder::EnsureSubfolder(QStringLiteral("Temp"));
    session_.SetLineBreakMarker(ReadSetting(QStringLiteral("QMX"), QStringLiteral("Para"),
                                            QStringLiteral("CrlfChr"), AppText::kDefaultCrlf));
    RestoreWindowPlacement(session_.Params(), this, AppText::kMainWindowPlacement);
    RestoreSplitterSizes(session_.Params(), pageAndGrids_, kPageAndGrids);
    const FormatStore::LastUse last = session_.Formats().ReadLastUse();
    if (last.optionBoxes)
        for (int i = 0; i < 3; ++i) optionBoxes_[i]->setChecked((*last.optionBoxes)[i] != 0);
    if (!last.formatName.isEmpty()) OpenFormat(last.formatName, true);
    session_.SetRoundingMethod(
        int(session_.Params().GetParam(AppText::kNumCutParam).toDouble()));
}

bool MainWindow::OpenFormat(const QString& name, bool force) {
    if (name.isEmpty()) return false;
    if (name == session_.CurrentFormat().name && !force) return true;
    CommitTyping();
    if (name != session_.CurrentFormat().name && !controller_->Leave()) return false;
    return controller_->Open(name);
}

void MainWindow::FollowOpenedFormat() {
    const bool open = session_.HasFormat();
    hint_->setVisible(!open);
    // Without a format there is no page to show or zoom.
    designer_->setVisible(open);
    if (open) {
        ApplyOptionBoxes();
        session_.Formats().WriteLastUse(session_.CurrentFormat().name, LastUseBoxes());
    }
    UpdateMenuState();
    ShowTitle();
    if (open) Q_EMIT FormatOpened();
}

void MainWindow::ApplyOptionBoxes() {
    // Copy first: each check box writes back into the options as it changes.
    const std::array<int, 5> values = session_.CurrentFormat().page.options.optionBoxes;
    for (int i = 0; i < int(optionBoxes_.size()); ++i) optionBoxes_[i]->setChecked(values[i] != 0);
}

void MainWindow::OnOptionBox(int index, bool on) {
    if (session_.HasFormat()) {
        designer_->SetOption(index, on);
        // The option boxes are the format's settings too: kept as they change.
        controller_->KeepOptions(session_.CurrentFormat().page.options);
        if (index == kLocked) UpdateMenuState();
    }
    Q_EMIT OptionBoxToggled(index, on);
}

std::array<int, 3> MainWindow::LastUseBoxes() const {
    return {optionBoxes_[0]->isChecked() ? 1 : 0, optionBoxes_[1]->isChecked() ? 1 : 0,
            optionBoxes_[2]->isChecked() ? 1 : 0};
}

bool MainWindow::SaveFormat() {
    const NoteGathering notes(*this);
    CommitTyping();
    return controller_->Save();
}

bool MainWindow::AcceptFormatName(const QString& name) {
    const QString fault = FormatNameFault(name);
    if (fault.isEmpty()) return true;
    asker_.Message(fault);
    return false;
}

bool MainWindow::SaveFormatAs(const QString& name) {
    if (!session_.HasFormat()) return false;
    QString newName = name.trimmed();
    if (newName.isEmpty()) {
        const std::optional<QString> answer =
            asker_.AskName(AppText::kChooseFormatName, session_.Db().FillDistinctList(QStringLiteral("Fmt")));
        if (!answer || answer->trimmed().isEmpty()) return false;
        newName = answer->trimmed();
    }
    if (!AcceptFormatName(newName)) return false;
    CommitTyping();
    controller_->StoreDefaults();
    Format current = session_.CurrentFormat();
    if (::SaveFormatAs(session_.Formats(), asker_, current, newName,
                       ScreenWidthTwips(this), *progress_) != SaveAsOutcome::Saved)
        return false;
    // The open records are the new format's now (their IDs are its rows): opening it
    // must not store them as the old format's defaults.
    session_.Document().Rename(newName);
    return OpenFormat(newName, true);
}

void MainWindow::SetLineBreakMarker() {
    const std::optional<QString> answer =
        asker_.AskText(AppText::kCrlfPrompt, session_.LineBreakMarker());
    if (!answer || answer->isEmpty()) return;
    WriteSetting(QStringLiteral("QMX"), QStringLiteral("Para"), QStringLiteral("CrlfChr"), *answer);
    session_.SetLineBreakMarker(*answer);
}

void MainWindow::SetRoundingMethod() {
    NumCutDialog dialog(session_.RoundingMethod(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    session_.Params().SetParam(AppText::kNumCutParam, QString::number(dialog.Method()));
    session_.SetRoundingMethod(dialog.Method());
}

void MainWindow::SetCurrencySymbol() {
    PageOptions options = session_.CurrentFormat().page.options;
    if (const std::optional<QString> answer = asker_.AskText(AppText::kCurrencyPrompt, options.currency)) {
        options.currency = *answer;
        controller_->KeepOptions(options);
    }
}

void MainWindow::ChangeLoginPassword() {
    PasswordDialog dialog(session_.Db(), asker_, this);
    dialog.exec();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    CommitTyping();
    if (!controller_->Leave()) {
        event->ignore();
        return;
    }
    SaveWindowPlacement(session_.Params(), this, AppText::kMainWindowPlacement);
    SaveSplitterSizes(session_.Params(), pageAndGrids_, kPageAndGrids);
    controller_->StoreDefaults();
    event->accept();
}
