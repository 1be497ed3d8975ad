#pragma once
// One window per data folder: a lock file in the folder, held while the window runs.
// A lock left by a crashed process is taken over.
#include <QString>
#include <memory>

class QLockFile;

class SingleInstance {
public:
    explicit SingleInstance(const QString& dataFolder);
    ~SingleInstance();
    // False when another window of the same data folder holds the lock.
    bool Acquired() const { return acquired_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool acquired_ = false;
};
