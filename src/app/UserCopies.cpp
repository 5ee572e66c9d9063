#include "app/UserCopies.h"

#include <string_view>

namespace {
char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool onDrive(const std::string& path, const std::string& drive) {
    return path.size() >= 2 && path[1] == ':' && drive.size() >= 2 && drive[1] == ':' &&
           lowerAscii(path[0]) == lowerAscii(drive[0]);
}

// Whether the path holds own from that byte on, as Windows compares names as
// far as ASCII letters go; a character of two bytes is compared as it is.
bool readsAs(const std::string& path, std::size_t at, const std::string& own,
             const CodePages& codePages) {
    if (at > path.size() || path.size() - at < own.size()) return false;
    for (std::size_t i = 0; i < own.size(); ++i) {
        if (codePages.isWindowsLeadByte(own[i]) && i + 1 < own.size()) {
            if (path.compare(at + i, 2, own, i, 2) != 0) return false;
            ++i;
        } else if (lowerAscii(path[at + i]) != lowerAscii(own[i])) {
            return false;
        }
    }
    return true;
}

// Where the last part of a path starts; a backslash that is the second byte of
// a character ends nothing.
std::size_t lastPartAt(const std::string& path, const CodePages& codePages) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (codePages.isWindowsLeadByte(path[i]))
            ++i;
        else if (path[i] == '\\')
            at = i + 1;
    }
    return at;
}

// One folder's name: not empty, no "." or "..", nothing Windows would trim or
// no name can hold, no character cut in two.
bool isPlainName(const std::string& name, const CodePages& codePages) {
    if (name.empty() || name.back() == '.' || name.back() == ' ') return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (codePages.isWindowsLeadByte(name[i])) {
            if (++i == name.size()) return false;
        } else if (static_cast<unsigned char>(name[i]) < 0x20 ||
                   std::string_view("<>:\"/\\|?*").find(name[i]) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

// The folders beside the profiles that are no account's, in whatever case:
// All Users (it leads to ProgramData, where any user may make folders),
// Public, which every user may change, and Default and Default User, the
// pattern of new profiles. Their short names are those of junctions.
bool isSharedFolder(const std::string& name) {
    std::size_t i = 0;
    for (const char* c = "all users/public/default/default user/"; *c != 0; ++c) {
        if (*c == '/') {
            if (i == name.size()) return true;
            i = 0;
        } else {
            i = i < name.size() && lowerAscii(name[i]) == *c ? i + 1 : name.size() + 1;
        }
    }
    return false;
}

// A handed-on folder runs this copy's reads and rewrites with administrator
// rights, so it is taken only as a profile's store: this account's
// %LOCALAPPDATA%\VirtualStore with at most the profile folder's name (the last
// part of %USERPROFILE%) another, on the system drive, and that name none of
// the shared folders. The two variables may hold characters the code page
// lacks, marked "?", which no path holds: only the parts around the name
// (such as "C:\Users\" and "\AppData\Local") are compared.
bool isProfileStore(const std::string& handedOn, VirtualStoreFiles& files,
                    const CodePages& codePages) {
    const std::string localAppData = files.localAppDataText();
    const std::string profile = files.userProfileText();
    const std::size_t nameAt = lastPartAt(profile, codePages);
    if (nameAt == 0 || handedOn.find('?') != std::string::npos ||
        !readsAs(localAppData, 0, profile, codePages) || localAppData.size() <= profile.size() ||
        localAppData[profile.size()] != '\\')
        return false;
    const std::string rest = localAppData.substr(profile.size()) + "\\VirtualStore";
    if (!onDrive(handedOn, files.systemDrive()) ||
        !readsAs(handedOn, 0, profile.substr(0, nameAt), codePages) ||
        handedOn.size() < nameAt + rest.size())
        return false;
    const std::size_t restAt = handedOn.size() - rest.size();
    const std::string name = handedOn.substr(nameAt, restAt - nameAt);
    return readsAs(handedOn, restAt, rest, codePages) && isPlainName(name, codePages) &&
           !isSharedFolder(name);
}

// The registry may name the folder in short names; the store uses the long ones.
std::string installationFolder(VirtualStoreFiles& files) {
    return files.longPathOf(files.currentFolder());
}

// Where the store keeps the copies of the folder's files: the folder's path
// without its drive. A folder's full path ends in a backslash only at the root
// ("C:\"); a last byte of 5C elsewhere may be the second byte of a character.
std::string copiesFolder(const std::string& store, const std::string& folder) {
    return folder.size() > 3 ? store + folder.substr(2) : store;
}

// Whether a folder on the path below the drive's root is a reparse point: a
// user may make a junction in a store that leads a copy running as
// administrator to other files.
bool leadsElsewhere(VirtualStoreFiles& files, const std::string& path, const CodePages& codePages) {
    for (std::size_t i = 3; i < path.size(); ++i) {
        if (codePages.isWindowsLeadByte(path[i]))
            ++i;
        else if (path[i] == '\\' && files.isReparsePoint(path.substr(0, i)))
            return true;
    }
    return files.isReparsePoint(path);
}
}  // namespace

std::optional<std::string> userStoreFolder(VirtualStoreFiles& files, const CodePages& codePages,
                                           const std::optional<std::string>& handedOn) {
    // No junction on the way to the copies either: the store's own folders and
    // those below it down to the copies' folder.
    if (handedOn && isProfileStore(*handedOn, files, codePages) &&
        !leadsElsewhere(files, copiesFolder(*handedOn, installationFolder(files)), codePages))
        return handedOn;
    const std::optional<std::string> localAppData = files.localAppData();
    if (!localAppData || localAppData->empty()) return std::nullopt;
    return *localAppData + "\\VirtualStore";
}

std::optional<UserCopy> userCopyOf(VirtualStoreFiles& files,
                                   const std::optional<std::string>& store,
                                   const std::string& name) {
    if (!store) return std::nullopt;
    const std::string folder = installationFolder(files);
    if (!onDrive(folder, files.systemDrive())) return std::nullopt;
    const std::string path = copiesFolder(*store, folder) + '\\' + name;
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
    const std::optional<UserCopy> copy = userCopyOf(files, store, name);
    return copy ? std::vector<std::string>{name, copy->path} : std::vector<std::string>{name};
}
