#include "common/CodePage.h"

#ifdef _WIN32
#include <mbstring.h>
#include <windows.h>

#include <vector>

bool equalsIgnoringCaseInCodePage(const std::string& a, const std::string& b) {
    // _mbsicmp walks double-byte characters as the current multibyte code page defines them.
    return _mbsicmp(reinterpret_cast<const unsigned char*>(a.c_str()),
                    reinterpret_cast<const unsigned char*>(b.c_str())) == 0;
}

std::string toConsoleCodePage(const std::string& windowsText) {
    if (windowsText.empty()) return windowsText;
    const int length = static_cast<int>(windowsText.size());
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, windowsText.data(), length, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<std::size_t>(wideLength));
    MultiByteToWideChar(CP_ACP, 0, windowsText.data(), length, wide.data(), wideLength);
    const int consoleLength =
        WideCharToMultiByte(CP_OEMCP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string console(static_cast<std::size_t>(consoleLength), '\0');
    WideCharToMultiByte(CP_OEMCP, 0, wide.data(), wideLength, console.data(), consoleLength,
                        nullptr, nullptr);
    return console;
}

#else

namespace {
char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool equalsIgnoringCaseInCodePage(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    }
    return true;
}

std::string toConsoleCodePage(const std::string& windowsText) { return windowsText; }

#endif
