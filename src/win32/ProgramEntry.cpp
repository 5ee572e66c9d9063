// The program's entry point, in place of the C runtime's start-up object.
//
// The compilers' start-up object is built for the Pentium Pro and later: its
// first instructions already stop a 486, a Pentium or a K6. What it did that
// this program needs is done here, in code built with the program's own flags.
// The rest this window program does not use: argument vectors, TLS callbacks,
// a handler that turns faults into signals, and runtime pseudo-relocations,
// which the link refuses to need (CMakeLists.txt).
#include <float.h>
#include <windows.h>

#include <cstdlib>

// msvcrt: how the runtime reports its own errors (a message box for a window program).
extern "C" __declspec(dllimport) void __cdecl __set_app_type(int appType);
// libgcc: runs the static constructors (.ctors) once and registers the
// destructors (.dtors) with atexit.
extern "C" void __main();

namespace {
constexpr int kWindowProgram = 2;

// What follows the program's own name on its command line, as WinMain gets it.
LPSTR commandTail() {
    LPSTR text = GetCommandLineA();
    bool quoted = false;
    while (*text != '\0' && (quoted || (*text != ' ' && *text != '\t'))) {
        if (*text == '"') quoted = !quoted;
        ++text;
    }
    while (*text == ' ' || *text == '\t') ++text;
    return text;
}

int showCommand() {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
}
}  // namespace

// Static destructors and the unwinder's frame tables register what must run at
// exit here; exit runs it, last registered first, and then flushes and closes
// the C files. msvcrt's import library names atexit only as data, which would
// need the runtime's pseudo-relocations, so the program defines it on msvcrt's
// _onexit, as the start-up object did.
extern "C" int __cdecl atexit(void(__cdecl* function)()) {
    return _onexit(reinterpret_cast<_onexit_t>(function)) != nullptr ? 0 : -1;
}

extern "C" [[noreturn]] void WinMainCRTStartup() {
    __set_app_type(kWindowProgram);
    // The x87 unit initialised (64-bit precision), as the runtime's start-up left it.
    _fpreset();
    __main();
    std::exit(WinMain(GetModuleHandleA(nullptr), nullptr, commandTail(), showCommand()));
}
