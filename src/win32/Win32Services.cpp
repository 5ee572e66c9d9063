#include "win32/Win32Services.h"

#include <windows.h>

#include <vector>

namespace {
constexpr char kSettingsKey[] = "Software\\Kestrane\\Solanthra\\Settings";
constexpr char kPathValue[] = "Path";
constexpr DWORD kMaxPathData = 256;  // a longer value counts as missing
// The demo's installer is a 32-bit program, so its value lives in the registry's
// 32-bit view. A 32-bit program sees that view anyway; only the 64-bit one must
// ask for it, and Windows 2000, which runs no 64-bit program, refuses the flag.
#ifdef _WIN64
constexpr REGSAM kInstallerView = KEY_WOW64_32KEY;
#else
constexpr REGSAM kInstallerView = 0;
#endif
}  // namespace

std::optional<std::string> RegistryInstallPath::readInstallPath() {
    // Offering 256 bytes of a zeroed 512-byte buffer keeps the text terminated.
    char buffer[512] = {};
    DWORD size = kMaxPathData;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_READ | kInstallerView, &key) !=
        ERROR_SUCCESS)
        return std::nullopt;
    LONG status =
        RegQueryValueExA(key, kPathValue, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return std::nullopt;
    return std::string(buffer);
}

bool Win32WorkingDirectory::change(const std::string& path) {
    return SetCurrentDirectoryA(path.c_str()) != FALSE;
}

std::optional<DisplayMode> Win32DisplayModes::mode(int number) {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    if (!EnumDisplaySettingsA(nullptr, DWORD(number), &mode)) return std::nullopt;
    return DisplayMode{mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel};
}

bool Win32ProcessLauncher::start(const std::string& commandLine) {
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &process))
        return false;
    // Nobody waits for the child; let go of it at once.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

BatchInterpreter Win32ScriptHost::interpreter() {
    return windowsNtLine() ? BatchInterpreter::kCmd : BatchInterpreter::kCommandCom;
}

std::string Win32ScriptHost::shortName(const std::string& fileName) {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(fileName.c_str(), buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    const std::string name(buffer, length);
    // A volume without short names gives the long name back, which cannot go unquoted.
    if (name.find(' ') != std::string::npos) return {};
    return name;
}

namespace {
std::u16string toUnicode(const std::string& text, UINT from) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(from, 0, text.data(), length, nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(wideLength), u'\0');
    MultiByteToWideChar(from, 0, text.data(), length, reinterpret_cast<wchar_t*>(wide.data()),
                        wideLength);
    return wide;
}

// With the system's best fit and default character, as every ANSI call converts.
std::string fromUnicode(const std::u16string& wide, UINT to) {
    if (wide.empty()) return {};
    const auto* characters = reinterpret_cast<const wchar_t*>(wide.data());
    const int wideLength = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(to, 0, characters, wideLength, nullptr, 0, nullptr, nullptr);
    std::string converted(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(to, 0, characters, wideLength, converted.data(), length, nullptr, nullptr);
    return converted;
}

std::string convert(const std::string& text, UINT from, UINT to) {
    return fromUnicode(toUnicode(text, from), to);
}

// GetCPInfo's lead-byte ranges, since GetCPInfo is on every Win32 release.
bool isLeadByteOf(const CPINFO& info, char c) {
    const unsigned char value = static_cast<unsigned char>(c);
    for (std::size_t i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
        if (value >= info.LeadByte[i] && value <= info.LeadByte[i + 1]) return true;
    }
    return false;
}
}  // namespace

// A code page that GetCPInfo does not know keeps its zeroed ranges: no lead bytes.
Win32CodePages::Win32CodePages() {
    GetCPInfo(CP_ACP, &windows_);
    GetCPInfo(CP_OEMCP, &console_);
}

std::string Win32CodePages::windowsToConsole(const std::string& windowsText) const {
    return convert(windowsText, CP_ACP, CP_OEMCP);
}

std::string Win32CodePages::consoleToWindows(const std::string& consoleText) const {
    return convert(consoleText, CP_OEMCP, CP_ACP);
}

std::string Win32CodePages::unicodeToWindows(const std::u16string& unicodeText) const {
    return fromUnicode(unicodeText, CP_ACP);
}

std::u16string Win32CodePages::windowsToUnicode(const std::string& windowsText) const {
    return toUnicode(windowsText, CP_ACP);
}

bool Win32CodePages::isWindowsLeadByte(char c) const { return isLeadByteOf(windows_, c); }

// UTF-8 is the one Windows code page whose characters take more than two bytes.
bool Win32CodePages::isWindowsUtf8() const { return windows_.MaxCharSize > 2; }

bool Win32CodePages::isConsoleLeadByte(char c) const { return isLeadByteOf(console_, c); }
