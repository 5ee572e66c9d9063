#include "app/AdministratorOffer.h"

#include "common/NameInMessage.h"

namespace {
std::string offerQuestion(const WriteFailure& refused, bool userAccountControl,
                          const CodePages& codePages) {
    return textWithName(refused.inProgramFiles ? "Only administrators may change the folder\n"
                                               : "Your account may not change the folder\n",
                        refused.folder,
                        "\nwhere the demo is installed, so the script generator cannot write its "
                        "scripts or the results page there.\n\n"
                        "Start the script generator again as administrator?\n",
                        codePages) +
           (userAccountControl ? "Yes: Windows asks for your consent or an administrator's "
                                 "password, then the script generator starts again with "
                                 "administrator rights.\nNo: it goes on without."
                               : "Yes: Windows asks for an administrator's account and "
                                 "password, then the script generator starts again as that "
                                 "account.\nNo: it goes on without.");
}

std::string restartFailure(const std::string& systemText) {
    return "The script generator could not start again as administrator:\n" + systemText +
           "\n\nIt goes on without administrator rights.";
}

// Where the marker ends as a word of its own; npos without it.
std::size_t markerEnd(const std::string& commandLine) {
    const std::string marker = kStartedAsAdministratorMarker;
    for (std::size_t at = commandLine.find(marker); at != std::string::npos;
         at = commandLine.find(marker, at + 1)) {
        const std::size_t end = at + marker.size();
        const bool wordStarts =
            at == 0 || commandLine[at - 1] == ' ' || commandLine[at - 1] == '\t';
        const bool wordEnds =
            end == commandLine.size() || commandLine[end] == ' ' || commandLine[end] == '\t';
        if (wordStarts && wordEnds) return end;
    }
    return std::string::npos;
}
}  // namespace

bool startedByAdministratorOffer(const std::string& commandLine) {
    return markerEnd(commandLine) != std::string::npos;
}

// No path holds a double quote, and no second byte of a character is one.
std::optional<std::string> storeFolderHandedOn(const std::string& commandLine) {
    std::size_t start = markerEnd(commandLine);
    if (start == std::string::npos) return std::nullopt;
    start = commandLine.find_first_not_of(" \t", start);
    if (start == std::string::npos || commandLine[start] != '"') return std::nullopt;
    const std::size_t end = commandLine.find('"', start + 1);
    if (end == std::string::npos || end == start + 1) return std::nullopt;
    return commandLine.substr(start + 1, end - start - 1);
}

bool startedAgainAsAdministrator(DialogWindow& window, WriteFailures& failures,
                                 AdministratorRights& rights, const CodePages& codePages,
                                 bool startedByOffer,
                                 const std::optional<std::string>& storeFolder) {
    // Windows 95, 98 and ME let everyone write everywhere: nothing to learn.
    if (!rights.hasFilePermissions()) return false;
    const std::optional<WriteFailure> refused = failures.probeWorkingDirectory();
    if (!refused || refused->fault != WriteFault::kAccessDenied) return false;
    if (startedByOffer || !rights.canStartAsAdministrator() || rights.isAdministrator())
        return false;
    if (window.tell(offerQuestion(*refused, rights.hasUserAccountControl(), codePages),
                    msg::kQuestion) != msg::kYes)
        return false;
    std::string arguments = kStartedAsAdministratorMarker;
    if (storeFolder) arguments += " \"" + *storeFolder + "\"";
    const AdministratorStart start = window.startAgainAsAdministrator(arguments);
    // A declined prompt needs no word; any other failure would leave the user
    // wondering why nothing started.
    if (start.outcome == AdministratorStart::Outcome::kFailed)
        window.tell(restartFailure(start.systemText), msg::kStop);
    return start.outcome == AdministratorStart::Outcome::kStarted;
}
