#include "print/PrinterStreams.h"

#include <QPoint>
#include <QVector>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kPointsPerInch = 72, kMmPerInch = 25.4;

// The dots put down, gathered first: the strip's length is known at the end.
class DotCollector {
public:
    DotCollector(double dpiX, double dpiY, double widthMm) : dpiX_(dpiX), dpiY_(dpiY) {
        width_ = int(std::ceil(widthMm / kMmPerInch * dpiX));
    }
    // A dot from (x, y) to (x + width, y + height) on the paper: a printer that moves a
    // little more than a dot each step leaves no gap in a line.
    void Put(double x, double y, double width, double height) {
        const int left = int(std::lround(x)), top = int(std::lround(y));
        const int right = std::max(left + 1, int(std::lround(x + width)));
        const int bottom = std::max(top + 1, int(std::lround(y + height)));
        for (int row = std::max(0, top); row < bottom; ++row)
            for (int column = std::max(0, left); column < right; ++column) dots_.append(QPoint(column, row));
    }
    PrintedPaper Paper(int pages, const QList<int>& pageTops, int lastRow) const {
        PrintedPaper paper;
        paper.dotsPerInchX = dpiX_;
        paper.dotsPerInchY = dpiY_;
        paper.pages = pages;
        paper.pageTops = pageTops;
        int height = lastRow + 1;
        int width = width_;
        for (const QPoint& dot : dots_) {
            height = std::max(height, dot.y() + 1);
            width = std::max(width, dot.x() + 1);
        }
        paper.dots = QImage(width, height, QImage::Format_Grayscale8);
        paper.dots.fill(255);
        for (const QPoint& dot : dots_) paper.dots.scanLine(dot.y())[dot.x()] = 0;
        return paper;
    }

private:
    double dpiX_, dpiY_;
    int width_ = 0;
    QVector<QPoint> dots_;
};

PrintedPaper Failed(const QString& problem) {
    PrintedPaper paper;
    paper.problem = problem;
    return paper;
}

double PointsToDots(double points, double dpi) { return points / kPointsPerInch * dpi; }

} // namespace

PrintedPaper DecodeEscP24(const QByteArray& stream, const PrinterMargins& margins, double paperWidthMm) {
    constexpr double kDpi = 180;
    DotCollector collector(kDpi, kDpi, paperWidthMm);
    const double left = PointsToDots(margins.leftPt, kDpi), top = PointsToDots(margins.topPt, kDpi);
    int x = 0, y = 0, pageTop = 0, pages = 0;
    int lineSpacing = 30;      // 1/6 in, in 1/180 in
    int pageLength = 11 * 180; // the power-on form length
    QList<int> pageTops{0};
    const auto byte = [&stream](qsizetype at) { return at < stream.size() ? quint8(stream[at]) : 0; };
    for (qsizetype at = 0; at < stream.size();) {
        const quint8 c = byte(at);
        if (c == '\r') x = 0, ++at;
        else if (c == '\n') y += lineSpacing, ++at;
        else if (c == 0x0c) {
            pageTop += pageLength, y = 0, x = 0, ++pages, ++at;
            pageTops << pageTop;
        } else if (c == 0x12) ++at; // cancel condensed
        else if (c != 0x1b) return Failed(QStringLiteral("byte %1 at %2").arg(c).arg(at));
        else {
            const quint8 command = byte(at + 1);
            switch (command) {
            case '@': lineSpacing = 30, at += 2; break;
            case 'O': case 'P': case '2':
                if (command == '2') lineSpacing = 30;
                at += 2;
                break;
            case 'x': case 'U': case 'l': case 'Q': case 'N': at += 3; break;
            case '3': lineSpacing = byte(at + 2), at += 3; break;
            case 'J': y += byte(at + 2), at += 3; break;
            case '$': x = (byte(at + 2) + 256 * byte(at + 3)) * 3, at += 4; break;
            case 'C':
                if (byte(at + 2) == 0) pageLength = byte(at + 3) * 180, at += 4;
                else pageLength = byte(at + 2) * lineSpacing, at += 3;
                break;
            case '*': {
                if (byte(at + 2) != 39) return Failed(QStringLiteral("bit image mode %1").arg(byte(at + 2)));
                const int columns = byte(at + 3) + 256 * byte(at + 4);
                at += 5;
                if (at + 3 * columns > stream.size()) return Failed(QStringLiteral("bit image cut short"));
                for (int column = 0; column < columns; ++column)
                    for (int pin = 0; pin < 24; ++pin)
                        if (byte(at + 3 * column + pin / 8) & (0x80 >> (pin % 8)))
                            collector.Put(left + margins.stretchX * (x + column),
                                          pageTop + top + margins.stretchY * (y + pin), margins.stretchX,
                                          margins.stretchY);
                at += 3 * columns;
                x += columns;
                break;
            }
            default: return Failed(QStringLiteral("ESC %1 at %2").arg(command).arg(at));
            }
        }
    }
    return collector.Paper(pages, pageTops, int(pageTop + top + y));
}

namespace {

// One parameterised PCL command: ESC, family, group, then value and letter pairs.
struct PclCommand {
    char family = 0, group = 0, letter = 0;
    double value = 0;
};

// Unpacks one row of TIFF pack-bits.
QByteArray UnpackBits(const QByteArray& packed) {
    QByteArray row;
    for (qsizetype at = 0; at < packed.size();) {
        const int count = qint8(packed[at++]);
        if (count >= 0) {
            row += packed.mid(at, count + 1);
            at += count + 1;
        } else if (count != -128 && at < packed.size()) {
            row += QByteArray(1 - count, packed[at++]);
        }
    }
    return row;
}

} // namespace

