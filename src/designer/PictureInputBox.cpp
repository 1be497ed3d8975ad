#include "designer/PictureInputBox.h"

#include "designer/DesignOutline.h"
#include "symbols/SymbolDrawing.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>

PictureInputBox::PictureInputBox(QWidget* canvas) : InputBox(BoxKind::Picture, canvas) {
    setObjectName(QStringLiteral("PictureBox"));
}

void PictureInputBox::ShowContent(const QString& content) {
    content_ = content;
    picture_ = QPixmap();
    // A picture that fails to load leaves the box empty rather than drawing its
    // path as a barcode.
    const bool file = !content.isEmpty() && QFileInfo(content).isFile();
    barcode_ = !content.isEmpty() && !file;
    if (file) picture_.load(content);
    update();
}

// A barcode too long for the box's pixels is drawn at the width it needs and shown
// shrunk into the box, whole, rather than cut at the box's right edge.
void PictureInputBox::DrawBarcode(QPainter& painter) {
    const BarcodeStandard standard = Environment().barcodeStandard;
    const int least = SymbolLeastWidth(content_, standard);
    if (least <= width()) {
        DrawSymbol(painter, QRectF(rect()), content_, standard, font());
        return;
    }
    const double factor = double(least) / width();
    QImage symbol(least, qMax(1, int(height() * factor)), QImage::Format_RGB32);
    symbol.fill(Qt::white);
    QFont scaled = font();
    scaled.setPointSizeF(font().pointSizeF() * factor);
    QPainter onImage(&symbol);
    DrawSymbol(onImage, QRectF(symbol.rect()), content_, standard, scaled);
    onImage.end();
    // Averaged, so that every bar still shows as a shade.
    painter.drawImage(rect().topLeft(), symbol.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void PictureInputBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!picture_.isNull()) {
        painter.drawPixmap(rect(), picture_);
    } else if (barcode_) {
        DrawBarcode(painter);
    }
    if (IsSelected()) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    } else if (content_.isEmpty()) {
        PaintDesignOutline(painter, rect());
    }
}
