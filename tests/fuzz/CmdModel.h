// A small model of how the command interpreter reads one line of a batch file
// before it starts a program: what that program receives, or nothing when the
// line would not reach it literally (a variable reference, an operator that
// splits the line, a control character).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#endif

namespace cmdmodel {

// First pass: "%%" stands for "%"; any other "%" starts a variable or argument reference.
inline std::optional<std::string> expandPercents(std::string_view line) {
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '%') {
            out += line[i];
        } else if (i + 1 < line.size() && line[i + 1] == '%') {
            out += '%';
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

// Second pass: each '"' opens or closes a quoted stretch; outside one, "^x" is
// a literal x and & | < > are operators.
inline std::optional<std::string> removeEscapes(std::string_view line) {
    std::string out;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            quoted = !quoted;
            out += c;
        } else if (quoted) {
            out += c;
        } else if (c == '^') {
            if (i + 1 == line.size()) return std::nullopt;  // a final caret joins the next line
            out += line[++i];
        } else if (c == '&' || c == '|' || c == '<' || c == '>') {
            return std::nullopt;
        } else {
            out += c;
        }
    }
    return out;
}

inline bool holdsControlCharacter(std::string_view line) {
    for (char c : line) {
        if (static_cast<unsigned char>(c) < 0x20) return true;
    }
    return false;
}

// The interpreter reads the file in the console (OEM) code page; a program that
// takes its command line in the Windows (ANSI) code page gets it converted.
// Other builds have one code page.
inline std::string inWindowsCodePage(const std::string& consoleText) {
#ifdef _WIN32
    std::wstring wide(consoleText.size(), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_OEMCP, 0, consoleText.data(), static_cast<int>(consoleText.size()),
                            wide.data(), static_cast<int>(wide.size()))));
    std::string ansi(wide.size() * 2, '\0');
    ansi.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(),
                            static_cast<int>(ansi.size()), nullptr, nullptr)));
    return ansi;
#else
    return consoleText;
#endif
}

// One batch line, with or without its final "\n", as the started program gets it.
inline std::optional<std::string> programCommandLine(std::string_view batchLine) {
    if (!batchLine.empty() && batchLine.back() == '\n') batchLine.remove_suffix(1);
    if (holdsControlCharacter(batchLine)) return std::nullopt;
    const auto expanded = expandPercents(batchLine);
    if (!expanded) return std::nullopt;
    const auto unescaped = removeEscapes(*expanded);
    if (!unescaped) return std::nullopt;
    return inWindowsCodePage(*unescaped);
}

// What the demo should see of a project name: control characters cannot stand
// on a batch line and are written as blanks.
inline std::string withControlsBlanked(std::string name) {
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    }
    return name;
}

}  // namespace cmdmodel
