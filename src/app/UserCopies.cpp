#include "app/UserCopies.h"

namespace {
char lowerDriveLetter(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool onDrive(const std::string& path, const std::string& drive) {
    return path.size() >= 2 && path[1] == ':' && drive.size() >= 2 && drive[1] == ':' &&
           lowerDriveLetter(path[0]) == lowerDriveLetter(drive[0]);
}
}  // namespace

std::optional<UserCopy> userCopyOf(VirtualStoreFiles& files, const std::string& name) {
    const std::optional<std::string> localAppData = files.localAppData();
    if (!localAppData || localAppData->empty()) return std::nullopt;
    // The registry may name the folder in short names; the store uses the long ones.
    const std::string folder = files.longPathOf(files.currentFolder());
    if (!onDrive(folder, files.systemDrive())) return std::nullopt;
    // A folder's full path ends in a backslash only at the root ("C:\"); a
    // last byte of 5C elsewhere may be the second byte of a character.
    std::string path = *localAppData + "\\VirtualStore";
    if (folder.size() > 3) path.append(folder, 2, std::string::npos);
    path += '\\';
    path += name;
    const std::optional<FileTime> written = files.lastWriteTime(path);
    if (!written) return std::nullopt;
    return UserCopy{path, *written};
}

std::string latestCopyOf(VirtualStoreFiles& files, const std::string& name) {
    const std::optional<UserCopy> copy = userCopyOf(files, name);
    if (!copy) return name;
    const std::optional<FileTime> own = files.lastWriteTime(name);
    return own && *own >= copy->written ? name : copy->path;
}

std::vector<std::string> everyCopyOf(VirtualStoreFiles& files, const std::string& name) {
    std::vector<std::string> paths{name};
    if (const std::optional<UserCopy> copy = userCopyOf(files, name)) paths.push_back(copy->path);
    return paths;
}
