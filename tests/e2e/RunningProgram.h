// One run of the program under test: started with CreateProcessA, watched
// through its top-level windows and child processes, ended for sure.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Wait.h"

class RunningProgram {
   public:
    // Starts the program with the given current directory; a failure to start
    // fails the case.
    RunningProgram(const std::string& exePath, const std::string& startDirectory);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    DWORD processId() const { return processId_; }
    bool hasExited() const;
    bool waitForExit(Milliseconds timeout) const;
    // Once it has ended.
    DWORD exitCode() const;
    // Ends the program and everything it started; true when it had to.
    bool terminateIfRunning();

    // Top-level windows of this process of that class (any class when empty),
    // visible ones only unless told otherwise.
    std::vector<HWND> topLevelWindows(const std::string& className, bool visibleOnly = true) const;
    // The first top-level window with that class and caption, or nullptr.
    HWND findWindow(const std::string& className, const std::string& caption,
                    bool visibleOnly = true) const;
    // Waits for that window; fails the case when the time is up or the program ends.
    HWND waitForWindow(const std::string& className, const std::string& caption,
                       Milliseconds timeout) const;

    // The full paths of the modules the program has loaded; nothing where Wine
    // cannot list them (a 32-bit program, for a 64-bit driver).
    std::vector<std::string> loadedModules() const;

    // Processes started by the program and by those, still running.
    std::vector<DWORD> runningDescendants() const;
    // Waits until the scripts and viewers the program started have ended.
    bool waitForDescendantsToEnd(Milliseconds timeout) const;
    void terminateDescendants() const;

   private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

std::string windowText(HWND window);
std::string windowClass(HWND window);
