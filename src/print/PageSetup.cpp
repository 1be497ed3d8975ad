#include "print/PageSetup.h"

#include "print/PrintSystem.h"
#include "print/PrintTexts.h"
#include "core/Asker.h"
#include "store/Format.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <cmath>
#include <optional>

namespace {

// The papers of the print queue a printer sends its job to; none for a PDF file.
std::optional<QueuePapers> QueueOf(const QPagedPaintDevice& device) {
    const PrintSystem* printers = LoadedPrintSystem();
    return printers ? printers->PapersOf(device) : std::nullopt;
}

bool Near(const QSizeF& a, const QSizeF& b) {
    return std::abs(a.width() - b.width()) <= kNamedPaperToleranceMm
           && std::abs(a.height() - b.height()) <= kNamedPaperToleranceMm;
}

// A custom size for a print queue, a whole number of points each way and given in
// hundredths of a millimetre just above them. The spooler keeps sizes in hundredths of
// a millimetre and cuts its page to whole points, while the page sent is rounded to
// whole points; when the two differ by a point the spooler centres the page on its
// paper and the whole print moves by half a point.
QPageSize QueueCustomPaper(const QSizeF& sizeMm, const QString& formName) {
    constexpr double kMmPerPoint = 25.4 / 72;
    const auto exact = [](double mm) {
        const double points = std::round(mm / kMmPerPoint);
        return std::ceil(points * kMmPerPoint * 100 - 1e-6) / 100;
    };
    return QPageSize(QSizeF(exact(sizeMm.width()), exact(sizeMm.height())), QPageSize::Millimeter, formName,
                     QPageSize::ExactMatch);
}

// The queue's own paper of this size: the driver knows its exact dimensions.
std::optional<QPageSize> NamedPaper(const QueuePapers& queue, const QSizeF& sizeMm) {
    for (const QPageSize& paper : queue.sizes)
        if (Near(paper.size(QPageSize::Millimeter), sizeMm)) return paper;
    return std::nullopt;
}

} // namespace

int SetCustomPaper(QPagedPaintDevice& printer, const QString& formName, double widthMm, double heightMm,
                   Asker& asker) {
    // The spooler's forms are sized in thousandths of a millimetre.
    const QSizeF size(std::round(widthMm * 1000) / 1000, std::round(heightMm * 1000) / 1000);
    const QPageSize form(size, QPageSize::Millimeter, formName, QPageSize::ExactMatch);
    if (widthMm > 0 && heightMm > 0 && form.isValid()) {
        const std::optional<QueuePapers> queue = QueueOf(printer);
        if (!queue) {
            if (printer.setPageSize(form)) return 0;
        } else if (const std::optional<QPageSize> named = NamedPaper(*queue, size)) {
            if (printer.setPageSize(*named)) return 0;
        } else if (!queue->takesCustomSizes) {
            asker.Message(PrintText::PaperAccessDenied(queue->queue));
            return kPaperAccessDenied;
        } else if (printer.setPageSize(QueueCustomPaper(size, formName))) {
            return 0;
        }
    }
    asker.Message(PrintText::kPaperErrorNumber + QString::number(kPaperRefused));
    return kPaperRefused;
}

int ApplyPageSetup(QPagedPaintDevice& device, const PageParams& page, Asker& asker) {
    // A PDF writer has no printable area: with no margins its origin is the corner.
    const PrintSystem* printers = LoadedPrintSystem();
    if (!printers || !printers->UseWholePaper(device)) device.setPageMargins(QMarginsF());
    const int paper =
        page.options.setPaper ? SetCustomPaper(device, PrintText::kCustomPaperName, page.width, page.height, asker) : 0;
    const bool lengthwise = page.options.optionBoxes[kLengthwise] != 0;
    device.setPageOrientation(lengthwise ? QPageLayout::Landscape : QPageLayout::Portrait);
    return paper;
}
