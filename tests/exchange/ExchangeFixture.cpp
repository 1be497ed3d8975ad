#include "ExchangeFixture.h"

#include "exchange/SheetReader.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>

ExchangeFixture::ExchangeFixture() {
    // Settings go to this test's own folder, never the user's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
}

QString ExchangeFixture::WriteFile(const QString& name, const QByteArray& bytes) const {
    QFile file(FilePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

QByteArray ExchangeFixture::ReadFile(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ExchangeFixture::Convert(const QStringList& csvFiles, const QString& target) const {
    const QString path = FilePath(target);
    QStringList args;
    if (csvFiles.size() > 1) args << QStringLiteral("--merge-to=") + path << csvFiles;
    else args << csvFiles << path;
    QProcess process;
    process.start(QStringLiteral("ssconvert"), args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0 || !QFileInfo::exists(path)) {
        ADD_FAILURE() << "ssconvert failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return path;
}

QList<QStringList> Cells(const SheetReader& reader) {
    QList<QStringList> rows;
    for (int r = 1; r <= reader.RowCount(); ++r) {
        QStringList row;
        for (int c = 1; c <= reader.ColumnCount(); ++c) row << reader.Cell(r, c);
        rows << row;
    }
    return rows;
}

QList<QStringList> Values(const BillData& data) {
    QList<QStringList> rows;
    for (const BillRow& row : data.rows) rows << row.values;
    return rows;
}
