#include "PdfProbe.h"

#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

namespace {

constexpr double kMmPerPoint = 25.4 / 72;

QString Run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

double Attr(const QString& tag, const QString& name) {
    const QRegularExpression re(name + QStringLiteral("=\"([-0-9.]+)\""));
    return re.match(tag).captured(1).toDouble();
}

} // namespace

QList<PdfPage> ReadPdf(const QString& path) {
    const QString html = Run(QStringLiteral("pdftotext"), {"-bbox", path, "-"});
    QList<PdfPage> pages;
    static const QRegularExpression tags(
        QStringLiteral("<page[^>]*>|<word[^>]*>([^<]*)</word>"));
    for (auto it = tags.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        const QString tag = match.captured(0);
        if (tag.startsWith(QStringLiteral("<page"))) {
            pages.append({QSizeF(Attr(tag, "width"), Attr(tag, "height")) * kMmPerPoint, {}});
        } else if (!pages.isEmpty()) {
            const QRectF box(QPointF(Attr(tag, "xMin"), Attr(tag, "yMin")) * kMmPerPoint,
                             QPointF(Attr(tag, "xMax"), Attr(tag, "yMax")) * kMmPerPoint);
            pages.last().words.append({match.captured(1), box});
        }
    }
    return pages;
}

QString PdfText(const QString& path) { return Run(QStringLiteral("pdftotext"), {path, "-"}); }

QStringList CrossReferenceMismatches(const QByteArray& pdf) {
    qsizetype table = pdf.mid(pdf.lastIndexOf("startxref") + 9).trimmed().split('\n').first().toLongLong();
    static const QRegularExpression kLine(QStringLiteral(R"(^(?:(\d+) (\d+)$|(\d{10}) (\d{5}) ([nf])))"));
    static const QRegularExpression kPrev(QStringLiteral(R"(/Prev\s+(\d+))"));
    QStringList wrong;
    QSet<qsizetype> visited;
    // Every table of the file, newest first, through the trailers' /Prev.
    while (table >= 0 && !visited.contains(table)) {
        visited.insert(table);
        if (!pdf.mid(table).startsWith("xref")) return wrong << QStringLiteral("table");
        const qsizetype trailer = pdf.indexOf("trailer", table);
        const QStringList lines = QString::fromLatin1(pdf.mid(table + 4, trailer - table - 4)).split(u'\n');
        int number = 0;
        for (const QString& line : lines) {
            const QRegularExpressionMatch match = kLine.match(line.trimmed());
            if (!match.hasMatch()) continue;
            if (match.capturedLength(1) > 0) { // a subsection: its first object number
                number = match.captured(1).toInt();
                continue;
            }
            const int current = number++;
            if (match.captured(5) == u"f") continue;
            const QString object = QStringLiteral("%1 %2 obj").arg(current).arg(match.captured(4).toInt());
            if (!pdf.mid(match.captured(3).toLongLong()).startsWith(object.toLatin1())) wrong << object;
        }
        const QRegularExpressionMatch prev =
            kPrev.match(QString::fromLatin1(pdf.mid(trailer, pdf.indexOf("startxref", trailer) - trailer)));
        table = prev.hasMatch() ? prev.captured(1).toLongLong() : -1;
    }
    return wrong;
}

QImage RasterisePage(const QString& path, int page, int dpi) {
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    Run(QStringLiteral("pdftoppm"), {"-gray", "-png", "-singlefile", "-r", QString::number(dpi),
                                     "-f", QString::number(page), "-l", QString::number(page),
                                     path, stem});
    // A 600 dpi A4 page is larger than Qt's default allocation limit.
    QImageReader::setAllocationLimit(0);
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

QRectF DarkBox(const QImage& page, int dpi, const QRectF& searchMm) {
    const double pxPerMm = dpi / 25.4;
    const QRect search = QRectF(searchMm.topLeft() * pxPerMm, searchMm.size() * pxPerMm)
                             .toAlignedRect()
                             .intersected(page.rect());
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = search.top(); y <= search.bottom(); ++y) {
        const uchar* row = page.constScanLine(y);
        for (int x = search.left(); x <= search.right(); ++x) {
            if (row[x] >= 128) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    return QRectF(QPointF(left, top) / pxPerMm, QPointF(right + 1, bottom + 1) / pxPerMm);
}

QByteArray DecodeSymbol(const QImage& picture) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("symbol.png"));
    picture.save(file);
    QProcess process;
    process.start(QStringLiteral("zbarimg"), {"--raw", "-q", "-Sbinary", file});
    process.waitForFinished(60000);
    QByteArray data = process.readAllStandardOutput();
    if (data.endsWith('\n')) data.chop(1);
    return data;
}
