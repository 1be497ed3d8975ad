#include "designer/BarcodeCheck.h"

#include "designer/DesignerTexts.h"
#include "symbols/SymbolDrawing.h"
#include "symbols/SymbolTexts.h"

#include <QFont>
#include <QImage>
#include <QPainter>

QString BarcodeRefusal(const QString& content, int barcodeStandard) {
    // Drawing on a scratch picture asks the very code the canvas and the printer use.
    QImage scratch(32, 32, QImage::Format_RGB32);
    QPainter painter(&scratch);
    if (DrawSymbol(painter, QRectF(scratch.rect()), content, barcodeStandard, QFont())) return {};
    switch (barcodeStandard) {
    case 0: return QString::fromUtf8(kInvalidCode39Text);
    case 2: return DesignerText::kQrTooLong;
    default: return DesignerText::kBarcodeNotDrawable;
    }
}
