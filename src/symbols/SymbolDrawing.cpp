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

bool DrawSymbol(QPainter& painter, const QRectF& rect, const QString& content, BarcodeStandard standard,
                const QFont& font) {
    if (content.isEmpty()) return true;
    switch (standard) {
    case BarcodeStandard::Code39: return DrawCode39InBox(painter, rect, content, font);
    case BarcodeStandard::Ean13: DrawEan13InBox(painter, rect, content); return true;
    case BarcodeStandard::QrCode: return DrawQrCode(painter, rect, content);
    }
    return false;
}

int SymbolLeastWidth(const QString& content, BarcodeStandard standard) {
    switch (standard) {
    case BarcodeStandard::Code39: {
        const std::optional<QString> framed = Code39Text(content);
        return framed ? kCode39CharacterUnits * static_cast<int>(framed->size()) - 3 : 0;
    }
    case BarcodeStandard::Ean13: return kEan13LeftOffset + kEan13Modules;
    case BarcodeStandard::QrCode: return 0; // a QR code scales to any box
    }
    return 0;
}
