#include "common/NameInMessage.h"

#include "common/FormatDecimal.h"

namespace {
constexpr std::size_t kLongestWhole = 64;
constexpr std::size_t kEndBytes = 30;
}  // namespace

std::string textWithName(const char* before, const std::string& name, const char* after,
                         const CodePages& codePages) {
    std::size_t startEnd = name.size(), endAt = name.size(), leftOut = 0;
    if (name.size() > kLongestWhole) {
        startEnd = endAt = 0;
        while (name.size() - endAt > kEndBytes) {
            endAt += codePages.windowsCharacterLength(name, endAt);
            if (endAt <= kEndBytes)
                startEnd = endAt;
            else
                ++leftOut;
        }
    }
    std::string text;
    text += before;
    text.append(name.data(), startEnd);
    if (leftOut > 0) {
        text += "\n...(";
        text += formatDecimal(leftOut);
        text += " characters left out)...\n";
    }
    text.append(name.data() + endAt, name.size() - endAt);
    text += after;
    return text;
}
