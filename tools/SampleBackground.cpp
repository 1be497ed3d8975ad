// The picture of the blank slip, as a scanner would give it: a tinted form printed in
// green on a white A4 sheet. Drawn in millimetres on the grid the boxes use.
#include "SampleBill.h"

#include <QFont>
#include <QPainter>

namespace {
using namespace SlipGrid;

const QColor kPaper(255, 255, 255);
const QColor kTint(238, 246, 238);
const QColor kPrint(30, 110, 80);

class SlipPainter {
public:
    SlipPainter(QImage& image, double pixelsPerMm) : painter_(&image), scale_(pixelsPerMm) {
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setRenderHint(QPainter::TextAntialiasing);
    }

    void Fill(double x1, double y1, double x2, double y2, const QColor& color) {
        painter_.fillRect(Mm(x1, y1, x2, y2), color);
    }
    void Line(double x1, double y1, double x2, double y2, double widthMm = 0.3) {
        painter_.setPen(QPen(kPrint, widthMm * scale_));
        painter_.drawLine(QPointF(x1, y1) * scale_, QPointF(x2, y2) * scale_);
    }
    void Frame(double x1, double y1, double x2, double y2, double widthMm = 0.3) {
        painter_.setPen(QPen(kPrint, widthMm * scale_));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(Mm(x1, y1, x2, y2));
    }
    // Text of `heightMm` set inside the rectangle with Qt alignment `flags`.
    void Text(double x1, double y1, double x2, double y2, const QString& text,
              double heightMm = 3.5, int flags = Qt::AlignCenter, bool bold = false) {
        QFont font;
        font.setFamilies({QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")});
        font.setPixelSize(qMax(1, qRound(heightMm * scale_)));
        font.setBold(bold);
        painter_.setFont(font);
        painter_.setPen(kPrint);
        painter_.drawText(Mm(x1, y1, x2, y2), flags, text);
    }
    // One character a line, for the narrow side captions.
    void Vertical(double x1, double y1, double x2, double y2, const QString& text,
                  double heightMm = 3.5) {
        QString stacked;
        for (const QChar c : text) stacked += QString(c) + QLatin1Char('\n');
        stacked.chop(1);
        Text(x1, y1, x2, y2, stacked, heightMm);
    }

private:
    QRectF Mm(double x1, double y1, double x2, double y2) const {
        return QRectF(QPointF(x1, y1) * scale_, QPointF(x2, y2) * scale_);
    }
    QPainter painter_;
    double scale_;
};

void PaintParties(SlipPainter& p) {
    const double rows[] = {kTableTop, kTableTop + kRowHeight, kTableTop + 2 * kRowHeight, kAmountTop};
    const QString captions[] = {QStringLiteral("全　称"), QStringLiteral("账　号"),
                                QStringLiteral("开户银行")};
    for (int i = 0; i < 3; ++i) {
        p.Text(kPayerCaption, rows[i], kPayerValue, rows[i + 1], captions[i]);
        p.Text(kPayeeCaption, rows[i], kPayeeValue, rows[i + 1], captions[i]);
        if (i > 0) {
            p.Line(kPayerCaption, rows[i], kMiddle, rows[i]);
            p.Line(kPayeeCaption, rows[i], kRight, rows[i]);
        }
    }
    for (double x : {kPayerCaption, kPayerValue, kPayeeCaption, kPayeeValue})
        p.Line(x, kTableTop, x, kAmountTop);
    p.Line(kMiddle, kTableTop, kMiddle, kAmountTop, 0.5);
    p.Vertical(kLeft, kTableTop, kPayerCaption, kAmountTop, QStringLiteral("出票人"));
    p.Vertical(kMiddle, kTableTop, kPayeeCaption, kAmountTop, QStringLiteral("收款人"));
}

void PaintAmount(SlipPainter& p) {
    p.Line(kLeft, kAmountTop, kRight, kAmountTop, 0.5);
    p.Text(kLeft, kAmountTop, kPayerValue, kAmountBottom, QStringLiteral("金　额"), 4);
    p.Line(kPayerValue, kAmountTop, kPayerValue, kKindRowBottom);
    p.Text(kPayerValue + 1, kAmountTop + 0.5, kDigits, kAmountTop + 5, QStringLiteral("人民币（大写）"),
           3, Qt::AlignLeft | Qt::AlignVCenter);
    p.Line(kDigits, kAmountTop, kDigits, kTableBottom);
    p.Text(kDigits, kAmountTop + 5, kDigits + 20, kAmountBottom - 4, QStringLiteral("（小写）"), 3.2);
    p.Line(kLeft, kAmountBottom, kRight, kAmountBottom, 0.5);
}

void PaintLowerRows(SlipPainter& p) {
    p.Text(kLeft, kAmountBottom, kPayerValue, kKindRowBottom, QStringLiteral("票据种类"));
    p.Line(80, kAmountBottom, 80, kKindRowBottom);
    p.Text(80, kAmountBottom, 100, kKindRowBottom, QStringLiteral("票据张数"));
    p.Line(100, kAmountBottom, 100, kKindRowBottom);
    p.Text(kDigits + 10, kAmountBottom, kRight, kKindRowBottom, QStringLiteral("加急（请勾选）"),
           3.5, Qt::AlignLeft | Qt::AlignVCenter);
    p.Line(kLeft, kKindRowBottom, kRight, kKindRowBottom);
    p.Text(kLeft + 2, kKindRowBottom + 1, kDigits, kKindRowBottom + 6, QStringLiteral("备注："), 3.5,
           Qt::AlignLeft | Qt::AlignVCenter);
    p.Text(70, kTableBottom - 7, kDigits - 2, kTableBottom - 1, QStringLiteral("复核　　　　记账"), 3.5,
           Qt::AlignRight | Qt::AlignVCenter);
    p.Text(kDigits + 1, kTableBottom - 8, 170, kTableBottom - 1,
           QStringLiteral("收款人开户银行签章"), 3, Qt::AlignCenter | Qt::TextWordWrap);
}
} // namespace

QImage SampleBackground(double pixelsPerMm) {
    QImage image(qRound(kPageWidth * pixelsPerMm), qRound(kPageHeight * pixelsPerMm),
                 QImage::Format_RGB32);
    image.fill(kPaper);
    SlipPainter p(image, pixelsPerMm);
    p.Fill(kLeft - 5, kTitleTop - 3, kRight + 8, kTableBottom + 10, kTint);
    p.Text(kLeft, kTitleTop, kRight, kTitleTop + 9, QStringLiteral("星河银行　进账单（回单）"), 6,
           Qt::AlignCenter, true);
    p.Line(75, kTitleTop + 9.5, 135, kTitleTop + 9.5, 0.4);
    p.Line(75, kTitleTop + 10.5, 135, kTitleTop + 10.5, 0.4);
    p.Text(kLeft, kDateTop, 60, kDateTop + 7, QStringLiteral("No. 0012 4580"), 3.5,
           Qt::AlignLeft | Qt::AlignVCenter);
    p.Text(110, kDateTop, 128, kDateTop + 7, QStringLiteral("日期："), 3.5,
           Qt::AlignRight | Qt::AlignVCenter);
    PaintParties(p);
    PaintAmount(p);
    PaintLowerRows(p);
    p.Frame(kLeft, kTableTop, kRight, kTableBottom, 0.6);
    p.Vertical(kRight + 1, kTableTop, kRight + 6, kTableBottom,
               QStringLiteral("此联是开户银行交给持票人的回单"), 3);
    p.Text(kLeft, kTableBottom + 1, kRight, kTableBottom + 7,
           QStringLiteral("第一联　回单　（沿虚线撕下）"), 3, Qt::AlignRight | Qt::AlignVCenter);
    return image;
}
