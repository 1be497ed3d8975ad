#include "print/PageSetup.h"

#include "print/PrintTexts.h"
#include "core/Asker.h"
#include "store/Format.h"

#include <QPageSize>
#include <QPrinter>
#include <cmath>

int SetCustomPaper(QPrinter& printer, const QString& formName, double widthMm, double heightMm,
                   Asker& asker) {
    // The spooler's forms are sized in thousandths of a millimetre.
    const QSizeF size(std::round(widthMm * 1000) / 1000, std::round(heightMm * 1000) / 1000);
    const QPageSize form(size, QPageSize::Millimeter, formName, QPageSize::ExactMatch);
    if (widthMm > 0 && heightMm > 0 && form.isValid() && printer.setPageSize(form)) return 0;
    asker.Message(PrintText::kPaperErrorNumber + QString::number(kPaperRefused));
    return kPaperRefused;
}

void ApplyPageSetup(QPrinter& printer, const PageParams& page, Asker& asker) {
    printer.setFullPage(true);
    if (page.options.setPaper)
        SetCustomPaper(printer, PrintText::kCustomPaperName, page.width, page.height, asker);
    const bool lengthwise = page.options.optionBoxes[kLengthwise] != 0;
    printer.setPageOrientation(lengthwise ? QPageLayout::Landscape : QPageLayout::Portrait);
}
