#pragma once
// The controller of the open format: what happens to a format and its bill between
// opening and leaving it, one code for the window and the command line. It opens a
// format with the bill its boxes start with, saves it, asks before unsaved box edits
// are left, keeps page options as they change, adds the bill to history, prints it as
// one transaction with its history row, and steps on to the next page of a multi-page
// bill. No widgets: the window's views follow the document's signals, and what the
// user is told goes through the Asker or the Note signal.
#include "document/EntrySettings.h"
#include "document/RecordChange.h"
#include "records/BoxValues.h"

#include <QObject>

#include <memory>

class Asker;
class Database;
class FormatDocument;
class FormatStore;
class PrintJob;
class Progress;
struct AidContext;
struct BillPageOptions;
struct PageOptions;

// How a print of the current bill ended.
struct PrintedBill {
    bool printed = false; // the output was published
    bool kept = false;    // its history row was committed (false without history)
    int pages = 0;
};

class FormatController final : public QObject {
    Q_OBJECT
public:
    // Keeps the references; `settings` may change while the controller lives.
    FormatController(Database& db, FormatDocument& document, const EntrySettings& settings,
                     Asker& asker, Progress& progress, QObject* parent = nullptr);
    ~FormatController() override;

    // The screen the boxes' font sizes are shown for, in twips. 0 (the command line):
    // each format's own design screen, so fonts print exactly as designed.
    void SetScreenWidthTwips(qint64 twips) { screenWidthTwips_ = twips; }

    FormatDocument& Document() { return document_; }
    bool IsOpen() const;
    // The line-break marker and conversions of the open format.
    ValueFilling Filling() const;
    // What a value entering the open bill needs.
    AidContext Aids() const;
    // How the open format's bills are laid out on paper (canvas width, rounding,
    // background as the format prints it).
    BillPageOptions PrintOptions() const;

    // Opens the format with the bill its boxes start with: its stored defaults, then
    // the automatic numbers, lists and passwords (and today's dates with `fillDates`).
    // The defaults of the format it replaces are stored first; asking about unsaved
    // edits is Leave's. False, with the open format unchanged, when it cannot load.
    bool Open(const QString& name, bool fillDates = false);
    // Before the open format is left: unsaved box edits are saved (Yes), dropped (No),
    // or the leaving is cancelled (false).
    bool Leave();
    // "保存格式": the box records and page parameters, then the bill as the format's
    // defaults. False after saying why.
    bool Save();
    // The bill in the boxes as the open format's default contents; false after saying why.
    bool StoreDefaults();
    // Saves the format first when it has boxes added since the last save, so a bill kept
    // in history holds every box's value; false when that save failed.
    bool SaveNewBoxesFirst();
    // Writes option changes (menu toggles, option boxes, the paper answer) into the
    // document and at once into the stored page record: they are the format's settings,
    // not box edits, and survive a restart without "保存格式". False after saying why.
    bool KeepOptions(const PageOptions& options);
    // The print offsets, likewise kept at once (a measured calibration).
    bool KeepOffsets(double offsetX, double offsetY);

    // Whether printed bills can be kept now: on a server store, that the server
    // answers (a lost connection is opened again first). False after saying why: the
    // bill is then not printed, since its output must not go out without its record.
    bool ReadyToKeepBills();
    // "添加下一张单据": the bill goes into history and the boxes start the next one.
    // False (the bill stays in the boxes) after saying why.
    bool AddBill();
    // Prints the bill in the boxes on `job` with `copies`, and with `keep` stores it in
    // history in the same transaction as the output (committed when the output is
    // published), holding the format so no one renames or re-saves it meanwhile.
    PrintedBill PrintCurrentBill(PrintJob& job, int copies, bool keep = true);
    // After a printed bill: the next page of a multi-page bill opens, or, when the bill
    // is finished and the format asks for it, the boxes start the next bill.
    void AfterPrint();
    // The boxes start the next bill: contents cleared (fixed texts stay, pictures too
    // when the format keeps them), then the automatic fills.
    void StartNextBill();

Q_SIGNALS:
    // A format was opened (it is the document's now).
    void Opened(const QString& name);
    // A short note on what was done ("格式“…”已保存。", "已打印 1 页").
    void Note(const QString& text);
    // Bills of the open format were added to history.
    void BillsKept();

private:
    // The screen width the open format's records are shown and saved for.
    qint64 DisplayWidthTwips() const;
    // Saves the box records and page parameters; false after saying why.
    bool SaveRecords();
    // Writes the document's `parts` of the page parameters into the stored page record.
    bool KeepPage(PageParts parts);

    Database& db_;
    // One store view for the controller's life: on a server store it remembers the
    // version of each format it opened, so a save over another seat's change is noticed.
    std::unique_ptr<FormatStore> formats_;
    FormatDocument& document_;
    const EntrySettings& settings_;
    Asker& asker_;
    Progress& progress_;
    qint64 screenWidthTwips_ = 0;
};
