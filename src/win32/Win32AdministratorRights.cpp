// Who the program runs as. Windows 95 and NT 4.0 lack some of these functions
// by name, and 95's security functions are stubs: all are looked up at run time.
#include <windows.h>

#include "win32/LateFunctions.h"
#include "win32/Win32Services.h"

namespace {
OSVERSIONINFOA windowsVersion() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    return version;
}

template <typename Function>
Function advapi32(const char* name) {
    return loadedFunction<Function>("advapi32.dll", name);
}

// Vista and later: whether the process token is elevated.
bool processIsElevated() {
    using OpenToken = BOOL(WINAPI*)(HANDLE, DWORD, PHANDLE);
    using TokenInformation = BOOL(WINAPI*)(HANDLE, TOKEN_INFORMATION_CLASS, LPVOID, DWORD, PDWORD);
    const auto openToken = advapi32<OpenToken>("OpenProcessToken");
    const auto tokenInformation = advapi32<TokenInformation>("GetTokenInformation");
    if (!openToken || !tokenInformation) return false;
    HANDLE token = nullptr;
    if (!openToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    const bool elevated =
        tokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) &&
        elevation.TokenIsElevated != 0;
    CloseHandle(token);
    return elevated;
}

// 2000 and XP: membership of the Administrators group (S-1-5-32-544).
bool inAdministratorsGroup() {
    using CheckMembership = BOOL(WINAPI*)(HANDLE, PSID, PBOOL);
    const auto checkMembership = advapi32<CheckMembership>("CheckTokenMembership");
    if (!checkMembership) return false;
    struct {
        BYTE revision = SID_REVISION;
        BYTE subAuthorityCount = 2;
        SID_IDENTIFIER_AUTHORITY authority = {SECURITY_NT_AUTHORITY};
        DWORD subAuthorities[2] = {SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS};
    } administrators;
    BOOL member = FALSE;
    return checkMembership(nullptr, &administrators, &member) && member;
}
}  // namespace

bool windowsNtLine() { return windowsVersion().dwPlatformId == VER_PLATFORM_WIN32_NT; }

bool Win32AdministratorRights::hasFilePermissions() { return windowsNtLine(); }

bool Win32AdministratorRights::canStartAsAdministrator() {
    const OSVERSIONINFOA version = windowsVersion();
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 5;
}

bool Win32AdministratorRights::hasUserAccountControl() {
    const OSVERSIONINFOA version = windowsVersion();
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 6;
}

bool Win32AdministratorRights::isAdministrator() {
    const OSVERSIONINFOA version = windowsVersion();
    if (version.dwPlatformId != VER_PLATFORM_WIN32_NT) return false;
    // Under UAC the Administrators group is deny-only until elevated, so
    // membership would read false: ask for the elevation itself.
    return version.dwMajorVersion >= 6 ? processIsElevated() : inAdministratorsGroup();
}
