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

namespace {
std::string convert(const std::string& text, UINT from, UINT to) {
    if (text.empty()) return text;
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(from, 0, text.data(), length, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<std::size_t>(wideLength));
    MultiByteToWideChar(from, 0, text.data(), length, wide.data(), wideLength);
    const int convertedLength =
        WideCharToMultiByte(to, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string converted(static_cast<std::size_t>(convertedLength), '\0');
    WideCharToMultiByte(to, 0, wide.data(), wideLength, converted.data(), convertedLength, nullptr,
                        nullptr);
    return converted;
}
}  // namespace

std::string toConsoleCodePage(const std::string& windowsText) {
    return convert(windowsText, CP_ACP, CP_OEMCP);
}

std::string fromConsoleCodePage(const std::string& consoleText) {
    return convert(consoleText, CP_OEMCP, CP_ACP);
}

bool isConsoleLeadByte(char c) {
    // GetCPInfo's lead-byte ranges, since GetCPInfo is on every Win32 release.
    CPINFO info = {};
    if (!GetCPInfo(CP_OEMCP, &info)) return false;
    const unsigned char value = static_cast<unsigned char>(c);
    for (std::size_t i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
        if (value >= info.LeadByte[i] && value <= info.LeadByte[i + 1]) return true;
    }
    return false;
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

std::string fromConsoleCodePage(const std::string& consoleText) { return consoleText; }

bool isConsoleLeadByte(char) { return false; }

#endif
