#include "print/PrinterChoice.h"

#include "print/PrinterPdfOutput.h"
#include "print/PrintTexts.h"
#include "store/ParamStore.h"

#include <QPrinter>
#include <QPrinterInfo>

QStringList InstalledPrinterNames() { return QPrinterInfo::availablePrinterNames(); }

QString RememberedPrinter() {
    return ReadSetting(PrintText::kSettingsApp, PrintText::kPrinterSection, PrintText::kPrinterKey,
                       QString());
}

void RememberPrinter(const QString& name) {
    WriteSetting(PrintText::kSettingsApp, PrintText::kPrinterSection, PrintText::kPrinterKey, name);
}

QString PreferredPrinter(const QString& currentName, const QStringList& installed) {
    if (!currentName.isEmpty()) return currentName;
    const QString remembered = RememberedPrinter();
    if (!remembered.isEmpty() && installed.contains(remembered)) return remembered;
    return installed.value(0);
}

bool UsePrinter(QPrinter& printer, const QString& name) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) return false;
    const QString previous = printer.printerName();
    const QString previousFile = printer.outputFileName();
    const QPrinter::OutputFormat previousFormat = printer.outputFormat();
    // A file chosen for an earlier job would take this job's pages instead of the
    // spooler: the printer's own output has no file name.
    printer.setOutputFileName(QString());
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(name);
    if (!printer.isValid() || printer.printerName() != name || !printer.outputFileName().isEmpty()) {
        printer.setOutputFormat(previousFormat);
        printer.setOutputFileName(previousFile);
        printer.setPrinterName(previous);
        return false;
    }
    RememberPrinter(name);
    return true;
}

void UsePdfFile(QPrinter& printer, const QString& path) { StagePdfOutput(printer, path); }
