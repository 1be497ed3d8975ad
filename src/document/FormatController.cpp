#include "document/FormatController.h"

#include "aids/AidContext.h"
#include "aids/AutoFill.h"
#include "aids/EntryPath.h"
#include "content/layout/PrinterFont.h"
#include "core/Asker.h"
#include "document/ControllerTexts.h"
#include "document/FormatDocument.h"
#include "print/BillPage.h"
#include "print/MultiPage.h"
#include "print/PrintJob.h"
#include "records/Defaults.h"
#include "records/History.h"
#include "records/JobHistory.h"
#include "records/RecordsTexts.h"
#include "store/Database.h"
#include "store/FormatHold.h"
#include "store/FormatOperations.h"
#include "store/FormatStore.h"
#include "store/StoreOpening.h"
#include "store/StoreTexts.h"

#include <algorithm>

namespace {
// The design screen a stored width of 0 stands for.
constexpr qint64 kDefaultDesignWidth = 15360;

qint64 DesignWidthOf(const PageParams& page) {
    return page.designScreenWidth > 0 ? page.designScreenWidth : kDefaultDesignWidth;
}
} // namespace

FormatController::FormatController(Database& db, FormatDocument& document, const EntrySettings& settings,
                                   Asker& asker, Progress& progress, QObject* parent)
    : QObject(parent), db_(db), formats_(std::make_unique<FormatStore>(db)), document_(document), settings_(settings), asker_(asker), progress_(progress) {}

FormatController::~FormatController() = default;

bool FormatController::IsOpen() const { return document_.IsOpen(); }

ValueFilling FormatController::Filling() const {
    ValueFilling filling;
    filling.lineBreakMarker = settings_.lineBreakMarker;
    const PageOptions& options = document_.GetFormat().page.options;
    filling.settings.currency = options.currency;
    filling.settings.monthZero = options.monthZero;
    filling.settings.roundingMethod = settings_.roundingMethod;
    return filling;
}

AidContext FormatController::Aids() const { return {&db_, Filling(), {}, &asker_}; }

BillPageOptions FormatController::PrintOptions() const {
    BillPageOptions options;
    options.canvasWidthTwips = FitWidthCanvasTwips(double(DisplayWidthTwips()));
    options.roundingMethod = settings_.roundingMethod;
    options.background = document_.GetFormat().page.options.printBackground;
    return options;
}

qint64 FormatController::DisplayWidthTwips() const {
    return screenWidthTwips_ > 0 ? screenWidthTwips_ : DesignWidthOf(document_.GetFormat().page);
}

bool FormatController::Open(const QString& name, bool fillDates) {
    if (name.isEmpty()) return false;
    FormatStore& store = *formats_;
    qint64 width = screenWidthTwips_;
    if (width <= 0) {
        const std::optional<PageParams> page = store.LoadPageParams(name);
        if (!page) return false;
        width = DesignWidthOf(*page);
    }
    std::optional<Format> loaded = store.LoadFormat(name, width);
    if (!loaded) return false;
    if (IsOpen() && name != document_.GetFormat().name) StoreDefaults();
    loaded->name = name;
    document_.Open(std::move(*loaded));
    StartOpenedBill(document_, Aids(), fillDates);
    Q_EMIT Opened(name);
    return true;
}

bool FormatController::Leave() {
    if (!IsOpen() || !document_.IsModified()) return true;
    const std::optional<bool> save =
        asker_.AskYesNoCancel(ControllerText::kSaveBoxEdits.arg(document_.GetFormat().name));
    if (!save) return false;
    return !*save || Save();
}

bool FormatController::SaveRecords() {
    FormatStore& store = *formats_;
    // The document keeps an unlabelled text box's text in its record already.
    Format format = document_.GetFormat();
    const SaveOutcome outcome = SaveOpenFormat(store, asker_, format, DisplayWidthTwips(), progress_);
    // The user kept the other seat's format: it replaces the edits made here.
    if (outcome == SaveOutcome::Reload) {
        Open(format.name);
        return false;
    }
    // The store keeps the old format intact on failure; the user must know it was not saved.
    if (outcome == SaveOutcome::Failed) {
        asker_.Message(store.RefusedWhilePrinting() ? StoreTexts::FormatPrinting(format.name, StoreTexts::kSaveVerb)
                       : db_.LastFault() == StoreFault::Refused ? StoreTexts::kServerRefused
                                                                : ControllerText::kSaveFailed);
        return false;
    }
    // New boxes got their real IDs: contents and selection follow them.
    document_.AdoptSaved(format);
    return true;
}

bool FormatController::Save() {
    if (!IsOpen() || !SaveRecords()) return false;
    Q_EMIT Note(ControllerText::FormatSaved(document_.GetFormat().name));
    return StoreDefaults();
}

bool FormatController::StoreDefaults() {
    if (!IsOpen()) return true;
    if (SaveDefaults(db_, document_.GetFormat(), document_.GetBill(), progress_)) return true;
    asker_.Message(RecordsText::kDefaultsSaveFailed);
    return false;
}

