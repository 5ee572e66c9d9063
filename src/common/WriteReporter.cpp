#include "common/WriteReporter.h"

#include "common/NameInMessage.h"

namespace {
std::string paragraph(const std::string& firstLine, const std::string& reason) {
    return firstLine + "\n\n" + reason;
}
}  // namespace

std::string writeFailureReason(const WriteFailure& failure, bool administratorWouldHelp,
                               const CodePages& codePages) {
    const std::string& file = failure.file;
    const std::string& folder = failure.folder;
    switch (failure.fault) {
        case WriteFault::kAccessDenied:
            if (failure.inProgramFiles)
                return textWithName(
                    "Only administrators may change the folder\n", folder,
                    administratorWouldHelp
                        ? "\nStart the script generator as administrator, or install the demo "
                          "in a folder of its own outside Program Files."
                        : "\nInstall the demo in a folder of its own outside Program Files.",
                    codePages);
            return textWithName(
                "Your account may not change the folder\n", folder,
                administratorWouldHelp
                    ? "\nStart the script generator as administrator, or ask the folder's owner "
                      "to let you change it."
                    : "\nAsk the folder's owner to let you change it, or install the demo in a "
                      "folder that you may change.",
                codePages);
        case WriteFault::kReadOnlyFile:
            return textWithName("The file\n", file,
                                "\nis read-only. Clear its Read-only attribute in its Properties.",
                                codePages);
        case WriteFault::kHiddenFile:
            return textWithName("The file\n", file,
                                "\nis hidden, and Windows lets no program replace a hidden file. "
                                "Clear its Hidden attribute in its Properties, or choose another "
                                "name.",
                                codePages);
        case WriteFault::kSystemFile:
            return textWithName("The file\n", file,
                                "\nis a system file, which Windows lets no program replace.\n"
                                "Clear its System attribute (attrib -s in a command prompt), or "
                                "choose another name.",
                                codePages);
        case WriteFault::kFolderInTheWay:
            return textWithName("A folder has the name of the file\n", file,
                                "\nRename or remove that folder.", codePages);
        case WriteFault::kCdRom:
            return textWithName("The folder\n", folder,
                                "\nis on a CD-ROM, which takes no files.\n"
                                "Copy the demo to a hard disk and start it there.",
                                codePages);
        case WriteFault::kNetworkFolder:
            return textWithName("The network folder\n", folder,
                                "\ntakes no files from you: its share does not allow it, and "
                                "administrator rights do not change that. Ask the share's owner, "
                                "or install the demo on a local disk.",
                                codePages);
        case WriteFault::kWriteNotAllowed:
            return textWithName("The folder\n", folder,
                                "\nor its drive does not allow writing. Copy the demo to a "
                                "folder that does and start it there.",
                                codePages);
        case WriteFault::kWriteProtected:
            return textWithName("The folder\n", folder,
                                "\nis on a write-protected disk.\n"
                                "Copy the demo to a hard disk and start it there.",
                                codePages);
        case WriteFault::kInUse:
            return textWithName("Another program has the file\n", file,
                                "\nopen: the demo, or a browser showing it.\n"
                                "Close that program and try again.",
                                codePages);
        case WriteFault::kDiskFull:
            return textWithName("The disk that holds the folder\n", folder,
                                "\nis full. Make room on it and try again.", codePages);
        case WriteFault::kOther:
            break;
    }
    return textWithName("", file, "\n", codePages) + failure.systemText;
}

void WriteReporter::tellFailed(const std::string& firstLine, const std::string& fileName,
                               const WriteCause& cause) {
    const WriteFailure failure = failures_.failureOf(fileName, cause);
    const bool administratorWouldHelp =
        rights_.canStartAsAdministrator() && !rights_.isAdministrator();
    boxes_.tell(
        paragraph(firstLine, writeFailureReason(failure, administratorWouldHelp, codePages_)),
        msg::kStop);
}

void WriteReporter::tellRefused(const std::string& firstLine, const std::string& reason) {
    boxes_.tell(paragraph(firstLine, reason), msg::kStop);
}
