#include "app/SingleInstance.h"

#include <QLockFile>

SingleInstance::SingleInstance(const QString& dataFolder)
    : lock_(std::make_unique<QLockFile>(dataFolder + QStringLiteral("/window.lock"))) {
    lock_->setStaleLockTime(0); // only a dead owner makes the lock stale, never its age
    acquired_ = lock_->tryLock(0);
}

SingleInstance::~SingleInstance() = default;
