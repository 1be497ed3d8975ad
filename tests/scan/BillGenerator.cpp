#include "BillGenerator.h"

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QRandomGenerator>

#include <array>
#include <cmath>

namespace {

constexpr double kMmPerInch = 25.4;

struct Caption {
    const char16_t* text;
    double dataType;
};

// Captions of lines to write on, with the data type their words ask for.
const Caption kLineCaptions[] = {
    {u"收款人", 0},    {u"付款人", 0},    {u"用途", 0},        {u"地址", 0},    {u"联系电话", 0},
    {u"手机", 0},      {u"收款账号", 0},  {u"身份证号码", 0},  {u"金额大写", 103}, {u"开票日期", 110},
    {u"备注", 0},      {u"经办人", 0},    {u"合计金额", 104},  {u"单位名称", 0},
};
const char16_t* const kCheckCaptions[] = {u"现金", u"转账", u"支票", u"汇票", u"电汇", u"其他"};
const char16_t* const kTitles[] = {u"示例银行进账单", u"费用报销单", u"示例速递运单", u"收款收据", u"转账凭证"};
const char16_t* const kPartyCaptions[] = {u"收款单位", u"开户银行", u"付款单位", u"经办部门"};
const char16_t* const kDigitHeadings = u"亿千百十万千百十元角分";

QString Text(const char16_t* text) { return QString::fromUtf16(text); }

class Sheet {
public:
    Sheet(QPainter& painter, QRandomGenerator& random) : p_(painter), random_(random) {
        const bool serif = random_.bounded(2) == 0;
        family_ = serif ? QStringLiteral("Noto Serif CJK SC") : QStringLiteral("Noto Sans CJK SC");
        const QColor inks[] = {QColor(170, 30, 30), QColor(30, 50, 140), QColor(40, 40, 40), QColor(20, 100, 60)};
        ink_ = inks[random_.bounded(4)];
    }

