// The two code pages of a Windows system: the Windows (ANSI) one, in which the
// dialog's texts, file names and the demo's settings file are, and the console
// (OEM) one, in which the command interpreter reads a batch file. On Japanese,
// Chinese and Korean Windows both are double-byte code pages: a lead byte and
// the byte after it are one character, and that second byte may be one that
// alone reads as "\", "^" or "|".
#pragma once

#include <cstddef>
#include <string>

class CodePages {
   public:
    virtual ~CodePages() = default;

    // The bytes that the interpreter reads back as the same characters. A
    // character with no console form becomes what the system's conversion makes of it.
    virtual std::string windowsToConsole(const std::string& windowsText) const = 0;
    // Console bytes as a program that reads the Windows code page gets them.
    virtual std::string consoleToWindows(const std::string& consoleText) const = 0;

    // Unicode text as an ANSI call of the NT line hands it over: what the
    // Windows code page lacks becomes its best fit or a default character.
    virtual std::string unicodeToWindows(const std::u16string& unicodeText) const = 0;
    virtual std::u16string windowsToUnicode(const std::string& windowsText) const = 0;

    virtual bool isWindowsLeadByte(char c) const = 0;
    // The Windows code page is UTF-8 (65001, "Use Unicode UTF-8 for worldwide
    // language support"), whose characters take up to four bytes although
    // GetCPInfo gives it no lead bytes.
    virtual bool isWindowsUtf8() const { return false; }
    virtual bool isConsoleLeadByte(char c) const = 0;

    // Whether Unicode text comes back other than it went through the Windows
    // code page: a best fit or a default character stands for some of it.
    bool windowsChanges(const std::u16string& unicodeText) const {
        return windowsToUnicode(unicodeToWindows(unicodeText)) != unicodeText;
    }

    // How many bytes the Windows character at `at` takes: a lead byte and the
    // byte after it, or in UTF-8 a byte and the continuation bytes after it.
    // A lead byte that ends the text stands alone and counts as one.
    std::size_t windowsCharacterLength(const std::string& windowsText, std::size_t at) const {
        std::size_t end = at + 1;
        if (isWindowsUtf8()) {
            while (end < windowsText.size() &&
                   (static_cast<unsigned char>(windowsText[end]) & 0xC0u) == 0x80u)
                ++end;
        } else if (isWindowsLeadByte(windowsText[at]) && end < windowsText.size()) {
            ++end;
        }
        return end - at;
    }

    // The longest start of the Windows text that fits in maxBytes without
    // splitting a character: a character that does not fit whole is left out.
    std::string windowsTextWithin(const std::string& windowsText, std::size_t maxBytes) const {
        std::size_t end = 0;
        while (end < windowsText.size()) {
            const std::size_t length = windowsCharacterLength(windowsText, end);
            if (end + length > maxBytes) break;
            end += length;
        }
        return windowsText.substr(0, end);
    }

    std::size_t windowsCharacterCount(const std::string& windowsText) const {
        std::size_t count = 0;
        for (std::size_t at = 0; at < windowsText.size(); ++count)
            at += windowsCharacterLength(windowsText, at);
        return count;
    }
};
