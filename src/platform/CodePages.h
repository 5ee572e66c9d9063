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
    // The Unicode character that a byte standing alone is in the Windows code
    // page (0xB9 is ¹ in 1252, № in 1251, a katakana in 932); 0 for none.
    virtual unsigned windowsCharacter(char c) const = 0;
    virtual bool isConsoleLeadByte(char c) const = 0;

    // The longest start of the Windows text that fits in maxBytes without
    // splitting a character: a two-byte character that does not fit whole is
    // left out. A lead byte that ends the text stands alone and counts as one.
    std::string windowsTextWithin(const std::string& windowsText, std::size_t maxBytes) const {
        std::size_t end = 0;
        while (end < windowsText.size()) {
            const bool pair = isWindowsLeadByte(windowsText[end]) && end + 1 < windowsText.size();
            const std::size_t length = pair ? 2 : 1;
            if (end + length > maxBytes) break;
            end += length;
        }
        return windowsText.substr(0, end);
    }
};
