#pragma once
// The print system's printers come with Qt's print support library and the widget
// library it needs, thousands of symbols bound on every load. Only the code that makes
// printers links them (PrinterSystem.h: the window, and the printers module a command
// loads to print to a queue); it registers a PrintSystem here, and the printing code
// reaches printers through it. A job that writes a PDF file loads none of them.
#include <QList>
#include <QPageSize>
#include <QString>
#include <memory>
#include <optional>

class Asker;
class PublishStep;
class QPagedPaintDevice;

// The papers an installed print queue offers.
struct QueuePapers {
    QString queue;
    QList<QPageSize> sizes;
    bool takesCustomSizes = false;
};

class PrintSystem {
public:
    virtual ~PrintSystem() = default;
    // The print queue `device` sends its job to: empty unless it is a printer that
    // sends to a queue (not one writing a PDF file).
    virtual QString QueueOf(const QPagedPaintDevice& device) const = 0;
    // The papers of the installed queue `device` sends to; nullopt for any other device.
    virtual std::optional<QueuePapers> PapersOf(const QPagedPaintDevice& device) const = 0;
    // Lets a printer draw from the paper's corner; false when `device` is no printer.
    virtual bool UseWholePaper(QPagedPaintDevice& device) const = 0;
    // Whether the printer's job has failed.
    virtual bool Failed(const QPagedPaintDevice& printer) const = 0;
    // Whether the spooler refused the job the printer handed it as its painter ended
    // (a queue that takes no jobs, or one that is gone); asked right after that.
    virtual bool SpoolerRefused(const QPagedPaintDevice& printer) const = 0;
    // The PDF file a printer writes to a staging file (PrinterPdfOutput.h): whether it
    // does, finishing it onto its target, and discarding it.
    virtual bool HasStagedPdf(const QPagedPaintDevice& printer) const = 0;
    virtual bool FinishPdf(QPagedPaintDevice& printer, bool ended, Asker& asker,
                           PublishStep* step) const = 0;
    virtual void DiscardPdf(QPagedPaintDevice& printer) const = 0;
    // A high-resolution printer on the installed queue `queue`, which becomes the
    // remembered one; null when no installed queue has that name.
    virtual std::unique_ptr<QPagedPaintDevice> PrinterOn(const QString& queue) const = 0;
};

// The print system of the process; null while nothing in it can make a printer.
const PrintSystem* LoadedPrintSystem();
void RegisterPrintSystem(const PrintSystem* system);

// How the program brings in its print system when a command needs one (its printers
// module); set at start.
void SetPrintSystemLoader(const PrintSystem* (*load)());
// The loaded print system, else the one the loader brings; null when there is none.
const PrintSystem* RequirePrintSystem();

// The queue `device` sends to (PrintSystem::QueueOf); empty when no print system is
// loaded, as no printer can exist then.
QString PrintQueueOf(const QPagedPaintDevice& device);
