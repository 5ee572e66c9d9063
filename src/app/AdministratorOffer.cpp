#include "app/AdministratorOffer.h"

namespace {
std::string offerQuestion(const std::string& folder) {
    return "Only administrators may change the folder\n" + folder +
           "\nwhere the demo is installed, so the script generator\n"
           "cannot write its scripts or the results page there.\n\n"
           "Start the script generator again as administrator?\n"
           "Yes: Windows asks for your permission, then it starts\n"
           "again with administrator rights. No: it goes on without.";
}

std::string restartFailure(const std::string& systemText) {
    return "The script generator could not start again as\nadministrator:\n" + systemText +
           "\n\nIt goes on without administrator rights.";
}
}  // namespace

bool startedByAdministratorOffer(const std::string& commandLine) {
    const std::string marker = kStartedAsAdministratorMarker;
    for (std::size_t at = commandLine.find(marker); at != std::string::npos;
         at = commandLine.find(marker, at + 1)) {
        const std::size_t end = at + marker.size();
        const bool wordStarts =
            at == 0 || commandLine[at - 1] == ' ' || commandLine[at - 1] == '\t';
        const bool wordEnds =
            end == commandLine.size() || commandLine[end] == ' ' || commandLine[end] == '\t';
        if (wordStarts && wordEnds) return true;
    }
    return false;
}

bool startedAgainAsAdministrator(DialogWindow& window, WriteFailures& failures,
                                 AdministratorRights& rights, bool startedByOffer) {
    // Windows 95, 98 and ME let everyone write everywhere: nothing to learn.
    if (!rights.hasFilePermissions()) return false;
    const std::optional<WriteFailure> refused = failures.probeWorkingDirectory();
    if (!refused || refused->fault != WriteFault::kAccessDenied) return false;
    if (startedByOffer || !rights.canStartAsAdministrator() || rights.isAdministrator())
        return false;
    if (window.tell(offerQuestion(refused->folder), msg::kQuestion) != msg::kYes) return false;
    const AdministratorStart start =
        window.startAgainAsAdministrator(kStartedAsAdministratorMarker);
    // A declined prompt needs no word; any other failure would leave the user
    // wondering why nothing started.
    if (start.outcome == AdministratorStart::Outcome::kFailed)
        window.tell(restartFailure(start.systemText), msg::kStop);
    return start.outcome == AdministratorStart::Outcome::kStarted;
}
