#include "app/MainWindow.h"

#include "app/AppTexts.h"
#include "app/BoxGridModel.h"
#include "app/FormatTreeView.h"
#include "app/HistoryView.h"
#include "app/MainMenu.h"
#include "app/NumCutDialog.h"
#include "app/PasswordDialog.h"
#include "app/ProgressWindow.h"
#include "app/Session.h"
#include "app/CommandFeedback.h"
#include "app/HelpWindows.h"
#include "app/PageCaptions.h"
#include "app/WindowPlacement.h"
#include "app/printui/BillPrinter.h"
#include "designer/DesignerView.h"
#include "records/BoxValues.h"
#include "store/Bill.h"
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

bool& OptionOf(PageOptions& options, MenuToggle toggle) {
    switch (toggle) {
    case MenuToggle::SetPaper: return options.setPaper;
    case MenuToggle::PrintBackground: return options.printBackground;
    case MenuToggle::PrintRulers: return options.printRulers;
    case MenuToggle::MonthZero: return options.monthZero;
    case MenuToggle::AutoFontSize: return options.autoFontSize;
    case MenuToggle::AutoJump: return options.autoJump;
    case MenuToggle::ClearAfterPrint: return options.clearAfterPrint;
    case MenuToggle::KeepPictures: return options.keepPictures;
    }
    return options.setPaper;
}

QLabel* NamedLabel(const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    return label;
}

} // namespace

MainWindow::MainWindow(Session& session, Asker& asker, QWidget* parent)
    : QMainWindow(parent), session_(session), asker_(asker), boxGrid_(new BoxGridModel(this)),
      progress_(new ProgressWindow(this)) {
    setObjectName(QStringLiteral("MF"));
    setWindowTitle(QStringLiteral("Vellumark"));
    BuildMainMenu(menuBar());
    setCentralWidget(BuildCentre());
    ConnectMenu();
    ConnectDesigner();
    ConnectFormatCommands();
    ConnectPrinting();
    ConnectHistory();
    ConnectFormatTree();
    ConnectAids();
    ConnectHelpMenu(*this, session_, asker_);
    ShowFormat();
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

    auto* page = new QWidget(this);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(BuildLabelRow());
    pageLayout->addWidget(hint_);
    pageLayout->addWidget(designer_, 1);
    pageLayout->addWidget(BuildOptionRow());

    auto* right = new QSplitter(Qt::Vertical, this);
    right->setObjectName(QStringLiteral("PageAndGrids"));
    right->addWidget(page);
    right->addWidget(BuildGrids());
    right->setStretchFactor(0, 3);
    right->setStretchFactor(1, 1);
    // The canvas gets the room at first; the grids a quarter, however large their hints.
    right->setSizes({750, 250});
    ShowSplitterHandle(right);

    auto* centre = new QSplitter(Qt::Horizontal, this);
    centre->addWidget(tree_);
    centre->addWidget(right);
    centre->setStretchFactor(1, 1);
    centre->setSizes({220, 880});
    ShowSplitterHandle(centre);
    return centre;
}

QWidget* MainWindow::BuildLabelRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(4, 2, 4, 2);
    formatName_ = NamedLabel(QStringLiteral("LFMT"), row);
    width_ = NamedLabel(QStringLiteral("Wid"), row);
    height_ = NamedLabel(QStringLiteral("Hie"), row);
    offsetX_ = NamedLabel(QStringLiteral("M_X"), row);
    offsetY_ = NamedLabel(QStringLiteral("M_Y"), row);
    pageSizeButton_ = new QPushButton(AppText::kPageSizeButton, row);
    pageSizeButton_->setObjectName(QStringLiteral("CmdPageSize"));
    connect(pageSizeButton_, &QPushButton::clicked, this, [this] { EditPageSize(); });
    layout->addWidget(formatName_, 1);
    for (QLabel* label : {width_, height_}) layout->addWidget(label);
    layout->addWidget(pageSizeButton_);
    for (QLabel* label : {offsetX_, offsetY_}) layout->addWidget(label);
    offsetsButton_ = new QPushButton(AppText::kOffsetsButton, row);
    offsetsButton_->setObjectName(QStringLiteral("CmdOffsets"));
    calibrationButton_ = new QPushButton(AppText::kCalibrationButton, row);
    calibrationButton_->setObjectName(QStringLiteral("CmdCalibrate"));
    layout->addWidget(offsetsButton_);
    layout->addWidget(calibrationButton_);
    return row;
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
    for (const ToggleAction& entry : kToggleActions) {
        const MenuToggle toggle = entry.toggle;
        on(entry.objectName, [this, toggle](bool checked) {
            PageParams page = session_.CurrentFormat().page;
            OptionOf(page.options, toggle) = checked;
            session_.Document().SetPage(page);
        });
    }
}