PrintedPaper DecodePcl(const QByteArray& stream, const PrinterMargins& margins, double paperWidthMm,
                       double paperHeightMm) {
    const double dpi = 300;
    DotCollector collector(dpi, dpi, paperWidthMm);
    const double left = PointsToDots(margins.leftPt, dpi), top = PointsToDots(margins.topPt, dpi);
    const int pageHeight = int(std::lround(paperHeightMm / kMmPerInch * dpi));
    int cursorX = 0, cursorY = 0, rasterLeft = 0, row = 0, mode = 0, pageTop = 0, pages = 0;
    QList<int> pageTops{0};
    for (qsizetype at = 0; at < stream.size();) {
        const char c = stream[at];
        if (c == 0x0c) {
            pageTop += pageHeight, ++pages, ++at;
            pageTops << pageTop;
            continue;
        }
        if (c != 0x1b || at + 1 >= stream.size()) return Failed(QStringLiteral("byte %1 at %2").arg(int(c)).arg(at));
        if (stream[at + 1] == 'E') {
            at += 2;
            continue;
        }
        PclCommand command{stream[at + 1], at + 2 < stream.size() ? stream[at + 2] : char(0)};
        at += 3;
        for (bool more = true; more && at < stream.size();) {
            qsizetype end = at;
            while (end < stream.size() && (std::isdigit(quint8(stream[end])) || stream[end] == '.'
                                           || stream[end] == '-' || stream[end] == '+'))
                ++end;
            command.value = stream.mid(at, end - at).toDouble();
            if (end >= stream.size()) return Failed(QStringLiteral("command cut short"));
            command.letter = char(std::toupper(quint8(stream[end])));
            more = std::islower(quint8(stream[end]));
            at = end + 1;
            const QString key = QStringLiteral("%1%2%3").arg(command.family).arg(command.group).arg(command.letter);
            if (key == QLatin1String("&aH")) cursorX = int(std::lround(command.value * dpi / 720));
            else if (key == QLatin1String("&aV")) cursorY = int(std::lround(command.value * dpi / 720));
            else if (key == QLatin1String("*pX")) cursorX = int(command.value);
            else if (key == QLatin1String("*pY")) cursorY = int(command.value);
            else if (key == QLatin1String("*tR")) {
                if (command.value != dpi) return Failed(QStringLiteral("resolution %1").arg(command.value));
            }
            else if (key == QLatin1String("*rA")) rasterLeft = command.value == 1 ? cursorX : 0, row = cursorY;
            else if (key == QLatin1String("*bY")) row += int(command.value);
            else if (key == QLatin1String("*bM")) mode = int(command.value);
            else if (key == QLatin1String("*bW")) {
                const QByteArray data = stream.mid(at, qsizetype(command.value));
                at += qsizetype(command.value);
                if (mode != 0 && mode != 2) return Failed(QStringLiteral("compression %1").arg(mode));
                const QByteArray bits = mode == 2 ? UnpackBits(data) : data;
                for (qsizetype i = 0; i < bits.size() * 8; ++i)
                    if (quint8(bits[i / 8]) & (0x80 >> (i % 8)))
                        collector.Put(left + margins.stretchX * (rasterLeft + int(i)),
                                      pageTop + top + margins.stretchY * row, margins.stretchX, margins.stretchY);
                ++row;
            } else if (command.family == '*' && command.group == 'r') {
                // raster width, height and end: nothing put down
            } else if (command.family != '&' || (command.group != 'l' && command.group != 'k')) {
                return Failed(QStringLiteral("PCL command %1").arg(key));
            }
        }
    }
    return collector.Paper(pages, pageTops, int(pageTop + top + row));
}

QList<QPointF> MarkCentresMm(const PrintedPaper& paper, int leastDots) {
    QImage seen(paper.dots.size(), QImage::Format_Grayscale8);
    seen.fill(0);
    QList<QPointF> centres;
    QVector<QPoint> stack;
    for (int y = 0; y < paper.dots.height(); ++y)
        for (int x = 0; x < paper.dots.width(); ++x) {
            if (paper.dots.constScanLine(y)[x] != 0 || seen.constScanLine(y)[x]) continue;
            double sumX = 0, sumY = 0;
            int count = 0;
            stack = {QPoint(x, y)};
            seen.scanLine(y)[x] = 1;
            while (!stack.isEmpty()) {
                const QPoint dot = stack.takeLast();
                sumX += dot.x() + 0.5, sumY += dot.y() + 0.5, ++count;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint next = dot + QPoint(dx, dy);
                        if (!paper.dots.rect().contains(next) || paper.dots.constScanLine(next.y())[next.x()] != 0
                            || seen.constScanLine(next.y())[next.x()])
                            continue;
                        seen.scanLine(next.y())[next.x()] = 1;
                        stack.append(next);
                    }
            }
            if (count >= leastDots) centres << QPointF(paper.MmX(sumX / count), paper.MmY(sumY / count));
        }
    std::sort(centres.begin(), centres.end(), [](const QPointF& a, const QPointF& b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    });
    return centres;
}
