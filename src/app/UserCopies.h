// The demo's own files where Windows keeps them. On Vista to 11 the demo, a
// 32-bit program without a manifest, runs virtualized unless elevated: its
// writes into its folder go to the user's copies under
// %LOCALAPPDATA%\VirtualStore, and its reads prefer those. Neither this program
// nor the shell is virtualized, so both must be told where the copies are.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/CodePages.h"
#include "platform/Ports.h"

struct UserCopy {
    std::string path;  // full path
    FileTime written = 0;
};

// The store folder that holds the user's copies: %LOCALAPPDATA%\VirtualStore,
// or the one the user's own copy handed on when it started this one as
// administrator, which may be another account's (a standard user who typed an
// administrator's password) and is taken only when it is a profile's store,
// reached through no junction or link. Nothing without %LOCALAPPDATA%
// (Windows 95 to XP) or a form of it in the code page.
std::optional<std::string> userStoreFolder(VirtualStoreFiles& files, const CodePages& codePages,
                                           const std::optional<std::string>& handedOn);

// The user's copy of that file of the working directory, when one exists: the
// store folder and the folder's long full path without its drive. Only the
// system drive's folders are virtualized.
std::optional<UserCopy> userCopyOf(VirtualStoreFiles& files,
                                   const std::optional<std::string>& store,
                                   const std::string& name);

// What the demo last wrote: the user's copy when it is newer than the folder's
// file or the folder has none; otherwise the name as it is.
std::string latestCopyOf(VirtualStoreFiles& files, const std::optional<std::string>& store,
                         const std::string& name);

// The name, then the user's copy when there is one: where stale content may
// survive. No copy is ever made where none exists.
std::vector<std::string> everyCopyOf(VirtualStoreFiles& files,
                                     const std::optional<std::string>& store,
                                     const std::string& name);
