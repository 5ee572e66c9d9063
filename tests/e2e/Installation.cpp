#include "Installation.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "Expect.h"

namespace fs = std::filesystem;

namespace {
constexpr char kSettingsKey[] = "Software\\Kestrane\\Solanthra\\Settings";
// The demo's installer is a 32-bit program: its value lives in the registry's
// 32-bit view, which is where both programs must find it.
constexpr REGSAM kInstallerView = KEY_WOW64_32KEY;

void copyInto(const std::string& file, const fs::path& directory, const std::string& name) {
    std::error_code error;
    fs::copy_file(file, directory / name, fs::copy_options::overwrite_existing, error);
    if (error) fail("cannot copy " + file + ": " + error.message());
}
}  // namespace

Installation::Installation(const std::string& caseName, const Payload& payload,
                           const std::string& root) {
    const fs::path caseDirectory =
        (root.empty() ? fs::current_path() : fs::path(root)) / "cases" / caseName;
    std::error_code error;
    fs::remove_all(caseDirectory, error);
    fs::create_directories(caseDirectory / "install", error);
    fs::create_directories(caseDirectory / "start", error);
    if (error) fail("cannot create " + caseDirectory.string() + ": " + error.message());
    caseDirectory_ = caseDirectory.string();
    installDirectory_ = (caseDirectory / "install").string();
    startDirectory_ = (caseDirectory / "start").string();
    copyInto(payload.program, installDirectory_, "ScriptGen.exe");
    copyInto(payload.demoStandIn, installDirectory_, "rumo1.1a.exe");
    copyInto(payload.explorerStandIn, installDirectory_, "explorer.exe");
}

std::string Installation::inInstall(const std::string& name) const {
    return installDirectory_ + "\\" + name;
}

std::string Installation::inStart(const std::string& name) const {
    return startDirectory_ + "\\" + name;
}

namespace {
// The views the value goes into: the 32-bit one, and for a 64-bit program that
// Wine reports as Windows 9x the 64-bit one too (see alsoIn64BitView below).
std::vector<REGSAM> installViews{kInstallerView};

HKEY createInstallKey(REGSAM view) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, nullptr, 0, KEY_WRITE | view, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        fail("cannot create the registry key");
    }
    return key;
}
}  // namespace

void placeInstallValueAlsoIn64BitView() { installViews = {kInstallerView, KEY_WOW64_64KEY}; }

void setInstallPathValue(const std::string& data) {
    for (REGSAM view : installViews) {
        HKEY key = createInstallKey(view);
        const LONG result =
            RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()),
                           static_cast<DWORD>(data.size()));
        RegCloseKey(key);
        if (result != ERROR_SUCCESS) fail("cannot set the registry value");
    }
}

void setInstallPath(const std::string& directory) {
    setInstallPathValue(directory + std::string(1, '\0'));
}

void removeInstallKey() {
    for (REGSAM view : installViews) {
        const LONG result = RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, view, 0);
        if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) {
            fail("cannot delete the registry key");
        }
    }
}

void createInstallKeyWithoutPath() {
    removeInstallKey();
    for (REGSAM view : installViews) RegCloseKey(createInstallKey(view));
}

namespace {
// %LOCALAPPDATA% as Wine sets it, kept for placing copies after it is hidden.
const std::string& localAppData() {
    static const std::string value = [] {
        char buffer[MAX_PATH] = {};
        const DWORD length = GetEnvironmentVariableA("LOCALAPPDATA", buffer, sizeof buffer);
        return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
    }();
    return value;
}

// The copies' %LOCALAPPDATA% while a CyrillicLocalAppData lives.
std::string placedLocalAppData;
}  // namespace

void hideLocalAppDataFromPrograms() {
    localAppData();
    SetEnvironmentVariableA("LOCALAPPDATA", nullptr);
}

CyrillicLocalAppData::CyrillicLocalAppData(bool programsSeeIt) : forPrograms(programsSeeIt) {
    localAppData();
    std::wstring folder = L"C:\\users\\\u0422\u0435\u0441\u0442";
    for (const wchar_t* part : {L"", L"\\AppData", L"\\Local"})
        CreateDirectoryW((folder += part).c_str(), nullptr);
    if (GetACP() != 1252) skip("needs code page 1252, which lacks Cyrillic letters");
    wchar_t shortForm[MAX_PATH] = {};
    char bytes[MAX_PATH] = {};
    BOOL lost = FALSE;
    GetShortPathNameW(folder.c_str(), shortForm, MAX_PATH);
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, shortForm, -1, bytes, MAX_PATH, nullptr,
                        &lost);
    if (lost || !*bytes) fail("Wine gives the Cyrillic folder no short form in code page 1252");
    placedLocalAppData = bytes;
    if (forPrograms) SetEnvironmentVariableW(L"LOCALAPPDATA", folder.c_str());
}

CyrillicLocalAppData::~CyrillicLocalAppData() {
    placedLocalAppData.clear();
    if (forPrograms) SetEnvironmentVariableA("LOCALAPPDATA", localAppData().c_str());
}

std::string userCopyFolder(const Installation& install) {
    const std::string base = placedLocalAppData.empty() ? localAppData() : placedLocalAppData;
    if (base.empty()) fail("Wine set no %LOCALAPPDATA%");
    return base + "\\VirtualStore" + install.installDirectory().substr(2);
}

std::string emptyUserCopyFolder(const Installation& install) {
    const std::string folder = userCopyFolder(install);
    std::error_code error;
    fs::remove_all(folder, error);
    fs::create_directories(folder, error);
    if (error) fail("cannot create " + folder + ": " + error.message());
    return folder;
}

void setWrittenMinutesAgo(const std::string& path, int minutes) {
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time = {};
    time.LowPart = now.dwLowDateTime;
    time.HighPart = now.dwHighDateTime;
    time.QuadPart -= static_cast<ULONGLONG>(minutes) * 60 * 10000000;
    const FILETIME written{time.LowPart, time.HighPart};
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const bool set = file != INVALID_HANDLE_VALUE && SetFileTime(file, nullptr, nullptr, &written);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (!set) fail("cannot set the time of " + path);
}

std::optional<std::string> readFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void writeFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) fail("cannot write " + path);
}

bool fileExists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

std::string currentDirectory() { return fs::current_path().string(); }

std::vector<std::string> loggedCalls(const std::string& logPath) {
    std::vector<std::string> calls;
    const auto bytes = readFileBytes(logPath);
    if (!bytes) return calls;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes->find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        calls.push_back(bytes->substr(start, end - start));
    }
    return calls;
}
