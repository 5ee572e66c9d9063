// Which cause a failed write had, decided from plain facts that the Win32 side
// gathers: the Windows error of the failing call, what stands at the file's
// path, its drive, and the Windows line.
#pragma once

#include "platform/Ports.h"

// The Windows error codes the decisions read.
namespace winerror {
inline constexpr unsigned long kAccessDenied = 5;
inline constexpr unsigned long kWriteProtect = 19;
inline constexpr unsigned long kSharingViolation = 32;
inline constexpr unsigned long kLockViolation = 33;
inline constexpr unsigned long kHandleDiskFull = 39;
inline constexpr unsigned long kFileExists = 80;
inline constexpr unsigned long kDiskFull = 112;
}  // namespace winerror

enum class DriveKind { kLocal, kCdRom, kRemote };

// What stands at the file's path, and where.
struct PathFacts {
    bool folder = false;
    bool readOnly = false;
    bool hidden = false;
    bool system = false;
    DriveKind drive = DriveKind::kLocal;
};

struct WriteFacts {
    WriteCause cause;
    PathFacts path;
    bool filePermissions = true;  // the NT line; 95, 98 and ME have none
};

// Whether the path's attributes and drive tell more about this error. Only then
// are they looked at: on 95 to ME a look at a drive without its disk may bring
// up the system's own prompt.
bool pathFactsMatter(const WriteCause& cause);

// The first cause that fits, in this order for a refused access: a folder in
// the way, a read-only, hidden or system file, a CD-ROM, a network share, a
// Windows without file permissions, the folder's permissions.
WriteFault classifyWriteFailure(const WriteFacts& facts);

// The start-up probe created its file, or met one of that name: either way the
// folder takes new files.
bool probeShowsFolderTakesFiles(bool created, unsigned long systemError);
