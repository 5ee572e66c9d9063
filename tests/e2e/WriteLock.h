// Folders and files that take no writes, even from Wine running as root: the
// way an installation under Program Files looks to a program without
// administrator rights.
#pragma once

#include <string>
#include <vector>

class WriteLock {
   public:
    enum class Kind {
        kNone,               // neither could be made here: the case is skipped
        kImmutable,          // chattr +i, which stops even root
        kNoWritePermission,  // a mode without write permission, for another user than root
    };

    // Locks every path (Windows paths). The first must then refuse writes (a
    // folder a new file, a file being opened for writing), or the lock counts as none.
    explicit WriteLock(std::vector<std::string> paths);
    // Makes every path writable again.
    ~WriteLock();
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    Kind kind() const { return kind_; }
    // Throws the case's skip when the lock could not be made.
    void requireLocked() const;

   private:
    std::vector<std::string> paths_;
    std::vector<std::string> unixPaths_;
    Kind kind_ = Kind::kNone;
};
