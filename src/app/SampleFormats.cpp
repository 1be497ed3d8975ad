#include "app/SampleFormats.h"

#include "core/Progress.h"
#include "records/BoxValues.h"
#include "records/Defaults.h"
#include "store/BackgroundPictures.h"
#include "store/Bill.h"
#include "store/BoxLinks.h"
#include "store/Database.h"
#include "store/Format.h"
#include "store/FormatStore.h"

#include <QBuffer>
#include <QDate>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <initializer_list>
#include <memory>

namespace {

constexpr double kPixelsPerMm = 6; // about 150 dpi: a scan's usual resolution
constexpr qint64 kDesignWidth = 15360;
const QColor kFormInk(190, 40, 40);  // the red of pre-printed bank forms
const QColor kRuleInk(120, 140, 190);

struct SampleBox {
    BoxKind kind;
    const char16_t* label;
    double x, y, w, h;
    double dataType;
    const char16_t* value;             // nullptr: today's date, so a first print is of today
    const char16_t* sameAs = nullptr;  // the label of the box that shows the same content ("相同")
};

// The printed form of a sample: its title and the captions beside the boxes.
struct SampleForm {
    const char16_t* name;
    double width, height;
    const char16_t* title;
    std::initializer_list<SampleBox> boxes;
    BarcodeStandard barcodeStandard = BarcodeStandard::Code39;
};

const SampleForm kSamples[] = {
    {u"示例-银行进账单", 210, 297, u"中国示例银行 进账单（回单）",
     {{BoxKind::Text, u"出票人", 30, 40, 70, 7, 0, u"北京示例科技有限公司"},
      {BoxKind::Text, u"收款人", 130, 40, 70, 7, 0, u"上海样张贸易有限公司"},
      {BoxKind::Text, u"出票人账号", 30, 52, 70, 7, 0, u"6222 0200 1234 5678"},
      {BoxKind::Text, u"收款人账号", 130, 52, 70, 7, 0, u"3100 6688 0000 1234"},
      {BoxKind::Text, u"开户银行", 30, 64, 70, 7, 0, u"示例银行北京分行"},
      {BoxKind::Text, u"收款开户银行", 130, 64, 70, 7, 0, u"示例银行上海分行"},
      {BoxKind::Text, u"金额大写", 30, 78, 110, 7, 103, u"12345.60"},
      {BoxKind::Text, u"金额", 150, 78, 50, 7, 104, u"12345.60", u"金额大写"},
      {BoxKind::Text, u"日期", 140, 26, 60, 7, 110, nullptr},
      {BoxKind::Text, u"用途", 30, 92, 110, 7, 0, u"货款"},
      {BoxKind::Check, u"转账", 150, 93, 4, 4, 0, u"1"}}},
    {u"示例-快递运单", 241, 140, u"示例速递 运单",
     {{BoxKind::Text, u"寄件人", 28, 30, 85, 7, 0, u"李四"},
      {BoxKind::Text, u"寄件电话", 28, 40, 85, 7, 0, u"010-8888 6666"},
      {BoxKind::Text, u"寄件地址", 28, 50, 85, 14, 0, u"北京市海淀区示例路 1 号"},
      {BoxKind::Text, u"收件人", 148, 30, 85, 7, 0, u"王五"},
      {BoxKind::Text, u"收件电话", 148, 40, 85, 7, 0, u"021-6666 8888"},
      {BoxKind::Text, u"收件地址", 148, 50, 85, 14, 0, u"上海市浦东新区样张大道 88 号"},
      {BoxKind::Text, u"收件邮编", 148, 68, 40, 7, 109, u"200120"},
      {BoxKind::Text, u"物品", 28, 80, 85, 7, 0, u"文件"},
      {BoxKind::Text, u"寄件日期", 28, 92, 85, 7, 111, nullptr},
      {BoxKind::Picture, u"运单号", 148, 82, 85, 22, 0, u"VM2026120601"}}},
    {u"示例-地址标签", 105, 59.4, u"",
     {{BoxKind::Text, u"收件人", 22, 8, 60, 8, 0, u"王五 先生"},
      {BoxKind::Text, u"地址", 22, 20, 78, 14, 0, u"上海市浦东新区样张大道 88 号"},
      {BoxKind::Text, u"邮编", 22, 40, 40, 7, 109, u"200120"},
      {BoxKind::Text, u"电话", 62, 40, 38, 7, 0, u"021-6666 8888"}}},
};

QString Text(const char16_t* text) { return QString::fromUtf16(text); }

QString SampleValue(const SampleBox& box) {
    return box.value ? Text(box.value) : QDate::currentDate().toString(Qt::ISODate);
}

QRectF MmRect(double x, double y, double w, double h) {
    return QRectF(x * kPixelsPerMm, y * kPixelsPerMm, w * kPixelsPerMm, h * kPixelsPerMm);
}

// The blank bill as a scanner would see it: a title, a frame, and for every box a
// caption to its left and a rule under it.
QImage DrawBackground(const SampleForm& form) {
    QImage image(int(form.width * kPixelsPerMm), int(form.height * kPixelsPerMm), QImage::Format_RGB32);
    image.fill(QColor(252, 250, 244));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setPixelSize(int(5 * kPixelsPerMm));
    painter.setFont(font);
    painter.setPen(kFormInk);
    painter.drawText(MmRect(0, 6, form.width, 12), Qt::AlignCenter, Text(form.title));
    painter.setPen(QPen(kFormInk, 2));
    painter.drawRect(MmRect(4, 4, form.width - 8, form.height - 8));
    font.setPixelSize(int(3.2 * kPixelsPerMm));
    painter.setFont(font);
    for (const SampleBox& box : form.boxes) {
        painter.setPen(kFormInk);
        painter.drawText(MmRect(box.x - 26, box.y, 25, box.h), Qt::AlignRight | Qt::AlignVCenter,
                         Text(box.label));
        painter.setPen(QPen(kRuleInk, 1));
        if (box.kind == BoxKind::Check) painter.drawRect(MmRect(box.x, box.y, box.w, box.h));
        else painter.drawLine(MmRect(box.x, box.y, box.w, box.h).bottomLeft(),
                              MmRect(box.x, box.y, box.w, box.h).bottomRight());
    }
    return image;
}

Format MakeFormat(const SampleForm& form) {
    Format format;
    format.name = Text(form.name);
    format.page.width = form.width;
    format.page.height = form.height;
    format.page.options.barcodeStandard = form.barcodeStandard;
    format.page.options.optionBoxes[kShowBackground] = 1;
    // "自动设置纸张": the waybill is wider than A4, and a first print should be whole.
    format.page.options.setPaper = true;
    qint64 id = kFirstTemporaryId;
    for (const SampleBox& sample : form.boxes) {
        BoxRecord box;
        box.id = id++;
        box.kind = sample.kind;
        box.label = Text(sample.label);
        box.x = sample.x, box.y = sample.y, box.w = sample.w, box.h = sample.h;
        box.fontName = QStringLiteral("宋体");
        box.fontSize = box.kind == BoxKind::Text ? 10.5 : 9;
        box.cash = sample.dataType;
        format.boxes.append(box);
    }
    // Links name boxes by ID; saving turns the temporary IDs into stored ones.
    int row = 0;
    for (const SampleBox& sample : form.boxes) {
        BoxRecord& box = format.boxes[row++];
        if (!sample.sameAs) continue;
        for (const BoxRecord& target : format.boxes)
            if (target.label == Text(sample.sameAs)) box.rctl = RelationCode(target.id, false);
    }
    return format;
}

// The sample values, through the same conversions as typed values.
Bill MakeBill(const Format& format, const SampleForm& form) {
    Bill bill;
    const ValueFilling filling{};
    int row = 0;
    for (const SampleBox& sample : form.boxes) WriteBoxValue(format.boxes[row++], bill, SampleValue(sample), filling);
    return bill;
}

} // namespace

QStringList SampleFormatNames() {
    QStringList names;
    for (const SampleForm& form : kSamples) names << Text(form.name);
    return names;
}

QStringList CreateSampleFormats(Database& db, Progress& progress, QString* error) {
    FormatStore store(db);
    QStringList created;
    for (const SampleForm& form : kSamples) {
        Format format = MakeFormat(form);
        if (store.Exists(format.name)) continue;
        QByteArray picture;
        QBuffer pictureBytes(&picture);
        if (!DrawBackground(form).save(&pictureBytes, "JPG", 90) ||
            !BackgroundPictures(db).Write(format.name, picture) ||
            !store.SaveFormat(format, QString(), kDesignWidth, progress) ||
            !SaveDefaults(db, format, MakeBill(format, form), progress)) {
            if (error) *error = QStringLiteral("示例格式“%1”没有存好：%2").arg(format.name, db.LastError());
            return created;
        }
        created << format.name;
    }
    return created;
}
