#pragma once
#include <string>

// Keeps a second copy of the game from starting. The lock is an flock on a file
// named after it in the user's runtime folder: the kernel drops it when the
// process ends in any way, so a crashed or killed copy never blocks the next.
class InstanceLock {
public:
    explicit InstanceLock(const std::string& name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process now holds the lock; false when another copy does.
    bool Acquire();
    void Release();

    static std::string LockFolder();

private:
    std::string path_;
    int fd_ = -1;
};
