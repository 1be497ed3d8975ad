// The main window's commands that hand over to the designer and to the format files.
#include "app/MainWindow.h"

#include "app/BarcodeStandardDialog.h"
#include "app/BoxGridModel.h"
#include "app/AppTexts.h"
#include "app/ProgressWindow.h"
#include "app/Session.h"
#include "designer/DesignerView.h"
#include "designer/PageSizeRules.h"
#include "document/BoxAlignment.h"
#include "formatfile/FormatExport.h"
#include "formatfile/FormatImport.h"
#include "app/CommandFeedback.h"
#include "app/EditMenu.h"
#include "app/PageCaptionRow.h"
#include "document/ControllerTexts.h"
#include "document/FormatController.h"
#include "app/WindowPlacement.h"
#include "core/Asker.h"
#include "store/BackgroundPictures.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/StoreTexts.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

void MainWindow::ConnectDesigner() {
    // The canvas, the box grid and the page captions all follow the document.
    designer_->SetParamStore(&session_.Params());
    connect(captions_->PageSizeButton(), &QPushButton::clicked, this, [this] { EditPageSize(); });

    auto on = [this](const char* name, auto handler) {
        connect(findChild<QAction*>(QString::fromLatin1(name)), &QAction::triggered, this, handler);
    };
    const std::pair<const char*, int> alignments[] = {
        {"mAlignLeft", kAlignLeft},    {"mAlignRight", kAlignRight}, {"mAlignTop", kAlignTop},
        {"mAlighBottom", kAlignBottom}, {"mAlighWidth", kSameWidth},  {"mAlighHight", kSameHeight}};
    for (const auto& [name, mode] : alignments)
        on(name, [this, mode = mode] { designer_->AlignBoxes(mode); });
    on("mAlignSize", [this] { designer_->AlignSameSize(); });
    on("mDistributeH", [this] { designer_->DistributeBoxes(true); });
    on("mDistributeV", [this] { designer_->DistributeBoxes(false); });
    on("mCheckCtl", [this] { asker_.Message(PulledBackText(designer_->PullBoxesOntoPage())); });

    ConnectEditMenu(*this, *findChild<QMenu*>(QStringLiteral("mEditMenu")), *designer_);

    // On a server store the designer changed this seat's copy of the picture: the
    // database takes it, or the copy goes back to what the database holds.
    connect(designer_, &DesignerView::BackgroundChanged, this, [this] {
        if (!session_.HasFormat() || BackgroundPictures(session_.Db()).Publish(session_.CurrentFormat().name))
            return;
        designer_->Rebuild();
        const Database& db = session_.Db();
        asker_.Message(db.LastFault() == StoreFault::Refused ? StoreTexts::kServerRefused
                                                             : StoreTexts::ServerAway(db.Path()));
    });
}

void MainWindow::ConnectFormatCommands() {
    auto on = [this](const char* name, auto handler) {
        connect(findChild<QAction*>(QString::fromLatin1(name)), &QAction::triggered, this, handler);
    };
    on("mNewFmt", [this] { NewFormat(); });
    on("mSelFmt", [this] { ChooseFormat(); });
    on("mImportFmt", [this] { ImportFormatFile(); });
    on("mExportFmt", [this] { ExportFormatFile(); });
    on("mBarCodeSet", [this] { ChooseBarcodeStandard(); });
    on("mAddTable", [this] { designer_->AddTable(); });
}

bool MainWindow::NewFormat() {
    CommitTyping();
    if (!controller_->Leave()) return false;
    const Format& current = session_.CurrentFormat();
    const std::optional<NewFormatPage> page =
        AskNewFormat(asker_, current.page.width, current.page.height);
    if (!page) return false;
    const QString name = page->name.trimmed();
    if (!AcceptFormatName(name)) return false;
    if (session_.Formats().Exists(name) && !asker_.AskYesNo(StoreTexts::kOverwriteFormat))
        return false;
    // A new format starts empty with default options: it must not inherit the open
    // format's boxes, scanned picture or per-format lists.
    Format fresh;
    fresh.name = name;
    fresh.page.width = page->widthMm;
    fresh.page.height = page->heightMm;
    fresh.page.options.optionBoxes = current.page.options.optionBoxes;
    fresh.page.options.optionBoxes[kLocked] = 0;
    if (!session_.Formats().SaveFormat(fresh, name, ScreenWidthTwips(this), *progress_)) {
        asker_.Message(ControllerText::kSaveFailed);
        return false;
    }
    // Leaving the open format was settled above.
    return controller_->Open(name);
}

void MainWindow::EditPageSize() { designer_->EditPageSize(); }

void MainWindow::ImportFormatFile() {
    const ImportResult result = ImportFormat(QString(), asker_, session_.Db(), *progress_);
    if (result.imported && result.openNow) OpenFormat(result.name, true);
}

void MainWindow::ExportFormatFile() {
    ExportFormat(session_.CurrentFormat().name, asker_, session_.Db());
}

void MainWindow::ChooseBarcodeStandard() {
    PageParams page = session_.CurrentFormat().page;
    BarcodeStandardDialog dialog(page.options.barcodeStandard, this);
    if (dialog.exec() != QDialog::Accepted) return;
    page.options.barcodeStandard = dialog.Standard();
    controller_->KeepOptions(page.options); // the designer draws the codes again as it is told
}
