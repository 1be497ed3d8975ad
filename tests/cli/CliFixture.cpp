#include "CliFixture.h"

#include "app/SampleFormats.h"
#include "cli/CommandLine.h"
#include "core/Progress.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QFile>
#include <QTextStream>

CliTest::CliTest() {
    const std::unique_ptr<Database> db = OpenDataDatabase();
    SilentProgress progress;
    QString error;
    EXPECT_EQ(CreateSampleFormats(*db, progress, &error).size(), 3) << error.toStdString();
}

CommandOutcome CliTest::Run(const QStringList& args) {
    CommandOutcome outcome;
    QTextStream out(&outcome.out), err(&outcome.err);
    outcome.code = RunSubCommand(ParseCommandLine(args), SubCommands(), out, err);
    out.flush();
    err.flush();
    return outcome;
}

qint64 CliTest::StoredBills(const QString& format) {
    return OpenDataDatabase()
        ->Query(QStringLiteral("SELECT count(DISTINCT ID) FROM 历史 WHERE Fmt = ?"), {format})
        .rows.value(0)
        .value(0)
        .toLongLong();
}

QString CliTest::WriteFile(const QString& name, const QByteArray& text) {
    const QString path = folder_.File(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
}
