#include "LibraryFixture.h"

#include "store/FormatStore.h"
#include "store/ParamStore.h"
#include "store/Progress.h"
#include "store/Schema.h"

#include <QFile>
#include <iconv.h>

LibraryFixture::LibraryFixture() : db_(OpenDataDatabase()) {
    EXPECT_TRUE(db_);
}

LibraryFixture::~LibraryFixture() = default;

Format SampleFormat() {
    Format f;
    f.page.width = 210;
    f.page.height = 99.5;
    f.page.offsetX = 10;
    f.page.offsetY = 12.5;
    f.page.options.setPaper = true;
    f.page.options.optionBoxes = {1, 0, 1, 0, 1};
    f.page.options.currency = QStringLiteral("$");
    f.page.options.passwordArea = QStringLiteral("1{[]}2{[]}3{[]}4");
    f.page.options.autoFontSize = true;
    f.page.options.barcodeStandard = 2;

    const qint64 a = kFirstTemporaryId, b = a + 1, c = a + 2, d = a + 3;
    BoxRecord payee;
    payee.id = a;
    payee.label = QStringLiteral("收款人\r\n全称");
    payee.dir = 1;
    payee.x = 12.5;
    payee.y = 20;
    payee.w = 60;
    payee.h = 8;
    payee.s = 0.5;
    payee.l = 1004.5;
    payee.color = 255;
    payee.fontName = QStringLiteral("宋体");
    payee.fontSize = 10.5;
    payee.bold = true;
    payee.cash = 103;
    payee.rctl = double(b);
    payee.sumId = -double(c);
    payee.rctl1 = -b;

    BoxRecord fixed;
    fixed.id = b;
    fixed.x = 5;
    fixed.mem = QStringLiteral("固定\r\n文字");
    fixed.sumId1 = double(a);

    BoxRecord label;
    label.id = c;
    label.kind = int(BoxKind::Label);
    label.label = QStringLiteral("标签一\r\n标签二");
    label.italic = label.underline = label.strikeout = true;
    label.cash = 2;

    BoxRecord line;
    line.id = d;
    line.kind = int(BoxKind::Line);
    line.x = 1;
    line.y = 2;
    line.w = 200;
    line.h = 2;
    line.fontSize = 0.3;
    line.cash = 1;
    f.boxes = {payee, fixed, line, label};
    return f;
}

Format LibraryFixture::StoreSample(const QString& name) {
    Format format = SampleFormat();
    format.name = name;
    SilentProgress quiet;
    EXPECT_TRUE(FormatStore(*db_).SaveFormat(format, name, 19200, quiet));
    ParamStore params(*db_);
    EXPECT_TRUE(params.SetParam(name + "=>自定义类型124", "现金;转账"));
    EXPECT_TRUE(params.SetParam(name + "=>自定义类型119", "yyyy年"));
    return format;
}

void LibraryFixture::WriteBytes(const QString& path, const QByteArray& bytes) const {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray LibraryFixture::ReadBytes(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList LibraryFixture::Snapshot() {
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
