#pragma once
// A print spooler of the test's own: cupsd with its configuration, spool and socket in
// a temporary folder and file devices allowed, so a queue with a real printer driver
// writes the printer's byte stream to a file. CUPS_SERVER points the process (and the
// print dialogs' printer list) at it; the machine's spooler is never touched.
// Start it before the first QPrinter of the process: the print system reads the
// server once.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class PrivateCups {
public:
    // `jobsPerQueue`: how many unfinished jobs a queue takes before the spooler refuses
    // the next (0: no limit).
    explicit PrivateCups(int jobsPerQueue = 0);
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    // Why the spooler is not there (no cupsd, no rights); empty when it runs.
    QString Problem() const { return problem_; }

    // Adds an enabled queue printing to a file with the driver `model` (for example
    // "drv:///sample.drv/epson24.ppd") and the default options `options`
    // ("Resolution=180dpi"); empty when done, otherwise why not.
    QString AddQueue(const QString& name, const QString& model, const QStringList& options = {});

    // The queue refuses new jobs (the spooler answers them with an error), or takes
    // them again.
    void RefuseJobs(const QString& name, bool refuse);
    // Holds the queue's jobs unprinted (they stay unfinished), or cancels those held
    // and prints again.
    void HoldJobs(const QString& name, bool hold);

    // Removes what the queue printed so far and holds the jobs that come next, so the
    // next output is theirs only.
    void ClearOutput(const QString& name);
    // The bytes the queue's printer received for the jobs that came since, one job
    // after another as the printer gets them (each within two minutes); empty when
    // nothing came.
    QByteArray WaitForOutput(const QString& name);

private:
    QString OutputPath(const QString& name) const;
    // The queue's jobs not yet done, oldest first.
    QStringList PendingJobs(const QString& name) const;
    // What the printer received for `job`, once it is done.
    QByteArray WaitForJob(const QString& name, const QString& job);
    bool Running() const;

    QTemporaryDir dir_;
    qint64 pid_ = 0;
    QByteArray previousServer_;
    QString problem_;
};
