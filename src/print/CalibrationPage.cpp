#include "print/CalibrationPage.h"

#include "print/PdfOutput.h"
#include "print/PrintTexts.h"
#include "core/Asker.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace {
constexpr double kSquareFromMm = 10, kSquareToMm = 20;
constexpr double kOutlineMm = 0.2;
} // namespace

bool PrintCalibrationPage(QPrinter& printer, Asker& asker) {
    return asker.AskYesNo(PrintText::kCalibrationQuestion) && DrawCalibrationPage(printer, asker);
}

bool DrawCalibrationPage(QPrinter& printer, Asker& asker) {
    printer.setFullPage(true);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter;
    if (!painter.begin(&printer)) {
        asker.Message(PrintText::kPrintError);
        return false;
    }
    // Plain millimetres: the square is measured with a ruler.
    painter.scale(printer.logicalDpiX() / 25.4, printer.logicalDpiY() / 25.4);
    painter.setPen(QPen(Qt::black, kOutlineMm));
    painter.drawRect(QRectF(QPointF(kSquareFromMm, kSquareFromMm), QPointF(kSquareToMm, kSquareToMm)));
    const bool ended = painter.end();
    return FinishPdfOutput(printer, ended, asker);
}
