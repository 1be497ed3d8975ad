// The floor a single printed bill is measured against: a Qt program that starts,
// loads a CJK font and writes one PDF page of Chinese text through the PDF writer,
// as little as a bill can cost. Two empty starts, which start Qt and end:
//   --empty-gui  Qt's own empty start of a program that draws: the Gui application on
//                the offscreen platform, as a command starts without a display; the floor
//                `vellumark formats` is held to;
//   --empty      the bare core application of a program linked with QtGui, for reference.
// With a second argument, a file of "SIZE<TAB>TEXT" lines, the page holds those texts at
// those point sizes instead: the bench gives it the words of a printed bill, so the same
// characters at the same number of sizes are drawn and embedded, for reference.
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QFile>
#include <QPdfWriter>

#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--empty") == 0) {
        QCoreApplication app(argc, argv);
        return 0;
    }
    if (argc < 2) return 2;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (std::strcmp(argv[1], "--empty-gui") == 0) return 0;
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setResolution(1200);
    writer.setPageMargins(QMarginsF());
    QPainter painter(&writer);
    QFont font(QStringLiteral("Noto Serif CJK SC"));
    if (argc > 2) {
        QFile lines(QString::fromLocal8Bit(argv[2]));
        if (!lines.open(QIODevice::ReadOnly)) return 2;
        double y = 1900;
        for (const QByteArray& line : lines.readAll().split('\n')) {
            const qsizetype tab = line.indexOf('\t');
            if (tab < 0) continue;
            font.setPointSizeF(line.left(tab).toDouble());
            painter.setFont(font);
            painter.drawText(QPointF(1500, y), QString::fromUtf8(line.mid(tab + 1)));
            y += 400;
        }
        return painter.end() ? 0 : 1;
    }
    font.setPointSizeF(12);
    painter.setFont(font);
    painter.drawText(QPointF(1500, 1900), QStringLiteral("收款人 张三 金额 壹仟贰佰叁拾肆元伍角整 ￥1234.50"));
    painter.drawText(QPointF(1500, 2900), QStringLiteral("2026年12月7日 用途 货款"));
    return painter.end() ? 0 : 1;
}
