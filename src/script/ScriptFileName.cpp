#include "script/ScriptFileName.h"

#include <string_view>

#include "common/NameInMessage.h"

namespace {
constexpr char kForbidden[] = "?*<>|\"";

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// A byte that stands for itself: not the second byte of a two-byte character.
struct SingleByte {
    std::size_t position;
    char value;
};

template <typename Visit>
void forEachSingleByte(const std::string& name, const CodePages& codePages, Visit visit) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (codePages.isWindowsLeadByte(name[i]) && i + 1 < name.size()) {
            ++i;
            continue;
        }
        visit(SingleByte{i, name[i]});
    }
}

bool holdsForbiddenCharacter(const std::string& name, const CodePages& codePages) {
    bool forbidden = false;
    forEachSingleByte(name, codePages, [&](SingleByte b) {
        const bool drivePrefix = b.position == 1 && isAsciiLetter(name[0]);
        if (static_cast<unsigned char>(b.value) < 0x20 ||
            std::string_view(kForbidden).find(b.value) != std::string_view::npos ||
            (b.value == ':' && !drivePrefix))
            forbidden = true;
    });
    return forbidden;
}

// The name's last part up to its first dot, without the blanks Windows drops.
std::string baseName(const std::string& name, const CodePages& codePages) {
    std::size_t start = 0;
    forEachSingleByte(name, codePages, [&](SingleByte b) {
        if (b.value == '\\' || b.value == '/' || (b.value == ':' && b.position == 1))
            start = b.position + 1;
    });
    std::string base = name.substr(start, name.find('.', start) - start);
    while (!base.empty() && base.back() == ' ') base.pop_back();
    for (char& c : base) c = asciiUpper(c);
    return base;
}

// Windows reads the name in Unicode, and counts the superscript digits ¹ ² ³
// among the digits of COM and LPT.
bool isDeviceName(const std::string& base, const CodePages& codePages) {
    // CLOCK$ is the clock of Windows 95 to ME: a script written to it sets the time.
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CLOCK$"})
        if (base == device) return true;
    if (base.compare(0, 3, "COM") != 0 && base.compare(0, 3, "LPT") != 0) return false;
    const std::u16string digit = codePages.windowsToUnicode(base.substr(3));
    return digit.size() == 1 && ((digit[0] >= u'1' && digit[0] <= u'9') || digit[0] == u'\u00b9' ||
                                 digit[0] == u'\u00b2' || digit[0] == u'\u00b3');
}
}  // namespace

std::string scriptNameRefusal(const std::string& name, const CodePages& codePages,
                              bool changedByCodePage) {
    // First, since a "?" or a "\" of the name may be the code page's and not the user's.
    if (changedByCodePage)
        return textWithName(
            "The script name holds characters that the Windows code page lacks: Windows would "
            "write the script as\n'",
            name, "'\nChoose a name without them.", codePages);
    if (holdsForbiddenCharacter(name, codePages))
        return textWithName("The name '", name,
                            "' is not allowed: a file name on Windows cannot hold ? * < > | \" or "
                            "control characters, nor a : other than after a drive letter.",
                            codePages);
    const std::string base = baseName(name, codePages);
    if (isDeviceName(base, codePages))
        return textWithName("The name '", name, "' is not allowed: ", codePages) + base +
               " names a device on Windows, whatever its extension (so do CON, PRN, AUX, NUL, "
               "COM1 to COM9 and LPT1 to LPT9).";
    return {};
}
