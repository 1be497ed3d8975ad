// The floor a single printed bill is measured against: a Qt program that starts,
// loads a CJK font and writes one PDF page of Chinese text through the PDF writer,
// as little as a bill can cost. With --empty it only starts Qt and ends: the floor of
// a command that reads the store and prints a list.
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
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
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setResolution(1200);
    writer.setPageMargins(QMarginsF());
    QPainter painter(&writer);
    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setPointSizeF(12);
    painter.setFont(font);
    painter.drawText(QPointF(1500, 1900), QStringLiteral("收款人 张三 金额 壹仟贰佰叁拾肆元伍角整 ￥1234.50"));
    painter.drawText(QPointF(1500, 2900), QStringLiteral("2026年12月7日 用途 货款"));
    return painter.end() ? 0 : 1;
}
