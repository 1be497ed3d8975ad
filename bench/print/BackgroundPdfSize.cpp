// The size of PDF files printed with the background picture: 200 label sheets of
// 2 × 5 labels, and a batch of 200 bills, each from a format with a scanned-size
// background. Prints the file sizes, the image objects in each file and the time.
#include "core/StreamAsker.h"
#include "print/BatchPrint.h"
#include "print/JobProgress.h"
#include "print/LabelSheet.h"
#include "print/PdfWriterOutput.h"
#include "print/PrintJob.h"
#include "store/Bill.h"
#include "store/DataFolder.h"
#include "store/FormatStore.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr int kSheets = 200;

// A bill's scan at 150 dpi: ruled lines and printed captions over a tinted ground.
void WriteBackground(const Format& format) {
    QImage scan(1240, 585, QImage::Format_RGB32);
    scan.fill(QColor(250, 246, 236));
    QPainter painter(&scan);
    painter.setPen(QColor(170, 60, 60));
    for (int y = 40; y < scan.height(); y += 45) painter.drawLine(30, y, scan.width() - 30, y);
    for (int x = 30; x < scan.width(); x += 150) painter.drawLine(x, 40, x, scan.height() - 40);
    painter.setFont(QFont(QStringLiteral("Noto Serif CJK SC"), 14));
    for (int y = 70; y < scan.height(); y += 45)
        painter.drawText(40, y, QStringLiteral("收款人 账号 开户银行 金额 用途 日期"));
    painter.end();
    scan.save(BackgroundPicturePath(format.name), "JPG", 85);
}

struct Outcome {
    qint64 bytes = 0;
    qsizetype images = 0;
    double seconds = 0;
};

template <typename Print>
Outcome PrintTo(const QString& path, Print print) {
    QElapsedTimer timer;
    timer.start();
    {
        PdfWriterOutput pdf(path);
        QTextStream messages(stderr);
        StreamAsker asker(messages);
        PrintJob job(pdf, asker);
        print(job, asker);
    }
    Outcome outcome;
    outcome.seconds = timer.elapsed() / 1000.0;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) outcome.images = file.readAll().count("/Subtype /Image");
    outcome.bytes = QFileInfo(path).size();
    return outcome;
}

void Report(const char* what, const Outcome& outcome) {
    std::printf("%-40s %8.2f MB  %3lld image objects  %5.1f s\n", what, outcome.bytes / 1048576.0,
                static_cast<long long>(outcome.images), outcome.seconds);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    DataFolder::SetOverride(dir.path());
    Format format;
    format.name = QStringLiteral("进账单");
    format.page.width = 210;
    format.page.height = 99;
    format.page.options.printBackground = true;
    BoxRecord box;
    box.id = 1;
    box.kind = BoxKind::Text;
    box.x = 30;
    box.y = 20;
    box.w = 100;
    box.h = 8;
    box.fontName = QStringLiteral("宋体");
    box.fontSize = 12;
    format.boxes << box;
    WriteBackground(format);
    std::printf("background picture: %.0f KB\n", QFileInfo(BackgroundPicturePath(format.name)).size() / 1024.0);

    LabelSheetSpec spec;
    spec.columns = 2;
    spec.rows = 5;
    spec.background = true;
    BatchSource source;
    source.count = kSheets * spec.PerSheet();
    source.load = [](int index, Bill& bill, QString*) {
        bill.SetValue(1, QStringLiteral("收款人%1").arg(index + 1));
        return true;
    };
    SilentJobProgress progress;
    Report("200 label sheets of 2 x 5, background", PrintTo(dir.filePath("labels.pdf"), [&](PrintJob& job, Asker& asker) {
               PrintLabelSheets(job, format, spec, source, {}, progress, asker);
           }));
    source.count = kSheets;
    Report("200 bills, background", PrintTo(dir.filePath("bills.pdf"), [&](PrintJob& job, Asker& asker) {
               PrintBatch(job, format, source, {}, progress, asker);
           }));
    return 0;
}
