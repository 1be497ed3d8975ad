#include "designer/BarcodeCheck.h"

#include "designer/DesignerTexts.h"
#include "symbols/SymbolDrawing.h"
#include "symbols/SymbolTexts.h"

#include <QFont>
#include <QImage>
#include <QPainter>

QString BarcodeRefusal(const QString& content, BarcodeStandard standard) {
    // Drawing on a scratch picture asks the very code the canvas and the printer use.
    QImage scratch(32, 32, QImage::Format_RGB32);
    QPainter painter(&scratch);
    if (DrawSymbol(painter, QRectF(scratch.rect()), content, standard, QFont())) return {};
    switch (standard) {
    case BarcodeStandard::Code39: return QString::fromUtf8(kInvalidCode39Text);
    case BarcodeStandard::QrCode: return DesignerText::kQrTooLong;
    case BarcodeStandard::Ean13: break;
    }
    return DesignerText::kBarcodeNotDrawable;
}
