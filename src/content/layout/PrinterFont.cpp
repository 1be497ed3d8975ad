#include "content/layout/PrinterFont.h"

#include "content/layout/BoxFont.h"
#include "content/layout/ScaledSample.h"
#include "content/layout/SurfaceFont.h"
#include "content/layout/TextTokens.h"
#include "content/layout/TwipDevice.h"
#include "content/layout/Twips.h"

#include <QHash>
#include <cmath>
#include <memory>

namespace {

// Twelve CJK characters: one four-character word three times.
const QString kSample = QStringLiteral("票据打印票据打印票据打印");
constexpr double kSearchStart = 10.5;
// The size the sample is measured at for the search when the design size will not do
// (see SampleWidthFor).
constexpr double kReferenceSize = 100;
constexpr double kCanvasFrameTwips = 340;
constexpr double kSmallestAutoSize = 2;

double RoundToTenth(double size) { return std::round(size * 10) / 10; }

}  // namespace

double TextWidthTwips(const BoxFont& font, double sizePt, const QString& text) {
    return SurfaceFont::For(font, sizePt, TwipDevice())->Width(text);
}

namespace {

// What a printer font size depends on.
struct SizeKey {
    QString name;
    bool bold, italic;
    double designSize, designToPaper;
    bool operator==(const SizeKey&) const = default;
};

size_t qHash(const SizeKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.name, key.bold, key.italic, key.designSize, key.designToPaper);
}

} // namespace

double DesignToPaper(double pageWidthMm, double canvasWidthTwips) {
    return canvasWidthTwips > 0 ? pageWidthMm / canvasWidthTwips : 0;
}

double FitWidthCanvasTwips(double screenWidthTwips) {
    return screenWidthTwips - kCanvasFrameTwips;
}

double FitFontSize(double targetWidth, double startSize,
                   const std::function<double(double)>& sampleWidth) {
    double size = startSize;
    double width = sampleWidth(size);
    double step = width > targetWidth ? -4 : 10;
    for (int round = 0; round < 501 && std::fabs(step) >= 0.3; ++round) {
        if (size + step <= 0) step = -size / 2; // never reach zero
        size += step;
        width = sampleWidth(size);
        if ((step < 0 && width < targetWidth) || (step > 0 && width >= targetWidth)) step = -step / 2;
    }
    const double fine = width > targetWidth ? -0.1 : 0.1;
    for (int i = 0; i < 10 && size + fine > 0; ++i) {
        size += fine;
        width = sampleWidth(size);
        if (fine < 0 ? width < targetWidth : width >= targetWidth) break;
    }
    return size;
}

namespace {

using SampleMeasure = std::function<double(double sizePt)>;

// The sample's width in twips at any size. Where the font allows (see ScaledSample),
// from the font a box of about the printer size draws with, scaled: the design size,
// the reference size and the sizes tried are then never looked up as fonts of their
// own, while the widths are those the text engine gives at each size.
SampleMeasure SampleMeasureFor(const BoxFont& font, double designToPaper) {
    const double likelySize = RoundToTenth(font.designSize * designToPaper * kTwipsPerMm);
    const double anchor = likelySize >= kSmallestAutoSize ? likelySize : font.designSize;
    if (auto scaled = ScaledSample::For(font, kSample, anchor)) {
        // One sample for every copy of the measure, so each size is scaled once.
        auto shared = std::make_shared<const ScaledSample>(std::move(*scaled));
        return [shared](double size) { return shared->Width(size); };
    }
    return [font](double size) { return TextWidthTwips(font, size, kSample); };
}

// The sample's width at the sizes the search tries, as far as it is compared with
// `target`. Each size measured costs a font at that size (a lookup every time where the
// sample cannot be scaled), while unhinted text grows with its size: so the width is
// scaled linearly from one size, the design size (whose width the target was measured
// with) when that is a whole number of twips per em, else kReferenceSize. A font is
// made in whole twips per em, so a measured width strays from the scaled one by at most
// half an em per character, plus the 1/64-twip rounding of advances at both sizes;
// where the scaled width is not clearly on one side of the target, the size is
// measured, so the search takes every turn it would take measuring each size.
SampleMeasure SampleWidthFor(const BoxFont& font, double target, const SampleMeasure& measure) {
    const double designTwips = font.designSize * kTwipsPerPoint;
    const bool designIsWhole = font.designSize > 0 && std::fabs(designTwips - std::round(designTwips)) < 1e-9;
    const double reference = designIsWhole ? font.designSize : kReferenceSize;
    const double perPoint = measure(reference) / reference;
    const double ems = perPoint / kTwipsPerPoint;
    return [=](double size) {
        const double scaled = perPoint * size;
        const double doubt = ems + 1 + size / reference + scaled * 1e-4;
        return std::fabs(scaled - target) > doubt ? scaled : measure(size);
    };
}

} // namespace

double PrinterFontSize(const BoxFont& font, double designToPaper) {
    thread_local QHash<SizeKey, double> cache;
    const SizeKey key{font.name, font.bold, font.italic, font.designSize, designToPaper};
    if (const auto found = cache.constFind(key); found != cache.cend()) return *found;

    // The sample's width on the canvas (twips there are points × 20 as on paper),
    // carried to paper.
    const SampleMeasure measure = SampleMeasureFor(font, designToPaper);
    const double target = measure(font.designSize) * designToPaper * kTwipsPerMm;
    const double size = FitFontSize(target, kSearchStart, SampleWidthFor(font, target, measure));
    cache.insert(key, size);
    return size;
}

double ShrinkToFit(const QString& content, double boxWidth, double letterSpacing,
                   double startSize, const std::function<double(double, const QString&)>& widthAt) {
    const QStringList lines = SplitSourceLines(content);
    const auto widest = [&](double size) {
        double result = 0;
        for (const QString& line : lines)
            result = std::max(result, widthAt(size, line) +
                                          (CharacterCount(line) - 1) * letterSpacing);
        return result;
    };
    double size = RoundToTenth(startSize);
    while (size > kSmallestAutoSize && widest(size) > boxWidth)
        size = std::max(kSmallestAutoSize, RoundToTenth(size - 0.1));
    return size;
}
