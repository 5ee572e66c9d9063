#include "app/UserCopies.h"

#include <string_view>

namespace {
char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool onDrive(const std::string& path, const std::string& drive) {
    return path.size() >= 2 && path[1] == ':' && drive.size() >= 2 && drive[1] == ':' &&
           lowerAscii(path[0]) == lowerAscii(drive[0]);
}

// The parts between backslashes; a backslash that is the second byte of a
// character splits nothing.
std::vector<std::string> partsOf(const std::string& path, const CodePages& codePages) {
    std::vector<std::string> parts;
    parts.emplace_back();
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\') {
            parts.emplace_back();
            continue;
        }
        parts.back() += path[i];
        if (codePages.isWindowsLeadByte(path[i]) && i + 1 < path.size()) parts.back() += path[++i];
    }
    return parts;
}

// As Windows compares names, as far as ASCII letters go.
std::string folded(std::string part, const CodePages& codePages) {
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (codePages.isWindowsLeadByte(part[i]))
            ++i;
        else
            part[i] = lowerAscii(part[i]);
    }
    return part;
}

// Not empty, no "." or "..", nothing Windows would trim or no path can hold.
bool isPlainName(const std::string& part, const CodePages& codePages) {
    if (part.empty() || part.back() == '.' || part.back() == ' ') return false;
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (codePages.isWindowsLeadByte(part[i])) {
            ++i;
        } else if (static_cast<unsigned char>(part[i]) < 0x20 ||
                   std::string_view("<>:\"/|?*").find(part[i]) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

// A handed-on folder runs this copy's reads and rewrites with administrator
// rights, so it is taken only as a profile's store: this account's
// %LOCALAPPDATA%\VirtualStore with at most the profile folder's name (the last
// part of %USERPROFILE%) another, on the system drive.
bool isProfileStore(const std::string& handedOn, const std::string& localAppData,
                    const std::string& profile, const std::string& systemDrive,
                    const CodePages& codePages) {
    const std::vector<std::string> own = partsOf(localAppData, codePages);
    const std::vector<std::string> profileParts = partsOf(profile, codePages);
    const std::vector<std::string> given = partsOf(handedOn, codePages);
    if (!onDrive(handedOn, systemDrive) || profileParts.size() < 2 ||
        own.size() < profileParts.size() || given.size() != own.size() + 1 ||
        folded(given.back(), codePages) != "virtualstore")
        return false;
    for (std::size_t i = 1; i < given.size(); ++i)
        if (!isPlainName(given[i], codePages)) return false;
    const std::size_t nameAt = profileParts.size() - 1;
    for (std::size_t i = 0; i < own.size(); ++i) {
        const std::string ownPart = folded(own[i], codePages);
        if (i < profileParts.size() && ownPart != folded(profileParts[i], codePages)) return false;
        if (i != nameAt && folded(given[i], codePages) != ownPart) return false;
    }
    return true;
}
}  // namespace

std::optional<std::string> userStoreFolder(VirtualStoreFiles& files, const CodePages& codePages,
                                           const std::optional<std::string>& handedOn) {
    const std::optional<std::string> localAppData = files.localAppData();
    if (!localAppData || localAppData->empty()) return std::nullopt;
    if (handedOn) {
        const std::optional<std::string> profile = files.userProfile();
        if (profile &&
            isProfileStore(*handedOn, *localAppData, *profile, files.systemDrive(), codePages))
            return handedOn;
    }
    return *localAppData + "\\VirtualStore";
}

std::optional<UserCopy> userCopyOf(VirtualStoreFiles& files,
                                   const std::optional<std::string>& store,
                                   const std::string& name) {
    if (!store) return std::nullopt;
    // The registry may name the folder in short names; the store uses the long ones.
    const std::string folder = files.longPathOf(files.currentFolder());
    if (!onDrive(folder, files.systemDrive())) return std::nullopt;
    // A folder's full path ends in a backslash only at the root ("C:\"); a
    // last byte of 5C elsewhere may be the second byte of a character.
    std::string path = *store;
    if (folder.size() > 3) path.append(folder, 2, std::string::npos);
    path += '\\';
    path += name;
    const std::optional<FileTime> written = files.lastWriteTime(path);
    if (!written) return std::nullopt;
    return UserCopy{path, *written};
}

std::string latestCopyOf(VirtualStoreFiles& files, const std::optional<std::string>& store,
                         const std::string& name) {
    const std::optional<UserCopy> copy = userCopyOf(files, store, name);
    if (!copy) return name;
    const std::optional<FileTime> own = files.lastWriteTime(name);
    return own && *own >= copy->written ? name : copy->path;
}

std::vector<std::string> everyCopyOf(VirtualStoreFiles& files,
                                     const std::optional<std::string>& store,
                                     const std::string& name) {
    std::vector<std::string> paths{name};
    if (const std::optional<UserCopy> copy = userCopyOf(files, store, name))
        paths.push_back(copy->path);
    return paths;
}