    void Words(const QString& text, const QRectF& mm, int align, double sizeMm = 3.6) {
        p_.save();
        // The painter counts millimetres; a font in tenths of them keeps the glyphs' shapes.
        p_.scale(0.1, 0.1);
        QFont big(family_);
        big.setPixelSize(int(std::lround(sizeMm * 10)));
        p_.setFont(big);
        p_.setPen(ink_);
        p_.drawText(QRectF(mm.x() * 10, mm.y() * 10, mm.width() * 10, mm.height() * 10), align, text);
        p_.restore();
    }
    void Rule(double x0, double y0, double x1, double y1) {
        p_.setPen(QPen(ink_, 0.25, Qt::SolidLine, Qt::FlatCap));
        p_.drawLine(QPointF(x0, y0), QPointF(x1, y1));
    }
    void Box(const QRectF& mm) {
        p_.setPen(QPen(ink_, 0.25));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(mm);
    }

private:
    QPainter& p_;
    QRandomGenerator& random_;
    QString family_;
    QColor ink_;
};

// Caption-and-line rows: two blanks a row.
void LineRows(Sheet& sheet, QRandomGenerator& random, double top, QList<TrueBlank>& blanks) {
    QList<int> order;
    for (int i = 0; i < int(std::size(kLineCaptions)); ++i) order << i;
    for (int i = int(order.size()) - 1; i > 0; --i) order.swapItemsAt(i, random.bounded(i + 1));
    int next = 0;
    for (int row = 0; row < 3; ++row) {
        const double lineY = top + 11 * row + 7;
        for (int half = 0; half < 2; ++half) {
            const Caption& caption = kLineCaptions[order[next++]];
            const QString words = Text(caption.text);
            const double start = half == 0 ? 12 : 108;
            const double captionWidth = 4.0 * words.size() + 3;
            const double lineStart = start + captionWidth + 1;
            const double lineEnd = half == 0 ? 100 : 198;
            sheet.Words(words + QStringLiteral("："), QRectF(start, lineY - 7, captionWidth, 6.6),
                        Qt::AlignRight | Qt::AlignBottom);
            sheet.Rule(lineStart, lineY, lineEnd, lineY);
            blanks.append({QRectF(lineStart, lineY - 7, lineEnd - lineStart, 7), BoxKind::Text, words, caption.dataType});
        }
    }
}

// Check squares with their captions after them, and a date written into three lines.
void ChecksAndDate(Sheet& sheet, QRandomGenerator& random, double top, QList<TrueBlank>& blanks) {
    const int first = random.bounded(int(std::size(kCheckCaptions)) - 2);
    for (int i = 0; i < 3; ++i) {
        const QRectF square(12 + 26 * i, top + 1.5, 4, 4);
        sheet.Box(square);
        sheet.Words(Text(kCheckCaptions[first + i]), QRectF(square.right() + 1.2, top, 18, 7),
                    Qt::AlignLeft | Qt::AlignVCenter);
        blanks.append({square, BoxKind::Check, Text(kCheckCaptions[first + i]), 0});
    }
    const double lineY = top + 6;
    sheet.Words(QStringLiteral("日期："), QRectF(100, lineY - 7, 14, 6.6), Qt::AlignRight | Qt::AlignBottom);
    double x = 115;
    const std::array<std::pair<const char16_t*, double>, 3> parts{{{u"年", 106}, {u"月", 107}, {u"日", 108}}};
    const double widths[] = {20, 14, 14};
    for (int i = 0; i < 3; ++i) {
        sheet.Rule(x, lineY, x + widths[i], lineY);
        blanks.append({QRectF(x, lineY - 7, widths[i], 7), BoxKind::Text, Text(parts[i].first), parts[i].second});
        sheet.Words(Text(parts[i].first), QRectF(x + widths[i] + 0.6, lineY - 7, 5, 6.6), Qt::AlignLeft | Qt::AlignBottom);
        x += widths[i] + 6.5;
    }
}

// An amount in digit cells under their headings, its caption in a cell beside both
// rows; a postcode in six squares.
void DigitsAndPostcode(Sheet& sheet, double top, QList<TrueBlank>& blanks) {
    const double cell = 5.5, headTop = top, digitTop = top + 6, bottom = top + 14;
    const double left = 42;
    sheet.Box(QRectF(12, headTop, left - 12, bottom - headTop));
    sheet.Words(QStringLiteral("小写金额"), QRectF(12, headTop, left - 12, bottom - headTop), Qt::AlignCenter);
    const QString headings = Text(kDigitHeadings);
    for (int i = 0; i < 11; ++i) {
        sheet.Box(QRectF(left + cell * i, headTop, cell, digitTop - headTop));
        sheet.Box(QRectF(left + cell * i, digitTop, cell, bottom - digitTop));
        sheet.Words(headings.mid(i, 1), QRectF(left + cell * i, headTop, cell, digitTop - headTop), Qt::AlignCenter, 3.2);
    }
    blanks.append({QRectF(left, digitTop, cell * 11, bottom - digitTop), BoxKind::Text, QStringLiteral("小写金额"), 311});

    sheet.Words(QStringLiteral("邮编："), QRectF(110, digitTop, 15, 7), Qt::AlignRight | Qt::AlignVCenter);
    for (int i = 0; i < 6; ++i) sheet.Box(QRectF(126 + 7 * i, digitTop + 0.5, 6, 6));
    blanks.append({QRectF(126, digitTop + 0.5, 41, 6), BoxKind::Text, QStringLiteral("邮编"), 109});
}

// A goods table: a heading row and two empty rows; 金额 = 数量 × 单价 on each.
void GoodsTable(Sheet& sheet, double top, QList<TrueBlank>& blanks) {
    const double xs[] = {12, 72, 97, 122, 157};
    const char16_t* heads[] = {u"名称", u"数量", u"单价", u"金额"};
    const double types[] = {0, 117, 105, 104};
    const double rows[] = {top, top + 7, top + 15, top + 23};
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 3; ++r) sheet.Box(QRectF(xs[c], rows[r], xs[c + 1] - xs[c], rows[r + 1] - rows[r]));
        sheet.Words(Text(heads[c]), QRectF(xs[c], rows[0], xs[c + 1] - xs[c], rows[1] - rows[0]), Qt::AlignCenter);
    }
    for (int r = 1; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            blanks.append({QRectF(xs[c], rows[r], xs[c + 1] - xs[c], rows[r + 1] - rows[r]), BoxKind::Text,
                           Text(heads[c]) + (r == 2 ? QStringLiteral("2") : QString()), types[c]});
}

