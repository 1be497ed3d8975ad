#include "common/CupsQueue.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

namespace {
QDir OutputDir() { return QDir(QDir::home().filePath(QStringLiteral("PDF"))); }
} // namespace

QString StartCupsPdfQueue() {
    QDir().mkpath(QStringLiteral("/run/cups"));
    if (QProcess::execute(QStringLiteral("lpstat"), {"-r"}) != 0 ||
        QProcess::execute(QStringLiteral("sh"), {"-c", "lpstat -r | grep -q 'is running'"}) != 0) {
        QProcess::execute(QStringLiteral("cupsd"), {});
        QThread::sleep(2);
    }
    if (QProcess::execute(QStringLiteral("sh"), {"-c", "lpstat -r | grep -q 'is running'"}) != 0)
        return QStringLiteral("cupsd could not be started (needs root and the cups package)");
    if (QProcess::execute(QStringLiteral("lpadmin"),
                          {"-p", "PDF", "-v", "cups-pdf:/", "-E", "-m",
                           "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"}) != 0)
        return QStringLiteral("lpadmin could not add the cups-pdf queue");
    return {};
}

QStringList CupsPdfFiles() { return OutputDir().entryList({"*.pdf"}, QDir::Files); }

QString WaitForNewCupsPdf(const QStringList& before) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 60000) {
        QThread::msleep(300);
        for (const QString& name : OutputDir().entryList({"*.pdf"}, QDir::Files, QDir::Time))
            if (!before.contains(name)) {
                QThread::msleep(500); // cups-pdf may still be closing the file
                return OutputDir().filePath(name);
            }
    }
    return {};
}
