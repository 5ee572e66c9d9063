#include "common/WriteFailureCause.h"

bool pathFactsMatter(const WriteCause& cause) {
    return cause.systemError == winerror::kAccessDenied;
}

WriteFault classifyWriteFailure(const WriteFacts& facts) {
    const WriteCause& cause = facts.cause;
    // 95 to ME report a write that stored nothing on a full disk without any
    // Windows error; the C runtime alone knows it failed.
    if (cause.systemError == 0) return cause.atWrite ? WriteFault::kDiskFull : WriteFault::kOther;
    switch (cause.systemError) {
        case winerror::kAccessDenied: {
            const PathFacts& path = facts.path;
            if (path.folder) return WriteFault::kFolderInTheWay;
            if (path.readOnly) return WriteFault::kReadOnlyFile;
            if (path.hidden) return WriteFault::kHiddenFile;
            if (path.system) return WriteFault::kSystemFile;
            if (path.drive == DriveKind::kCdRom) return WriteFault::kCdRom;
            if (path.drive == DriveKind::kRemote) return WriteFault::kNetworkFolder;
            if (!facts.filePermissions) return WriteFault::kWriteNotAllowed;
            return WriteFault::kAccessDenied;
        }
        case winerror::kWriteProtect:
            return WriteFault::kWriteProtected;
        case winerror::kSharingViolation:
        case winerror::kLockViolation:
            return WriteFault::kInUse;
        case winerror::kDiskFull:
        case winerror::kHandleDiskFull:
            return WriteFault::kDiskFull;
        default:
            return WriteFault::kOther;
    }
}

bool probeShowsFolderTakesFiles(bool created, unsigned long systemError) {
    return created || systemError == winerror::kFileExists;
}