bool FormatController::SaveNewBoxesFirst() {
    const QList<BoxRecord>& boxes = document_.GetFormat().boxes;
    if (std::none_of(boxes.begin(), boxes.end(), [](const BoxRecord& box) { return IsTemporaryId(box.id); }))
        return true;
    // A temporary ID is no box of the stored format: a bill kept under it would lose
    // that box's value.
    if (!SaveRecords()) return false;
    Q_EMIT Note(ControllerText::kNewBoxesSavedFirst.arg(document_.GetFormat().name));
    return true;
}

bool FormatController::KeepOptions(const PageOptions& options) {
    if (!IsOpen()) return false;
    PageParams page = document_.GetFormat().page;
    page.options = options;
    document_.SetPage(page);
    return KeepPage(PagePart::Options | PagePart::Barcode);
}

bool FormatController::KeepOffsets(double offsetX, double offsetY) {
    if (!IsOpen()) return false;
    PageParams page = document_.GetFormat().page;
    page.offsetX = offsetX;
    page.offsetY = offsetY;
    document_.SetPage(page);
    return KeepPage(PagePart::Offsets);
}

bool FormatController::KeepPage(PageParts parts) {
    const Format& format = document_.GetFormat();
    FormatStore store(db_);
    // Only the parts asked for: a page size or box edit not yet saved stays unsaved.
    std::optional<PageParams> stored = store.LoadPageParams(format.name);
    // A format deleted meanwhile is not brought back as a page without boxes: the
    // options stay in the document and go with the next save.
    if (!stored) return true;
    const PageParams before = *stored;
    if (parts & PagePart::Options) stored->options = format.page.options;
    if (parts & PagePart::Barcode) stored->options.barcodeStandard = format.page.options.barcodeStandard;
    if (parts & PagePart::Offsets) {
        stored->offsetX = format.page.offsetX;
        stored->offsetY = format.page.offsetY;
    }
    if (*stored == before) return true;
    // The stored design width goes with the stored font sizes, which this write keeps.
    if (store.SavePageParams(format.name, *stored, DesignWidthOf(*stored))) return true;
    asker_.Message(ControllerText::kOptionsNotKept.arg(format.name));
    return false;
}

bool FormatController::AddBill() {
    if (!IsOpen() || !SaveNewBoxesFirst()) return false;
    const SavedBill saved = SaveHistory(db_, document_.GetFormat(), document_.GetBill());
    if (saved.outcome == SavedBill::Outcome::Failed) {
        asker_.Message(RecordsText::kHistorySaveFailed);
        return false;
    }
    if (saved.outcome == SavedBill::Outcome::Empty) {
        Q_EMIT Note(ControllerText::kEmptyBillNotAdded);
        return true;
    }
    Q_EMIT BillsKept();
    Q_EMIT Note(ControllerText::BillAdded(saved.number));
    StartNextBill();
    return true;
}

bool FormatController::ReadyToKeepBills() {
    if (db_.Reachable()) return true;
    asker_.Message(ControllerText::NotPrinted(FaultMessage(db_.LastFault(), db_.FaultWhere())));
    return false;
}

PrintedBill FormatController::PrintCurrentBill(PrintJob& job, int copies, bool keep) {
    PrintedBill result;
    if (!IsOpen() || (keep && (!ReadyToKeepBills() || !SaveNewBoxesFirst()))) return result;
    const Format& format = document_.GetFormat();
    const Bill& bill = document_.GetBill();
    // The job holds its format: a rename or save elsewhere waits until the bill is kept.
    const FormatHold hold(db_, format.name, FormatHold::Purpose::Print);
    JobHistory history(db_, hold.Identity());
    if (keep) {
        history.Add(format, bill);
        job.PublishWith(&history);
    }
    BillPrintRequest request;
    request.copies = copies;
    request.page = PrintOptions();
    result.printed = job.PrintBill(format, bill, request);
    job.PublishWith(nullptr);
    result.pages = job.PagesPrinted();
    if (!result.printed) return result;
    Q_EMIT Note(ControllerText::PagesPrinted(result.pages));
    if (!keep) return result;
    result.kept = !history.CommittedNumbers().isEmpty();
    if (result.kept) Q_EMIT BillsKept();
    else asker_.Message(RecordsText::kHistorySaveFailed);
    return result;
}

void FormatController::AfterPrint() {
    if (!IsOpen()) return;
    const PageOptions options = document_.GetFormat().page.options;
    const bool finished = NextPageFormat(db_, document_.GetFormat().name, options.autoJump,
                                         [this](const QString& next) {
                                             if (next != document_.GetFormat().name && Leave()) Open(next);
                                         });
    // The pages of one bill keep their boxes until the last page is printed.
    if (finished && options.clearAfterPrint) StartNextBill();
}

void FormatController::StartNextBill() {
    if (!IsOpen()) return;
    const bool keepPictures = document_.GetFormat().page.options.keepPictures;
    QList<qint64> cleared;
    for (const BoxRecord& box : document_.GetFormat().boxes)
        if (HoldsBillValue(box) && !(box.kind == BoxKind::Picture && keepPictures)
            && !document_.Content(box.id).isEmpty())
            cleared.append(box.id);
    for (qint64 id : std::as_const(cleared)) document_.SetContent(id, QString());
    RefreshAutoFill(document_, Aids());
}
