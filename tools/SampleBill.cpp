// The sample slip's boxes. Only unlabelled text boxes carry their text in the format
// itself, so the filled-in fields are unlabelled; the other kinds show their shape.
#include "SampleBill.h"

namespace {
using namespace SlipGrid;

constexpr qint64 kInkBlue = 0x8C3C14; // RGB(20, 60, 140), red in the low byte
constexpr qint64 kInkRed = 0x2828C8;  // RGB(200, 40, 40)

BoxRecord Box(BoxKind kind, double x, double y, double w, double h) {
    BoxRecord r;
    r.kind = static_cast<int>(kind);
    r.x = x;
    r.y = y;
    r.w = w;
    r.h = h;
    r.fontName = QStringLiteral("宋体");
    r.fontSize = 12;
    return r;
}

// Filled-in text: the row's value column, vertically centred in a 10 mm row.
BoxRecord Filled(double x, double rowTop, double w, const QString& text) {
    BoxRecord r = Box(BoxKind::Text, x + 1, rowTop + 1.5, w - 2, 7);
    r.color = kInkBlue;
    r.mem = text;
    return r;
}
} // namespace

Format SampleFormat() {
    Format f;
    f.name = kSampleFormatName;
    f.page.width = kPageWidth;
    f.page.height = kPageHeight;
    f.page.options.optionBoxes[kShowRulers] = 1;
    f.page.options.optionBoxes[kShowBackground] = 1;
    f.page.options.barcodeStandard = 2; // QR code

    const double row1 = kTableTop, row2 = row1 + kRowHeight, row3 = row2 + kRowHeight;
    const double payerWidth = kMiddle - kPayerValue, payeeWidth = kRight - kPayeeValue;
    QList<BoxRecord>& b = f.boxes;
    b << Filled(128, kDateTop - 1, 50, QStringLiteral("2024年6月18日"));
    b << Filled(kPayerValue, row1, payerWidth, QStringLiteral("星河贸易有限公司"));
    b << Filled(kPayerValue, row2, payerWidth, QStringLiteral("6222 0210 0113 2345"));
    b << Filled(kPayerValue, row3, payerWidth, QStringLiteral("星河银行海淀支行"));
    b << Filled(kPayeeValue, row1, payeeWidth, QStringLiteral("远山文具有限公司"));
    b << Filled(kPayeeValue, row2, payeeWidth, QStringLiteral("6217 8800 4410 9921"));
    b << Filled(kPayeeValue, row3, payeeWidth, QStringLiteral("远山银行朝阳支行"));
    b << Filled(kPayerValue, kAmountTop + 5, kDigits - kPayerValue,
                QStringLiteral("壹万贰仟叁佰肆拾伍元陆角柒分"));
    b << Filled(kDigits + 20, kAmountTop + 5, kRight - kDigits - 20, QStringLiteral("￥12,345.67"));
    b << Filled(kPayerValue, kAmountBottom, 37, QStringLiteral("转账支票"));
    b << Filled(100, kAmountBottom, 25, QStringLiteral("1"));

    BoxRecord urgent = Box(BoxKind::Check, kDigits + 5, kAmountBottom + 3.3, 0, 0);
    urgent.label = QStringLiteral("加急");
    b << urgent;

    BoxRecord code = Box(BoxKind::Picture, 174, kKindRowBottom + 2, 18, 18);
    code.label = QStringLiteral("回单二维码");
    b << code;

    // The diagonal that closes an unused remarks area, end point in w and h.
    BoxRecord cross = Box(BoxKind::Line, 40, kKindRowBottom + 4, 118, kTableBottom - 9);
    cross.color = kInkRed;
    cross.fontName.clear();
    cross.fontSize = 1; // line width
    cross.cash = 1;     // solid
    b << cross;

    BoxRecord clerk = Box(BoxKind::Label, 20, kTableBottom - 7, 40, 6);
    clerk.label = QStringLiteral("经办：王芳");
    clerk.color = kInkBlue;
    b << clerk;
    return f;
}
