#include "cli/TerminalProgress.h"

#include <QElapsedTimer>
#include <QString>
#include <cstdio>
#include <unistd.h>

namespace {

// Rewritten a few times a second, and once at the end.
class TerminalProgress final : public JobProgress {
public:
    void Start(const QString& caption, int steps) override {
        caption_ = caption;
        steps_ = steps;
        done_ = 0;
        shown_.start();
        Show();
    }
    void Step() override {
        ++done_;
        if (shown_.elapsed() >= 200 || done_ == steps_) Show();
    }
    void Close() override { std::fputs("\n", stderr); }
    bool CancelRequested() const override { return false; }

private:
    void Show() {
        shown_.restart();
        std::fprintf(stderr, "\r%s %d/%d", caption_.toLocal8Bit().constData(), done_, steps_);
        std::fflush(stderr);
    }
    QString caption_;
    int steps_ = 0, done_ = 0;
    QElapsedTimer shown_;
};

} // namespace

std::unique_ptr<JobProgress> ProgressForStderr() {
    if (isatty(fileno(stderr))) return std::make_unique<TerminalProgress>();
    return std::make_unique<SilentJobProgress>();
}