void MainWindow::UpdateMenuState() {
    const bool open = session_.HasFormat();
    for (const char* name : {"mSetCrlfChr", "mNumCut", "mLoginPSD", "mCompactDB", "mDbConnection"})
        findChild<QAction*>(QString::fromLatin1(name))->setEnabled(true);
    // On a server store only designers add and save formats; the server refuses the rest.
    const bool designer = session_.Formats().MayChangeFormats();
    findChild<QAction*>(QStringLiteral("mSelFmt"))->setEnabled(true);
    for (const char* name : {"mNewFmt", "mImportFmt"})
        findChild<QAction*>(QString::fromLatin1(name))->setEnabled(designer);
    for (const char* name : {"mSaveFmt", "mSaveAsFmt"})
        findChild<QAction*>(QString::fromLatin1(name))->setEnabled(open && designer);
    for (const char* name : {"mSetCashChr", "mExportFmt", "mBarCodeSet", "mStatistics", "mInvoicePSDSet"})
        findChild<QAction*>(QString::fromLatin1(name))->setEnabled(open);
    // A locked format keeps its boxes and page as they are.
    const bool editable = open && !designer_->IsLocked();
    for (const char* name : {"mAddTable", "mCheckCtl", "mAlignLeft", "mAlignRight", "mAlignTop",
                             "mAlighBottom", "mAlighWidth", "mAlighHight", "mAlignSize"})
        findChild<QAction*>(QString::fromLatin1(name))->setEnabled(editable);
    findChild<QMenu*>(QStringLiteral("mCtlMenu"))->menuAction()->setEnabled(editable);
    pageSizeButton_->setEnabled(editable);
    offsetsButton_->setEnabled(editable);
    calibrationButton_->setEnabled(open);
    for (const char* name : {"mPrint", "mPrintPreview", "mPrintAll", "mPrintLabels"})
        findChild<QAction*>(QString::fromLatin1(name))->setEnabled(open);
    const PageOptions& options = session_.CurrentFormat().page.options;
    for (const ToggleAction& entry : kToggleActions) {
        QAction* action = findChild<QAction*>(QString::fromLatin1(entry.objectName));
        action->setEnabled(open);
        PageOptions shown = options;
        action->setChecked(open && OptionOf(shown, entry.toggle));
    }
}

void MainWindow::StartUp() {
    DataFolder::EnsureSubfolder(QStringLiteral("Temp"));
    session_.SetLineBreakMarker(ReadSetting(QStringLiteral("QMX"), QStringLiteral("Para"),
                                            QStringLiteral("CrlfChr"), AppText::kDefaultCrlf));
    RestoreWindowPlacement(session_.Params(), this, AppText::kMainWindowPlacement);
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
    if (name != session_.CurrentFormat().name && !ConfirmLeavingFormat()) return false;
    return LoadFormat(name);
}

bool MainWindow::LoadFormat(const QString& name) {
    if (name != session_.CurrentFormat().name) StoreDefaults();
    std::optional<Format> loaded = session_.Formats().LoadFormat(name, ScreenWidthTwips(this));
    if (!loaded) return false;
    loaded->name = name;
    // The conversions follow the new format's currency and month options.
    ConversionSettings conversion = session_.Conversion();
    conversion.currency = loaded->page.options.currency;
    conversion.monthZero = loaded->page.options.monthZero;
    // The boxes get back what they held when the format was last left.
    Bill bill = DefaultsOf(*loaded, {session_.LineBreakMarker(), conversion});
    session_.Document().Open(std::move(*loaded), std::move(bill));
    ShowFormat();
    session_.Formats().WriteLastUse(name, LastUseBoxes());
    Q_EMIT FormatOpened();
    return true;
}

