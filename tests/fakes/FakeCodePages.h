// The code pages of two kinds of Windows, as far as the tests need them:
// - Western European: Windows 1252 and console 437, which put the same
//   letters at other bytes (é is E9 and 82) and turn some characters into
//   operators on the way (‰ ‹ › become % < >, “ ” become "), as the system's
//   best fit does; 1252 has no Cyrillic letters, 437 no "€";
// - Japanese: 932 for both, whose lead bytes are 81-9F and E0-FC;
// - UTF-8: 65001 for both, whose characters take up to four bytes;
// - Cyrillic: Windows 1251, as far as the characters of its bytes B2, B3, B9
//   (І і №), which in 1252 are the superscript digits.
#pragma once

#include <array>
#include <string>
#include <utility>

#include "platform/CodePages.h"

class FakeCodePages : public CodePages {
   public:
    static FakeCodePages westernEuropean() { return FakeCodePages(false); }
    static FakeCodePages japanese() { return FakeCodePages(true); }
    static FakeCodePages utf8() {  // 65001 for both, which the fake passes as it is
        FakeCodePages pages(true);
        pages.utf8_ = true;
        return pages;
    }
    static FakeCodePages cyrillic() {
        FakeCodePages pages(false);
        pages.cyrillic_ = true;
        return pages;
    }

    std::string windowsToConsole(const std::string& text) const override {
        return doubleByte_ ? text : mapped(text, false);
    }
    std::string consoleToWindows(const std::string& text) const override {
        return doubleByte_ ? text : mapped(text, true);
    }
    // A byte at a time through windowsCharacter; the double-byte fake knows no pairs.
    std::string unicodeToWindows(const std::u16string& text) const override {
        std::string out;
        for (char16_t character : text) {
            char byte = '?';
            for (int value = 1; value <= 0xFF; ++value)
                if (windowsCharacter(static_cast<char>(value)) == character) byte = char(value);
            out += byte;
        }
        return out;
    }
    std::u16string windowsToUnicode(const std::string& text) const override {
        std::u16string out;
        for (char c : text) out += static_cast<char16_t>(windowsCharacter(c));
        return out;
    }
    bool isWindowsLeadByte(char c) const override { return isLeadByte(c); }
    bool isWindowsUtf8() const override { return utf8_; }
    bool isConsoleLeadByte(char c) const override { return isLeadByte(c); }
    // The Unicode character that a byte standing alone is; 0 for none.
    unsigned windowsCharacter(char c) const {
        const auto value = static_cast<unsigned char>(c);
        if (value < 0x80) return value;
        if (doubleByte_)  // the one-byte katakana; lead bytes alone are none
            return value >= 0xA1 && value <= 0xDF ? 0xFF61u + (value - 0xA1u) : 0;
        if (cyrillic_) {
            static constexpr std::array<std::pair<unsigned char, unsigned>, 3> kCyrillic{
                {{0xB2, 0x0406}, {0xB3, 0x0456}, {0xB9, 0x2116}}};
            for (const auto& [byte, character] : kCyrillic)
                if (value == byte) return character;
            return 0;
        }
        // 1252's upper half is Latin-1's; below it, those the tests use
        static constexpr std::array<std::pair<unsigned char, unsigned>, 7> kWindows1252{
            {{0x80, 0x20AC},
             {0x89, 0x2030},
             {0x8B, 0x2039},
             {0x93, 0x201C},
             {0x94, 0x201D},
             {0x99, 0x2122},
             {0x9B, 0x203A}}};
        for (const auto& [byte, character] : kWindows1252)
            if (value == byte) return character;
        return value >= 0xA0 ? value : 0;
    }

   private:
    explicit FakeCodePages(bool doubleByte) : doubleByte_(doubleByte) {}

    bool isLeadByte(char c) const {
        const auto value = static_cast<unsigned char>(c);
        return doubleByte_ && !utf8_ &&
               ((value >= 0x81 && value <= 0x9F) || (value >= 0xE0 && value <= 0xFC));
    }

    // ASCII stays; the letters below move; anything else has no form: "?".
    static std::string mapped(const std::string& text, bool toWindows) {
        // {Windows 1252, console 437}: é ü ë ñ Ü ß
        static constexpr std::array<std::pair<unsigned char, unsigned char>, 6> kLetters{
            {{0xE9, 0x82}, {0xFC, 0x81}, {0xEB, 0x89}, {0xF1, 0xA4}, {0xDC, 0x9A}, {0xDF, 0xE1}}};
        // Windows 1252 only, by best fit: ‰ ‹ › “ ” ™
        static constexpr std::array<std::pair<unsigned char, char>, 6> kBestFit{
            {{0x89, '%'}, {0x8B, '<'}, {0x9B, '>'}, {0x93, '"'}, {0x94, '"'}, {0x99, 'T'}}};
        std::string out;
        for (char c : text) {
            const auto value = static_cast<unsigned char>(c);
            char converted = value < 0x80 ? c : '?';
            for (const auto& [windows, console] : kLetters) {
                if (value == (toWindows ? console : windows))
                    converted = static_cast<char>(toWindows ? windows : console);
            }
            for (const auto& [windows, console] : kBestFit) {
                if (!toWindows && value == windows) converted = console;
            }
            out += converted;
        }
        return out;
    }

    bool doubleByte_;
    bool cyrillic_ = false;
    bool utf8_ = false;
};
