#include "FormatFileFixture.h"

#include "store/FormatStore.h"
#include "store/ParamStore.h"
#include "core/Progress.h"
#include "store/Schema.h"

#include <QFile>
#include <iconv.h>

FormatFileFixture::FormatFileFixture() : db_(OpenDataDatabase()) {
    EXPECT_TRUE(db_);
}

FormatFileFixture::~FormatFileFixture() = default;

Format SampleFormat() {
    Format f;
    f.page = {.width = 210, .height = 99.5, .offsetX = 10, .offsetY = 12.5};
    PageOptions& o = f.page.options;
    o.setPaper = o.autoFontSize = true;
    o.optionBoxes = {1, 0, 1, 0, 1};
    o.currency = QStringLiteral("$");
    o.passwordArea = QStringLiteral("1{[]}2{[]}3{[]}4");
    o.barcodeStandard = BarcodeStandard::QrCode;

    const qint64 a = kFirstTemporaryId, b = a + 1, c = a + 2, d = a + 3;
    f.boxes = {
        {.id = a, .label = QStringLiteral("收款人\r\n全称"), .dir = 1, .x = 12.5, .y = 20, .w = 60,
         .h = 8, .s = 0.5, .l = 1004.5, .color = 255, .fontName = QStringLiteral("宋体"),
         .fontSize = 10.5, .bold = true, .cash = 103, .rctl = double(b), .sumId = -double(c),
         .rctl1 = -b},
        {.id = b, .x = 5, .sumId1 = double(a), .mem = QStringLiteral("固定\r\n文字")},
        {.id = d, .kind = BoxKind::Line, .x = 1, .y = 2, .w = 200, .h = 2, .fontSize = 0.3,
         .cash = 1},
        {.id = c, .label = QStringLiteral("标签一\r\n标签二"), .kind = BoxKind::Label,
         .italic = true, .underline = true, .strikeout = true, .cash = 2},
    };
    return f;
}

Format FormatFileFixture::StoreSample(const QString& name) {
    Format format = SampleFormat();
    format.name = name;
    SilentProgress quiet;
    EXPECT_TRUE(FormatStore(*db_).SaveFormat(format, name, 19200, quiet));
    ParamStore params(*db_);
    EXPECT_TRUE(params.SetParam(name + "=>自定义类型124", "现金;转账"));
    EXPECT_TRUE(params.SetParam(name + "=>自定义类型119", "yyyy年"));
    return format;
}

void FormatFileFixture::WriteBytes(const QString& path, const QByteArray& bytes) const {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray FormatFileFixture::ReadBytes(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FormatFileFixture::Snapshot() {
    QStringList rows;
    for (const char* sql : {"SELECT * FROM Fmt ORDER BY ID", "SELECT * FROM 参数 ORDER BY rowid"}) {
        const QueryResult result = db_->Query(QString::fromUtf8(sql));
        for (const QVariantList& row : result.rows) {
            QStringList cells;
            for (const QVariant& cell : row) cells << cell.toString();
            rows << cells.join('|');
        }
    }
    return rows;
}

QByteArray GbkBytes(const QString& text) {
    QByteArray in = text.toUtf8();
    QByteArray out(in.size() * 2 + 16, '\0');
    iconv_t cd = iconv_open("GBK", "UTF-8");
    char* src = in.data();
    char* dst = out.data();
    size_t inLeft = in.size(), outLeft = out.size();
    const size_t result = iconv(cd, &src, &inLeft, &dst, &outLeft);
    iconv_close(cd);
    EXPECT_NE(result, size_t(-1));
    out.truncate(out.size() - qsizetype(outLeft));
    return out;
}
