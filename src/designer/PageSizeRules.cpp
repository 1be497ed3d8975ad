#include "designer/PageSizeRules.h"

#include "designer/DesignerTexts.h"
#include "designer/TextNumber.h"
#include "core/Asker.h"

bool IsValidPageRatio(double widthMm, double heightMm) {
    if (!(widthMm > 0) || !(heightMm > 0)) return false;
    const double ratio = widthMm / heightMm;
    return ratio >= 1.0 / 20.0 && ratio <= 20.0;
}

namespace {

// Asks one side until it is not zero; nullopt when the answer is empty or cancelled.
// A negative side is refused like zero: no page can be drawn with it.
std::optional<double> AskSide(Asker& asker, const QString& prompt, const QString& preset,
                              const QString& zeroMessage) {
    for (;;) {
        const std::optional<QString> answer = asker.AskText(prompt, preset, DesignerText::kNewFormatTitle);
        if (!answer || answer->isEmpty()) return std::nullopt;
        const double value = NumberFromText(*answer);
        if (value > 0) return value;
        asker.Message(zeroMessage);
    }
}

} // namespace

std::optional<NewFormatPage> AskNewFormat(Asker& asker, double currentWidthMm,
                                          double currentHeightMm) {
    const std::optional<QString> name = asker.AskText(DesignerText::kAskFormatName, {}, DesignerText::kNewFormatTitle);
    if (!name || name->isEmpty()) return std::nullopt;
    QString widthPreset = QString::number(currentWidthMm);
    QString heightPreset = QString::number(currentHeightMm);
    for (;;) {
        const auto width = AskSide(asker, DesignerText::kAskWidth, widthPreset, DesignerText::kZeroWidth);
        if (!width) return std::nullopt;
        const auto height =
            AskSide(asker, DesignerText::kAskHeight, heightPreset, DesignerText::kZeroHeight);
        if (!height) return std::nullopt;
        if (IsValidPageRatio(*width, *height)) return NewFormatPage{*name, *width, *height};
        asker.Message(DesignerText::kBadRatioRetry);
        widthPreset.clear();
        heightPreset.clear();
    }
}
