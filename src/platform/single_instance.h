#pragma once
// The single-instance check at start: the first running copy of the program
// holds a lock file in the user's runtime folder (or the temp folder, keyed
// by the user id); another copy finds it taken. A lock left by a copy that
// has died is taken over.
#include <memory>
#include <string>

class QLockFile;

// The default lock file of the program for the present user.
std::string DefaultInstanceLockPath();

class SingleInstance {
public:
    explicit SingleInstance(std::string lockPath = DefaultInstanceLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this is the only running copy; it then holds the lock until
    // Release or destruction.
    bool TryAcquire();
    bool IsHeld() const { return held_; }
    void Release();

private:
    std::string lockPath_;
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
};
