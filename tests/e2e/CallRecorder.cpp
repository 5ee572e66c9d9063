// Stand-in for a program that the generated script or the dialog starts (the
// demo, the shell): it only records how it was called, then ends at once.
// CALL_LOG_NAME names the log in the current directory, set by the build.
#include <windows.h>

#include <cstdio>

int main() {
    std::FILE* log = std::fopen(CALL_LOG_NAME, "ab");
    if (log == nullptr) return 1;
    // Binary mode and our own CR LF: the log holds the command line byte for byte.
    std::fputs(GetCommandLineA(), log);
    std::fputs("\r\n", log);
    return std::fclose(log) == 0 ? 0 : 1;
}
