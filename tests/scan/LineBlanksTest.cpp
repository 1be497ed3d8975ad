// Blanks on lines to write on, drawn straight at the analysis scale: how far up a blank
// reaches and where a line divides.
#include "scan/BlankLayout.h"
#include "scan/StraightScan.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace {

constexpr double kPageW = 150, kPageH = 80;

class LinePicture {
public:
    LinePicture() : image_(int(kPageW * kWorkPxPerMm), int(kPageH * kWorkPxPerMm), QImage::Format_RGB32) {
        image_.fill(Qt::white);
    }
    // A caption set in `mm` (3.2 mm characters) and a rule along y from x0 to x1.
    void Words(const QString& text, const QRectF& mm, int align) {
        QPainter p(&image_);
        QFont font(QStringLiteral("Noto Sans CJK SC"));
        font.setPixelSize(int(std::lround(3.2 * kWorkPxPerMm)));
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(Scaled(mm), align, text);
    }
    void Rule(double x0, double x1, double y) {
        QPainter p(&image_);
        p.setPen(QPen(Qt::black, 0.25 * kWorkPxPerMm));
        p.drawLine(QPointF(x0, y) * kWorkPxPerMm, QPointF(x1, y) * kWorkPxPerMm);
    }
    // The line blanks found, in millimetres.
    std::vector<QRectF> LineBlanks() const {
        std::vector<QRectF> out;
        for (const FoundBlank& b : FindLayout(GreyOf(image_)).blanks)
            if (b.shape == BlankShape::Line)
                out.push_back(QRectF(b.rect.x / kWorkPxPerMm, b.rect.y / kWorkPxPerMm, b.rect.width / kWorkPxPerMm,
                                     b.rect.height / kWorkPxPerMm));
        return out;
    }

private:
    static QRectF Scaled(const QRectF& mm) {
        return QRectF(mm.topLeft() * kWorkPxPerMm, mm.size() * kWorkPxPerMm);
    }
    QImage image_;
};

void ExpectNear(const QRectF& found, const QRectF& expected) {
    EXPECT_NEAR(found.left(), expected.left(), 0.5);
    EXPECT_NEAR(found.top(), expected.top(), 0.5);
    EXPECT_NEAR(found.right(), expected.right(), 0.5);
    EXPECT_NEAR(found.bottom(), expected.bottom(), 0.5);
}

TEST(LineBlanks, CaptionOnTheLineDividesItAndAHeadingStopsTheBlankBelowIt) {
    LinePicture picture;
    // A caption centred 9 mm above its line, but a heading printed 17 mm above it.
    picture.Words(QStringLiteral("说明文字"), QRectF(40, 16, 60, 6), Qt::AlignLeft | Qt::AlignVCenter);
    picture.Words(QStringLiteral("地址"), QRectF(10, 18, 25, 18), Qt::AlignRight | Qt::AlignVCenter);
    picture.Rule(36, 120, 36);
    // One rule past two captions: 电话's caption printed on it starts a second blank.
    picture.Words(QStringLiteral("邮编"), QRectF(10, 50, 25, 7), Qt::AlignRight | Qt::AlignVCenter);
    picture.Words(QStringLiteral("电话"), QRectF(50, 50, 25, 7), Qt::AlignRight | Qt::AlignVCenter);
    picture.Rule(36, 120, 57);
    // An underlined heading is no blank.
    picture.Words(QStringLiteral("示例单据存根联"), QRectF(36, 63, 84, 7), Qt::AlignCenter);
    picture.Rule(60, 96, 70);

    const std::vector<QRectF> blanks = picture.LineBlanks();
    ASSERT_EQ(blanks.size(), 3u);
    EXPECT_GT(blanks[0].top(), 20.0) << blanks[0].top(); // below the heading, not 18 mm tall
    EXPECT_LT(blanks[0].top(), 29.0);   // yet taller than a written line
    EXPECT_NEAR(blanks[0].bottom(), 36, 0.5);
    ExpectNear(blanks[1], QRectF(36, 50, 40, 7));
    ExpectNear(blanks[2], QRectF(76, 50, 44, 7));
}

} // namespace
