#include "print/CommandSetup.h"

#include "content/layout/PrinterFont.h"
#include "print/PdfWriterOutput.h"
#include "print/PrintJob.h"
#include "print/PrintTexts.h"
#include "print/PrinterChoice.h"
#include "store/Database.h"
#include "store/FormatStore.h"
#include "store/ParamStore.h"

#include <QPrinter>
#include <QTextStream>

namespace {
constexpr qint64 kDefaultDesignWidth = 15360; // a stored design width of 0 stands for it
} // namespace

std::optional<CommandFormat> LoadCommandFormat(Database& db, const QString& name, QTextStream& err) {
    FormatStore store(db);
    const std::optional<PageParams> page = store.LoadPageParams(name);
    // Fonts as designed: load at the design screen's own width, so no rescaling.
    const qint64 designWidth = page && page->designScreenWidth > 0 ? page->designScreenWidth
                                                                   : kDefaultDesignWidth;
    std::optional<Format> format = page ? store.LoadFormat(name, designWidth) : std::nullopt;
    if (!format) {
        err << QStringLiteral("格式不存在: ") << name << Qt::endl;
        return std::nullopt;
    }
    CommandFormat loaded;
    loaded.format = std::move(*format);
    ConversionSettings& conversion = loaded.filling.settings;
    conversion.currency = loaded.format.page.options.currency;
    conversion.monthZero = loaded.format.page.options.monthZero;
    conversion.roundingMethod = ParamStore(db).GetParam(PrintText::kNumCutParam).toInt();
    loaded.filling.lineBreakMarker = ReadSetting(PrintText::kSettingsApp, PrintText::kParaSection,
                                                 PrintText::kCrlfKey, PrintText::kDefaultCrlf);
    loaded.canvasWidthTwips = FitWidthCanvasTwips(double(designWidth));
    return loaded;
}

CommandOutput::CommandOutput() = default;
CommandOutput::~CommandOutput() = default;

bool CommandOutput::Open(const QString& pdf, const QString& printerName, QTextStream& err) {
    if (!pdf.isEmpty()) {
        pdf_ = std::make_unique<PdfWriterOutput>(pdf);
        return true;
    }
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (UsePrinter(*printer_, printerName)) return true;
    err << PrintText::kNoPrinter << Qt::endl;
    return false;
}

std::unique_ptr<PrintJob> CommandOutput::StartJob(Asker& asker) {
    if (pdf_) return std::make_unique<PrintJob>(*pdf_, asker);
    return std::make_unique<PrintJob>(*printer_, asker);
}
