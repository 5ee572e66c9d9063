#include "common/WriteReporter.h"

namespace {
std::string paragraph(const std::string& firstLine, const std::string& reason) {
    return firstLine + "\n\n" + reason;
}
}  // namespace

std::string writeFailureReason(const WriteFailure& failure, bool administratorWouldHelp) {
    switch (failure.fault) {
        case WriteFault::kAccessDenied:
            if (failure.inProgramFiles)
                return "Only administrators may change the folder\n" + failure.folder + "\n" +
                       (administratorWouldHelp
                            ? "Start the script generator as administrator, or install\n"
                              "the demo in a folder of its own outside Program Files."
                            : "Install the demo in a folder of its own outside\nProgram Files.");
            return "Your account may not change the folder\n" + failure.folder + "\n" +
                   (administratorWouldHelp ? "Start the script generator as administrator, or ask\n"
                                             "the folder's owner to let you change it."
                                           : "Ask the folder's owner to let you change it, or\n"
                                             "install the demo in a folder that you may change.");
        case WriteFault::kReadOnlyFile:
            return "The file\n" + failure.file +
                   "\nis read-only. Clear its Read-only attribute in its\nProperties.";
        case WriteFault::kHiddenFile:
            return "The file\n" + failure.file +
                   "\nis hidden, and Windows lets no program replace a hidden\n"
                   "file. Clear its Hidden attribute in its Properties, or\n"
                   "choose another name.";
        case WriteFault::kSystemFile:
            return "The file\n" + failure.file +
                   "\nis a system file, which Windows lets no program replace.\n"
                   "Clear its System attribute (attrib -s in a command\n"
                   "prompt), or choose another name.";
        case WriteFault::kFolderInTheWay:
            return "A folder has the name of the file\n" + failure.file +
                   "\nRename or remove that folder.";
        case WriteFault::kCdRom:
            return "The folder\n" + failure.folder +
                   "\nis on a CD-ROM, which takes no files.\n"
                   "Copy the demo to a hard disk and start it there.";
        case WriteFault::kNetworkFolder:
            return "The network folder\n" + failure.folder +
                   "\ntakes no files from you: its share does not allow it,\n"
                   "and administrator rights do not change that. Ask the\n"
                   "share's owner, or install the demo on a local disk.";
        case WriteFault::kWriteNotAllowed:
            return "The folder\n" + failure.folder +
                   "\nor its drive does not allow writing. Copy the demo\n"
                   "to a folder that does and start it there.";
        case WriteFault::kWriteProtected:
            return "The folder\n" + failure.folder +
                   "\nis on a write-protected disk.\n"
                   "Copy the demo to a hard disk and start it there.";
        case WriteFault::kInUse:
            return "Another program has the file\n" + failure.file +
                   "\nopen: the demo, or a browser showing it.\n"
                   "Close that program and try again.";
        case WriteFault::kDiskFull:
            return "The disk that holds the folder\n" + failure.folder +
                   "\nis full. Make room on it and try again.";
        case WriteFault::kOther:
            break;
    }
    return failure.file + "\n" + failure.systemText;
}

void WriteReporter::tellFailed(const std::string& firstLine, const std::string& fileName,
                               const WriteCause& cause) {
    const WriteFailure failure = failures_.failureOf(fileName, cause);
    const bool administratorWouldHelp =
        rights_.canStartAsAdministrator() && !rights_.isAdministrator();
    boxes_.tell(paragraph(firstLine, writeFailureReason(failure, administratorWouldHelp)),
                msg::kStop);
}

void WriteReporter::tellRefused(const std::string& firstLine, const std::string& reason) {
    boxes_.tell(paragraph(firstLine, reason), msg::kStop);
}
