#include "cli/CommandSetup.h"

#include "cli/CliTexts.h"
#include "content/layout/PrinterFont.h"
#include "formatfile/FormatFileTexts.h"
#include "print/PaperCheck.h"
#include "print/PdfWriterOutput.h"
#include "print/PrintJob.h"
#include "print/PrintableArea.h"
#include "print/PrintTexts.h"
#include "print/PrintSystem.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QTextStream>

namespace {
constexpr qint64 kDefaultDesignWidth = 15360; // a stored design width of 0 stands for it

QString Mm(double value) { return QString::number(value, 'g', 6); }
} // namespace

EntrySettings CommandEntrySettings(Database& db) {
    EntrySettings settings;
    settings.lineBreakMarker = ReadSetting(PrintText::kSettingsApp, PrintText::kParaSection, PrintText::kCrlfKey,
                                           PrintText::kDefaultCrlf);
    settings.roundingMethod = ParamStore(db).GetParam(PrintText::kNumCutParam).toInt();
    return settings;
}

std::optional<CommandFormat> LoadCommandFormat(Database& db, const QString& name, QTextStream& err) {
    FormatStore store(db);
    const std::optional<PageParams> page = store.LoadPageParams(name);
    // Fonts as designed: load at the design screen's own width, so no rescaling.
    const qint64 designWidth = page && page->designScreenWidth > 0 ? page->designScreenWidth
                                                                   : kDefaultDesignWidth;
    std::optional<Format> format = page ? store.LoadFormat(name, designWidth) : std::nullopt;
    if (!format) {
        err << FormatFileTexts::FormatMissing(name) << Qt::endl;
        return std::nullopt;
    }
    CommandFormat loaded;
    loaded.format = std::move(*format);
    ConversionSettings& conversion = loaded.filling.settings;
    conversion.currency = loaded.format.page.options.currency;
    conversion.monthZero = loaded.format.page.options.monthZero;
    const EntrySettings settings = CommandEntrySettings(db);
    conversion.roundingMethod = settings.roundingMethod;
    loaded.filling.lineBreakMarker = settings.lineBreakMarker;
    loaded.canvasWidthTwips = FitWidthCanvasTwips(double(designWidth));
    return loaded;
}

const QList<CommandOption>& OutputOptions() {
    static const QList<CommandOption> options = {
        {QStringLiteral("--pdf"), true}, {QStringLiteral("--printer"), true},
        {QStringLiteral("--copies"), true}, {QStringLiteral("--paper"), true}};
    return options;
}

std::optional<PrintTarget> ReadPrintTarget(const CommandArgs& args, QString* problem) {
    PrintTarget target;
    target.pdf = args.Value(QStringLiteral("--pdf"));
    target.printer = args.Value(QStringLiteral("--printer"));
    if (target.pdf.isEmpty() == target.printer.isEmpty()) {
        *problem = CliText::kPdfOrPrinter;
        return std::nullopt;
    }
    if (const std::optional<QString> copies = args.OptionalValue(QStringLiteral("--copies"))) {
        const std::optional<qint64> count = ReadWholeNumber(*copies, 1, kMaxCopies);
        if (!count) {
            *problem = PrintText::CopiesOutOfRange(*copies);
            return std::nullopt;
        }
        target.copies = int(*count);
    }
    if (const std::optional<QString> paper = args.OptionalValue(QStringLiteral("--paper"))) {
        if (paper->compare(QLatin1String("format"), Qt::CaseInsensitive) == 0)
            target.paperAsPage = true;
        else if (paper->compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
            target.paperMm = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
        else
            target.paperMm = ReadSizeMm(*paper);
        if (!target.paperAsPage && !target.paperMm) {
            *problem = CliText::BadValue(QStringLiteral("--paper"), *paper, CliText::kExpectPaper);
            return std::nullopt;
        }
    }
    return target;
}

CommandOutput::CommandOutput() = default;
CommandOutput::~CommandOutput() = default;

bool CommandOutput::Open(const PrintTarget& target, PageParams& page, QTextStream& err) {
    if (!target.pdf.isEmpty()) {
        pdf_ = std::make_unique<PdfWriterOutput>(target.pdf);
    } else {
        printers_ = RequirePrintSystem();
        if (printers_) printer_ = printers_->PrinterOn(target.printer);
        if (!printer_) {
            err << PrintText::kNoPrinter << Qt::endl;
            return false;
        }
    }
    if (target.paperAsPage) page.options.setPaper = true;
    if (target.paperMm) {
        page.options.setPaper = false;
        Device().setPageSize(QPageSize(*target.paperMm, QPageSize::Millimeter));
    }
    return true;
}

QPagedPaintDevice& CommandOutput::Device() {
    if (pdf_) return pdf_->Writer();
    return *printer_;
}

std::unique_ptr<PrintJob> CommandOutput::StartJob(Asker& asker) {
    if (pdf_) return std::make_unique<PrintJob>(*pdf_, asker);
    return std::make_unique<PrintJob>(*printer_, *printers_, asker);
}

void WarnWhenOffPaper(const QPagedPaintDevice& device, const PageParams& printed, const QString& what,
                      QTextStream& err) {
    const std::optional<QSizeF> paper = PaperTooSmall(device, printed);
    if (!paper) return;
    err << CliText::OffPaper(what, Mm(printed.width), Mm(printed.height), Mm(paper->width()),
                             Mm(paper->height()))
        << Qt::endl;
}

void WarnOfHardwareMargins(const QPagedPaintDevice& device, const Format& format, QTextStream& err) {
    if (const QString warning = HardwareMarginWarning(device, format); !warning.isEmpty()) err << warning << Qt::endl;
}

void WarnOfHardwareMargins(const QPagedPaintDevice& device, const Format& format, const LabelSheetSpec& spec,
                           QTextStream& err) {
    const QString warning = LabelSheetMarginWarning(device, format, spec);
    if (!warning.isEmpty()) err << warning << Qt::endl;
}
