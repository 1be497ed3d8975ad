#pragma once
// The shared progress indicator: a caption, a bar and a percentage. Long operations
// start it with a step count, step it, and close it; the window's implementation
// repaints between steps, the silent one does nothing.
#include <QString>

class Progress {
public:
    virtual ~Progress() = default;
    virtual void Start(const QString& caption, int steps) = 0;
    virtual void Step() = 0;
    virtual void Close() = 0;
};

// For the command line and tests: reports nothing.
class SilentProgress final : public Progress {
public:
    void Start(const QString&, int) override {}
    void Step() override {}
    void Close() override {}
};

// Closes the indicator when a scope ends, whatever path leaves it.
class ProgressScope {
public:
    ProgressScope(Progress& progress, const QString& caption, int steps) : progress_(progress) {
        progress_.Start(caption, steps);
    }
    ~ProgressScope() { progress_.Close(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
    void Step() { progress_.Step(); }

private:
    Progress& progress_;
};
