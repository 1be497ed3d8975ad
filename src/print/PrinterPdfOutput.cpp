#include "print/PrinterPdfOutput.h"

#include "content/layout/DrawnGlyphs.h"
#include "print/PdfOutput.h"

#include <QPaintEngine>
#include <QPrinter>

void StagePdfOutput(QPrinter& printer, const QString& target) {
    DiscardPdfOutput(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(StagePdfFile(target));
}

bool FinishPdfOutput(QPrinter& printer, bool ended, Asker& asker, PublishStep* step) {
    const DrawnFaces drawn = TakeDrawnGlyphs(&printer);
    // A preview paints the same printer without writing its file.
    const QPaintEngine* engine = printer.paintEngine();
    if (printer.outputFormat() != QPrinter::PdfFormat || !engine
        || engine->type() != QPaintEngine::Pdf)
        return ended;
    const QString written = printer.outputFileName();
    const QString target = StagedTarget(written);
    const bool finished = FinishStagedPdf(written, ended, asker, drawn, step);
    if (!target.isEmpty()) printer.setOutputFileName(target);
    return finished;
}

void DiscardPdfOutput(QPrinter& printer) {
    const QString staged = printer.outputFileName();
    const QString target = StagedTarget(staged);
    if (target.isEmpty()) return;
    printer.setOutputFileName(target);
    DiscardStagedPdf(staged);
}

bool HasStagedPdf(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat && !StagedTarget(printer.outputFileName()).isEmpty();
}
