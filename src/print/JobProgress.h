#pragma once
// Progress of a print job that the user may stop: the window's dialog has a cancel
// button, the command line a progress line; both are asked between bills.
#include "core/Progress.h"

class JobProgress : public Progress {
public:
    // True once the user asked to stop; the job ends after the bill in hand.
    virtual bool CancelRequested() const = 0;
};

class SilentJobProgress final : public JobProgress {
public:
    void Start(const QString&, int) override {}
    void Step() override {}
    void Close() override {}
    bool CancelRequested() const override { return false; }
};
