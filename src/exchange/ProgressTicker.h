#pragma once
// The progress indicator for work of many small steps: it is started with at most
// 100 steps and stepped when another hundredth is done, so 30 000 rows repaint the
// window 100 times, not 30 000.
#include "core/Progress.h"

class ProgressTicker {
public:
    ProgressTicker(Progress& progress, const QString& caption, qint64 total)
        : scope_(progress, caption, total < kTicks ? int(qMax<qint64>(total, 1)) : kTicks),
          total_(qMax<qint64>(total, 1)), ticks_(total < kTicks ? int(total_) : kTicks) {}

    void Advance(qint64 steps = 1) {
        done_ += steps;
        const qint64 due = qMin<qint64>(done_, total_) * ticks_ / total_;
        for (; shown_ < due; ++shown_) scope_.Step();
    }

private:
    static constexpr int kTicks = 100;
    ProgressScope scope_;
    qint64 total_;
    int ticks_;
    qint64 done_ = 0;
    qint64 shown_ = 0;
};
