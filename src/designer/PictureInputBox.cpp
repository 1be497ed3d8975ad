#include "designer/PictureInputBox.h"

#include "symbols/SymbolDrawing.h"

#include <QFileInfo>
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

void PictureInputBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!picture_.isNull()) {
        painter.drawPixmap(rect(), picture_);
    } else if (barcode_) {
        DrawSymbol(painter, QRectF(rect()), content_, Environment().barcodeStandard, font());
    }
    if (IsSelected()) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