// Two captions in cells, each with an empty cell after it.
void PartyRow(Sheet& sheet, QRandomGenerator& random, double top, QList<TrueBlank>& blanks) {
    const double xs[] = {12, 37, 97, 122, 198};
    const int first = random.bounded(2) * 2;
    for (int c = 0; c < 4; ++c) sheet.Box(QRectF(xs[c], top, xs[c + 1] - xs[c], 9));
    for (int k = 0; k < 2; ++k) {
        const QString caption = Text(kPartyCaptions[first + k]);
        sheet.Words(caption, QRectF(xs[2 * k], top, xs[2 * k + 1] - xs[2 * k], 9), Qt::AlignCenter);
        blanks.append({QRectF(xs[2 * k + 1], top, xs[2 * k + 2] - xs[2 * k + 1], 9), BoxKind::Text, caption, 0});
    }
}

cv::Mat MatOf(QImage& image) {
    return cv::Mat(image.height(), image.width(), CV_8UC3, image.bits(), size_t(image.bytesPerLine()));
}

void Spoil(QImage& image, const ScanLook& look, QRandomGenerator& random) {
    cv::Mat mat = MatOf(image);
    if (look.blur > 0) cv::GaussianBlur(mat, mat, cv::Size(0, 0), look.blur);
    if (look.shade > 0) {
        cv::Mat light(mat.size(), CV_32FC3);
        const double angle = random.bounded(360) * 3.14159265 / 180;
        for (int y = 0; y < mat.rows; ++y)
            for (int x = 0; x < mat.cols; ++x) {
                const double along = (std::cos(angle) * x / mat.cols + std::sin(angle) * y / mat.rows + 1) / 2;
                const float f = float(1 - look.shade * along);
                light.at<cv::Vec3f>(y, x) = cv::Vec3f(f, f, f);
            }
        cv::Mat asFloat;
        mat.convertTo(asFloat, CV_32FC3);
        cv::multiply(asFloat, light, asFloat);
        asFloat.convertTo(mat, CV_8UC3);
    }
    if (look.noise > 0) {
        cv::Mat noise(mat.size(), CV_16SC3);
        cv::theRNG().state = random.generate64();
        cv::randn(noise, 0, look.noise);
        cv::Mat wide;
        mat.convertTo(wide, CV_16SC3);
        wide += noise;
        wide.convertTo(mat, CV_8UC3);
    }
    if (look.jpegQuality > 0) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", look.jpegQuality);
        image = QImage::fromData(bytes, "JPG").convertToFormat(QImage::Format_RGB888);
    }
}

} // namespace

