#include "platform/single_instance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <unistd.h>

std::string DefaultInstanceLockPath() {
    // The runtime folder is private to the user; the shared temp folder
    // needs the user id in the name.
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && QDir(qEnvironmentVariable("XDG_RUNTIME_DIR")).exists())
        return (qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/tandrell.lock")).toStdString();
    return (QDir::tempPath() + QStringLiteral("/tandrell-%1.lock").arg(getuid())).toStdString();
}

SingleInstance::SingleInstance(std::string lockPath) : lockPath_(std::move(lockPath)) {}

SingleInstance::~SingleInstance() { Release(); }

bool SingleInstance::TryAcquire() {
    if (held_) return true;
    lock_ = std::make_unique<QLockFile>(QString::fromStdString(lockPath_));
    // The program runs for hours: a lock is stale only when its process is
    // gone, never because of its age.
    lock_->setStaleLockTime(0);
    held_ = lock_->tryLock(0);
    if (!held_) lock_.reset();
    return held_;
}

void SingleInstance::Release() {
    if (lock_) lock_->unlock();
    lock_.reset();
    held_ = false;
}
