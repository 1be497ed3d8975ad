#include "symbols/SymbolDrawing.h"

#include "symbols/Code39.h"
#include "symbols/Ean13.h"
#include "symbols/FitFontSize.h"
#include "symbols/QrDrawing.h"

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace {

enum BarcodeStandard { kCode39 = 0, kEan13 = 1, kQrCode = 2 };

// The human-readable line of a Code 39 symbol takes at most this share of the box height.
constexpr double kMostTextShare = 0.25;

bool DrawCode39InBox(QPainter& painter, const QRectF& rect, const QString& content, const QFont& font) {
    const std::optional<QString> framed = Code39Text(content);
    if (!framed) return false;
    const QRectF device = painter.combinedTransform().mapRect(rect);
    const int units = kCode39CharacterUnits * static_cast<int>(framed->size()) - 3;  // no gap after the last
    const int narrowWidth = qMax(1, static_cast<int>(device.width() / units));
    // Each character is printed at the start of its own bars, so the line as a whole
    // must not be wider than the symbol.
    QFont textFont = font;
    const int widthSize = FitFontSize(painter, font, *framed, units * narrowWidth);
    const int size = LimitFontSizeToHeight(painter, font, widthSize, device.height() * kMostTextShare);
    if (size > 0) textFont.setPointSize(size);
    return DrawCode39(painter, content, rect, narrowWidth, size > 0, textFont);
}

void DrawEan13InBox(QPainter& painter, const QRectF& rect, const QString& content) {
    const QRectF device = painter.combinedTransform().mapRect(rect);
    const int moduleWidth = qMax(1, static_cast<int>(device.width() / (kEan13LeftOffset + kEan13Modules)));
    DrawEan13(painter, content, rect, moduleWidth, true);
}

}  // namespace

bool DrawSymbol(QPainter& painter, const QRectF& rect, const QString& content, int barcodeStandard,
                const QFont& font) {
    if (content.isEmpty()) return true;
    switch (barcodeStandard) {
    case kCode39: return DrawCode39InBox(painter, rect, content, font);
    case kEan13: DrawEan13InBox(painter, rect, content); return true;
    case kQrCode: return DrawQrCode(painter, rect, content);
    default: return false;
    }
}

int SymbolLeastWidth(const QString& content, int barcodeStandard) {
    switch (barcodeStandard) {
    case kCode39: {
        const std::optional<QString> framed = Code39Text(content);
        return framed ? kCode39CharacterUnits * static_cast<int>(framed->size()) - 3 : 0;
    }
    case kEan13: return kEan13LeftOffset + kEan13Modules;
    default: return 0;
    }
}
