// Start-up in an installation folder that takes no new files, such as one under
// Program Files on Windows 2000 to 11 without administrator rights: the program
// offers to start again as administrator.
#pragma once

#include <optional>
#include <string>

#include "platform/CodePages.h"
#include "platform/DialogWindow.h"
#include "platform/Ports.h"

// What the program passes to the copy of itself that it starts as
// administrator, so that the copy never asks again.
inline constexpr char kStartedAsAdministratorMarker[] = "/started-as-administrator";

bool startedByAdministratorOffer(const std::string& commandLine);

// The user's store folder that follows the marker, quoted: the new copy may run
// as another account, whose %LOCALAPPDATA% is not the user's.
std::optional<std::string> storeFolderHandedOn(const std::string& commandLine);

// Right after the program has changed into the installation folder. True when
// the user chose to start again as administrator and that copy is on its way,
// handed the user's store folder when there is one: this one then ends without
// showing the dialog.
bool startedAgainAsAdministrator(DialogWindow& window, WriteFailures& failures,
                                 AdministratorRights& rights, const CodePages& codePages,
                                 bool startedByOffer,
                                 const std::optional<std::string>& storeFolder);