void MainWindow::ShowFormat() {
    const Format& format = session_.CurrentFormat();
    const bool open = session_.HasFormat();
    hint_->setVisible(!open);
    // Without a format there is no page to show or zoom.
    designer_->setVisible(open);
    formatName_->setText(format.name);
    width_->setText(open ? PageWidthCaption(format.page) : QString());
    height_->setText(open ? PageHeightCaption(format.page) : QString());
    offsetX_->setText(open ? ShiftLeftCaption(format.page) : QString());
    offsetY_->setText(open ? ShiftUpCaption(format.page) : QString());
    if (open) ApplyOptionBoxes();
    UpdateMenuState();
}

void MainWindow::ApplyOptionBoxes() {
    // Copy first: each check box writes back into the options as it changes.
    const std::array<int, 5> values = session_.CurrentFormat().page.options.optionBoxes;
    for (int i = 0; i < int(optionBoxes_.size()); ++i) optionBoxes_[i]->setChecked(values[i] != 0);
}

void MainWindow::OnOptionBox(int index, bool on) {
    if (session_.HasFormat()) {
        designer_->SetOption(index, on);
        if (index == kLocked) UpdateMenuState();
    }
    Q_EMIT OptionBoxToggled(index, on);
}

std::array<int, 3> MainWindow::LastUseBoxes() const {
    return {optionBoxes_[0]->isChecked() ? 1 : 0, optionBoxes_[1]->isChecked() ? 1 : 0,
            optionBoxes_[2]->isChecked() ? 1 : 0};
}

bool MainWindow::SaveFormat() {
    if (!session_.HasFormat()) return false;
    // The document keeps an unlabelled text box's text in its record already.
    Format format = session_.CurrentFormat();
    const SaveOutcome outcome =
        SaveOpenFormat(session_.Formats(), asker_, format, ScreenWidthTwips(this), *progress_);
    // The user chose the other seat's format over the edits here.
    if (outcome == SaveOutcome::Reload) {
        LoadFormat(format.name);
        return false;
    }
    // The store keeps the old format intact on failure; the user must know it was not saved.
    if (outcome == SaveOutcome::Failed) {
        asker_.Message(session_.Formats().RefusedWhilePrinting()
                           ? StoreTexts::FormatPrinting(format.name, StoreTexts::kSaveVerb)
                       : session_.Db().LastFault() == StoreFault::Refused ? StoreTexts::kServerRefused
                                                                           : AppText::kSaveFailed);
        return false;
    }
    // New boxes got their real IDs: contents and selection follow them.
    session_.Document().AdoptSaved(format);
    statusBar()->showMessage(FormatSavedText(format.name), kStatusMessageMs);
    return StoreDefaults();
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
    StoreDefaults();
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
    PageParams page = session_.CurrentFormat().page;
    if (const std::optional<QString> answer = asker_.AskText(AppText::kCurrencyPrompt, page.options.currency)) {
        page.options.currency = *answer;
        session_.Document().SetPage(page);
    }
}

void MainWindow::ChangeLoginPassword() {
    PasswordDialog dialog(session_.Db(), asker_, this);
    dialog.exec();
}

bool MainWindow::ConfirmLeavingFormat() {
    if (!session_.HasFormat() || !session_.Document().IsModified()) return true;
    const std::optional<bool> save =
        asker_.AskYesNoCancel(AppText::kSaveBoxEdits.arg(session_.CurrentFormat().name));
    if (!save) return false;
    return !*save || SaveFormat();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!ConfirmLeavingFormat()) {
        event->ignore();
        return;
    }
    SaveWindowPlacement(session_.Params(), this, AppText::kMainWindowPlacement);
    StoreDefaults();
    event->accept();
}
