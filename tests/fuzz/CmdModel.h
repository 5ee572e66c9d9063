// A small model of how the command interpreter reads one line of a batch file
// before it starts a program: what that program receives, or nothing when the
// line would not reach it literally (a variable reference, an operator that
// splits the line, a control character).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/CodePages.h"

namespace cmdmodel {

// The interpreter turns the line into characters of the console code page
// before it looks at anything: a lead byte and the byte after it are one
// character, which no pass takes for "%", "^", a quote or an operator.
inline bool startsPair(std::string_view line, std::size_t i, const CodePages& codePages) {
    return codePages.isConsoleLeadByte(line[i]) && i + 1 < line.size();
}

// First pass: "%%" stands for "%"; any other "%" starts a variable or argument reference.
inline std::optional<std::string> expandPercents(std::string_view line,
                                                 const CodePages& codePages) {
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (startsPair(line, i, codePages)) {
            out += line.substr(i++, 2);
        } else if (line[i] != '%') {
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
inline std::optional<std::string> removeEscapes(std::string_view line, const CodePages& codePages) {
    std::string out;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (startsPair(line, i, codePages)) {
            out += line.substr(i++, 2);
        } else if (c == '"') {
            quoted = !quoted;
            out += c;
        } else if (quoted) {
            out += c;
        } else if (c == '^') {
            if (i + 1 == line.size()) return std::nullopt;  // a final caret joins the next line
            ++i;
            const std::size_t length = startsPair(line, i, codePages) ? 2 : 1;
            out += line.substr(i, length);
            i += length - 1;
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

// One batch line, with or without its final "\n", as the started program gets
// it: the interpreter reads the file in the console code page, and a program
// that takes its command line in the Windows code page gets it converted.
inline std::optional<std::string> programCommandLine(std::string_view batchLine,
                                                     const CodePages& codePages) {
    if (!batchLine.empty() && batchLine.back() == '\n') batchLine.remove_suffix(1);
    if (holdsControlCharacter(batchLine)) return std::nullopt;
    const auto expanded = expandPercents(batchLine, codePages);
    if (!expanded) return std::nullopt;
    const auto unescaped = removeEscapes(*expanded, codePages);
    if (!unescaped) return std::nullopt;
    return codePages.consoleToWindows(*unescaped);
}

// What the demo should see of a project name: the name in the console code
// page, where control characters and a lead byte with nothing to pair with
// cannot stand on a batch line and are written as blanks, back in the Windows
// code page.
inline std::string typedName(const std::string& name, const CodePages& codePages) {
    std::string console = codePages.windowsToConsole(name);
    for (std::size_t i = 0; i < console.size(); ++i) {
        const auto isControl = [&](std::size_t at) {
            return static_cast<unsigned char>(console[at]) < 0x20;
        };
        if (codePages.isConsoleLeadByte(console[i]) && i + 1 < console.size() && !isControl(i + 1))
            ++i;
        else if (isControl(i) || codePages.isConsoleLeadByte(console[i]))
            console[i] = ' ';
    }
    return codePages.consoleToWindows(console);
}

}  // namespace cmdmodel
