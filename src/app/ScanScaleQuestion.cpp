#include "app/ScanScaleQuestion.h"

#include "cli/CommandArgs.h"
#include "core/Asker.h"
#include "scan/ScanTexts.h"

#include <QImageReader>

#include <cmath>

namespace {

QString SizeText(const QSizeF& mm) { return QStringLiteral("%1x%2").arg(mm.width()).arg(mm.height()); }

// The dpi the file records, as the answer to start from; empty when it records none.
QString RecordedDpiText(const QString& image) {
    QImageReader file(image);
    const double dpi = RecordedDpi(file.read());
    return dpi > 0 ? QString::number(std::lround(dpi)) : QString();
}

std::optional<ScanSettings> AskSize(Asker& asker, const QSizeF& formatMm) {
    QString answer = SizeText(formatMm);
    for (;;) {
        const std::optional<QString> typed = asker.AskText(ScanTexts::kSizePrompt, answer);
        if (!typed) return std::nullopt;
        if (const std::optional<QSizeF> size = ReadSizeMm(*typed)) return ScanSettings{std::nullopt, size};
        asker.Message(ScanTexts::kBadSize);
        answer = *typed;
    }
}

std::optional<ScanSettings> AskDpi(Asker& asker, const QString& image) {
    QString answer = RecordedDpiText(image);
    const QString prompt = ScanTexts::kDpiPrompt.arg(kLeastGivenDpi).arg(kMostGivenDpi);
    for (;;) {
        const std::optional<QString> typed = asker.AskText(prompt, answer);
        if (!typed) return std::nullopt;
        if (const std::optional<qint64> dpi = ReadWholeNumber(typed->trimmed(), kLeastGivenDpi, kMostGivenDpi))
            return ScanSettings{double(*dpi), std::nullopt};
        asker.Message(ScanTexts::kBadDpi.arg(kLeastGivenDpi).arg(kMostGivenDpi));
        answer = *typed;
    }
}

} // namespace

std::optional<ScanSettings> AskScanScale(Asker& asker, const QString& image, const QSizeF& formatMm) {
    const QStringList ways{ScanTexts::kScaleBySize.arg(SizeText(formatMm)), ScanTexts::kScaleByDpi};
    const std::optional<int> way = asker.ChooseItem(ScanTexts::kScaleCaption, ways, 0);
    if (!way) return std::nullopt;
    return *way == 0 ? AskSize(asker, formatMm) : AskDpi(asker, image);
}
