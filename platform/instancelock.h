// A named marker that one running copy of the program holds: a lock file in the user's runtime
// directory (or a per-user file in /tmp without one), locked with flock so the kernel releases
// it if the program dies.
#pragma once

#include <string>

class InstanceLock {
  public:
    explicit InstanceLock(std::string name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // False when another holder has it, or the lock file cannot be made or is not a plain file
    // of the user's own.
    bool acquire();
    void release();
    bool held() const { return fd_ >= 0; }
    std::string path() const;

  private:
    std::string name_;
    int fd_ = -1;
};
