#include "print/PageSetup.h"

#include "print/PrintTexts.h"
#include "core/Asker.h"
#include "store/Format.h"

#include <QPageSize>
#include <QPrinter>
#include <cmath>

int SetCustomPaper(QPagedPaintDevice& printer, const QString& formName, double widthMm, double heightMm,
                   Asker& asker) {
    // The spooler's forms are sized in thousandths of a millimetre.
    const QSizeF size(std::round(widthMm * 1000) / 1000, std::round(heightMm * 1000) / 1000);
    const QPageSize form(size, QPageSize::Millimeter, formName, QPageSize::ExactMatch);
    if (widthMm > 0 && heightMm > 0 && form.isValid() && printer.setPageSize(form)) return 0;
    asker.Message(PrintText::kPaperErrorNumber + QString::number(kPaperRefused));
    return kPaperRefused;
}

void ApplyPageSetup(QPagedPaintDevice& device, const PageParams& page, Asker& asker) {
    // A PDF writer has no printable area: with no margins its origin is the corner.
    if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->setFullPage(true);
    else device.setPageMargins(QMarginsF());
    if (page.options.setPaper)
        SetCustomPaper(device, PrintText::kCustomPaperName, page.width, page.height, asker);
    const bool lengthwise = page.options.optionBoxes[kLengthwise] != 0;
    device.setPageOrientation(lengthwise ? QPageLayout::Landscape : QPageLayout::Portrait);
}
