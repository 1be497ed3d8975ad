#include "print/PaperCheck.h"

#include "core/Asker.h"
#include "store/Format.h"

#include <QPagedPaintDevice>

namespace {
const QString kPaperTooSmall = QStringLiteral(
    "单据（宽 %1 mm，高 %2 mm）比打印机的纸张（宽 %3 mm，高 %4 mm）大，超出纸张的内容打印不出来。\n"
    "是否为此格式打开“自动设置纸张”，把纸张设为单据的尺寸？");
} // namespace

QSizeF PaperSizeMm(const QPagedPaintDevice& device, const PageParams& page) {
    const QSizeF portrait = device.pageLayout().pageSize().size(QPageSize::Millimeter);
    const bool lengthwise = page.options.optionBoxes[kLengthwise] != 0;
    return lengthwise ? portrait.transposed() : portrait;
}

bool PageFitsPaper(const QSizeF& pageMm, const QSizeF& paperMm) {
    constexpr double kRounding = 0.1;
    return pageMm.width() <= paperMm.width() + kRounding && pageMm.height() <= paperMm.height() + kRounding;
}

std::optional<QSizeF> PaperTooSmall(const QPagedPaintDevice& device, const PageParams& page) {
    if (page.options.setPaper) return std::nullopt;
    const QSizeF paper = PaperSizeMm(device, page);
    if (paper.isEmpty() || PageFitsPaper(QSizeF(page.width, page.height), paper)) return std::nullopt;
    return paper;
}

bool OfferToSetPaper(const QPagedPaintDevice& device, PageParams& page, Asker& asker) {
    const std::optional<QSizeF> paper = PaperTooSmall(device, page);
    if (!paper) return false;
    const auto mm = [](double value) { return QString::number(value, 'g', 6); };
    if (!asker.AskYesNo(kPaperTooSmall.arg(mm(page.width), mm(page.height), mm(paper->width()),
                                           mm(paper->height()))))
        return false;
    page.options.setPaper = true;
    return true;
}
