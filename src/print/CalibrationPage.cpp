#include "print/CalibrationPage.h"

#include "print/PrintJob.h"
#include "print/PrintTexts.h"
#include "core/Asker.h"
#include "store/Format.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace {
constexpr double kSquareFromMm = 10, kSquareToMm = 20;
constexpr double kOutlineMm = 0.2;
} // namespace

bool PrintCalibrationPage(QPrinter& printer, Asker& asker) {
    return AskForCalibrationPage(asker) && DrawCalibrationPage(printer, asker);
}

bool AskForCalibrationPage(Asker& asker) {
    return asker.AskYesNo(PrintText::kCalibrationQuestion);
}

bool DrawCalibrationPage(QPrinter& printer, Asker& asker) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    // A sheet of A4 as it is, portrait; the printer's profile applies as to any page.
    PageParams sheet;
    sheet.width = 210;
    sheet.height = 297;
    PrintJob job(printer, asker);
    QPainter* painter = job.BeginSheet(sheet);
    if (!painter) return false;
    // Plain millimetres: the square is measured with a ruler.
    painter->save();
    painter->scale(printer.logicalDpiX() / 25.4, printer.logicalDpiY() / 25.4);
    painter->setPen(QPen(Qt::black, kOutlineMm));
    painter->drawRect(QRectF(QPointF(kSquareFromMm, kSquareFromMm), QPointF(kSquareToMm, kSquareToMm)));
    painter->restore();
    return job.End();
}
