// Functions that not every Windows the program runs on exports, looked up at
// run time so that the program still starts where they are missing.
#pragma once

#include <windows.h>

// From a module that may be missing itself: nullptr where either is.
template <typename Function>
Function functionOf(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Function>(
                        reinterpret_cast<void (*)()>(GetProcAddress(module, name)))
                  : nullptr;
}

// From a DLL the program has loaded already (kernel32, user32, advapi32, comctl32).
template <typename Function>
Function loadedFunction(const char* dll, const char* name) {
    return functionOf<Function>(GetModuleHandleA(dll), name);
}
