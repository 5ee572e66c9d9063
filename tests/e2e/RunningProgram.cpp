#include "RunningProgram.h"

#include <tlhelp32.h>

#include <algorithm>
#include <map>

#include "Expect.h"

RunningProgram::RunningProgram(const std::string& exePath, const std::string& startDirectory) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string errors;
    // Wine now and then fails a start under load (error 1359); a second try is
    // about Wine, not about the program.
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::string commandLine = "\"" + exePath + "\"";
        if (CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                           NORMAL_PRIORITY_CLASS, nullptr, startDirectory.c_str(), &startup,
                           &info)) {
            break;
        }
        errors += " " + std::to_string(GetLastError());
        Sleep(500);
    }
    if (info.hProcess == nullptr) fail("cannot start " + exePath + " (errors" + errors + ")");
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
}

RunningProgram::~RunningProgram() {
    terminateIfRunning();
    terminateDescendants();
    CloseHandle(process_);
}

bool RunningProgram::hasExited() const { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }

bool RunningProgram::waitForExit(Milliseconds timeout) const {
    return WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

DWORD RunningProgram::exitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_, &code);
    return code;
}

std::vector<std::string> RunningProgram::loadedModules() const {
    std::vector<std::string> paths;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId_);
    if (snapshot == INVALID_HANDLE_VALUE) return paths;
    MODULEENTRY32 module{};
    module.dwSize = sizeof module;
    for (BOOL more = Module32First(snapshot, &module); more;
         more = Module32Next(snapshot, &module)) {
        paths.push_back(module.szExePath);
    }
    CloseHandle(snapshot);
    return paths;
}

bool RunningProgram::terminateIfRunning() {
    if (hasExited()) return false;
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
    return true;
}

std::string windowText(HWND window) {
    char text[1024] = {};
    DWORD_PTR length = 0;
    // A time-out, so that a hung program cannot hang the driver.
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_NORMAL, 5000, &length)) {
        fail("no answer to WM_GETTEXT");
    }
    return std::string(text, std::min<std::size_t>(length, sizeof text - 1));
}

std::string windowClass(HWND window) {
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

namespace {
struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK collectProcessWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId) search->found.push_back(window);
    return TRUE;
}
}  // namespace

std::vector<HWND> RunningProgram::topLevelWindows(const std::string& className,
                                                  bool visibleOnly) const {
    WindowSearch search{processId_, {}};
    EnumWindows(collectProcessWindow, reinterpret_cast<LPARAM>(&search));
    std::vector<HWND> matching;
    for (HWND window : search.found) {
        if (visibleOnly && !IsWindowVisible(window)) continue;
        if (!className.empty() && windowClass(window) != className) continue;
        matching.push_back(window);
    }
    return matching;
}

HWND RunningProgram::findWindow(const std::string& className, const std::string& caption,
                                bool visibleOnly) const {
    for (HWND window : topLevelWindows(className, visibleOnly)) {
        char text[512] = {};
        GetWindowTextA(window, text, sizeof text);
        if (caption == text) return window;
    }
    return nullptr;
}

HWND RunningProgram::waitForWindow(const std::string& className, const std::string& caption,
                                   Milliseconds timeout) const {
    HWND window = nullptr;
    waitUntil(
        [&] {
            window = findWindow(className, caption);
            return window != nullptr || hasExited();
        },
        timeout);
    if (window == nullptr) {
        fail("no window \"" + caption + "\"" +
             (hasExited() ? " (the program ended)" : " within the time-out"));
    }
    return window;
}

std::vector<DWORD> RunningProgram::runningDescendants() const {
    std::multimap<DWORD, DWORD> childrenOf;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return {};
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        childrenOf.emplace(entry.th32ParentProcessID, entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    std::vector<DWORD> descendants;
    std::vector<DWORD> parents{processId_};
    while (!parents.empty()) {
        const DWORD parent = parents.back();
        parents.pop_back();
        auto [first, last] = childrenOf.equal_range(parent);
        for (auto it = first; it != last; ++it) {
            descendants.push_back(it->second);
            parents.push_back(it->second);
        }
    }
    return descendants;
}

bool RunningProgram::waitForDescendantsToEnd(Milliseconds timeout) const {
    return waitUntil([&] { return runningDescendants().empty(); }, timeout, Milliseconds{100});
}

void RunningProgram::terminateDescendants() const {
    for (DWORD id : runningDescendants()) {
        HANDLE child = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
        if (child == nullptr) continue;
        TerminateProcess(child, 99);
        WaitForSingleObject(child, 5000);
        CloseHandle(child);
    }
}