GeneratedBill GenerateBill(int seed, const ScanLook& look) {
    QRandomGenerator random(quint32(seed) * 7919u + 17u);
    GeneratedBill bill;
    bill.pageMm = QSizeF(210, 150);
    const double pxPerMm = look.dpi / kMmPerInch;
    QImage image(int(std::lround(bill.pageMm.width() * pxPerMm)), int(std::lround(bill.pageMm.height() * pxPerMm)),
                 QImage::Format_RGB888);
    image.fill(QColor(250 - random.bounded(8), 248 - random.bounded(8), 240 - random.bounded(12)));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        // Turned about the page's centre, as a sheet lying askew on the scanner.
        painter.translate(image.width() / 2.0, image.height() / 2.0);
        painter.rotate(look.degrees);
        painter.translate(-image.width() / 2.0, -image.height() / 2.0);
        painter.scale(pxPerMm, pxPerMm);
        Sheet sheet(painter, random);
        sheet.Words(Text(kTitles[random.bounded(int(std::size(kTitles)))]), QRectF(0, 6, 210, 10), Qt::AlignCenter, 6);
        sheet.Box(QRectF(5, 5, 200, 140));
        LineRows(sheet, random, 17, bill.blanks);
        ChecksAndDate(sheet, random, 52, bill.blanks);
        DigitsAndPostcode(sheet, 63, bill.blanks);
        GoodsTable(sheet, 82, bill.blanks);
        PartyRow(sheet, random, 115, bill.blanks);
    }
    Spoil(image, look, random);
    const int dotsPerMeter = int(std::lround(pxPerMm * 1000));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    bill.image = image;
    return bill;
}

QImage SpoiledScan(const QImage& page, const ScanLook& look, int seed) {
    QRandomGenerator random(quint32(seed) * 7919u + 17u);
    QImage image(page.size(), QImage::Format_RGB888);
    image.fill(page.pixelColor(0, 0));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.translate(image.width() / 2.0, image.height() / 2.0);
        painter.rotate(look.degrees);
        painter.translate(-image.width() / 2.0, -image.height() / 2.0);
        painter.drawImage(0, 0, page);
    }
    Spoil(image, look, random);
    image.setDotsPerMeterX(page.dotsPerMeterX());
    image.setDotsPerMeterY(page.dotsPerMeterY());
    return image;
}

ScanLook VariedLook(int seed) {
    QRandomGenerator random(quint32(seed) * 104729u + 3u);
    const double dpis[] = {150, 200, 300};
    ScanLook look;
    look.dpi = dpis[seed % 3];
    look.degrees = (random.bounded(601) - 300) / 100.0;
    look.noise = random.bounded(9);
    look.blur = random.bounded(9) / 10.0;
    look.shade = random.bounded(26) / 100.0;
    look.jpegQuality = 55 + random.bounded(36);
    return look;
}

QImage Photographed(const GeneratedBill& bill, double pull, int seed) {
    QRandomGenerator random(quint32(seed) * 31u + 5u);
    QImage sheet = bill.image.convertToFormat(QImage::Format_RGB888);
    const cv::Mat paper = MatOf(sheet);
    const float w = float(paper.cols), h = float(paper.rows);
    const int margin = int(std::max(w, h) * 0.2);
    QImage photo(paper.cols + 2 * margin, paper.rows + 2 * margin, QImage::Format_RGB888);
    photo.fill(QColor(70, 60, 55));
    cv::Mat desk = MatOf(photo);
    auto jitter = [&](float size) { return float((random.bounded(2001) - 1000) / 1000.0 * pull * size); };
    const std::array<cv::Point2f, 4> from{cv::Point2f(0, 0), cv::Point2f(w, 0), cv::Point2f(w, h), cv::Point2f(0, h)};
    std::array<cv::Point2f, 4> to;
    for (int i = 0; i < 4; ++i)
        to[size_t(i)] = from[size_t(i)] + cv::Point2f(float(margin) + jitter(w), float(margin) + jitter(h));
    const cv::Mat warp = cv::getPerspectiveTransform(from.data(), to.data());
    cv::warpPerspective(paper, desk, warp, desk.size(), cv::INTER_LINEAR, cv::BORDER_TRANSPARENT);
    photo.setDotsPerMeterX(2835);
    photo.setDotsPerMeterY(2835);
    return photo;
}

ScanLook LightScan(double degrees) {
    ScanLook look;
    look.dpi = 200;
    look.degrees = degrees;
    look.noise = 3;
    return look;
}
