#include "common/CodePage.h"

#ifdef _WIN32
#include <mbstring.h>

bool equalsIgnoringCaseInCodePage(const std::string& a, const std::string& b) {
    // _mbsicmp walks double-byte characters as the current multibyte code page defines them.
    return _mbsicmp(reinterpret_cast<const unsigned char*>(a.c_str()),
                    reinterpret_cast<const unsigned char*>(b.c_str())) == 0;
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

#endif
