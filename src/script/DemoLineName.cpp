#include "script/DemoLineName.h"

namespace {
bool isControlCharacter(char c) { return static_cast<unsigned char>(c) < 0x20; }

// COMMAND.COM has no escape for these: they split the line wherever they stand.
bool isRedirection(char c) { return c == '|' || c == '<' || c == '>'; }

// What cmd takes as its own outside double quotes.
bool isCmdOperator(char c) { return c == '^' || c == '&' || isRedirection(c); }

bool startsPair(const std::string& console, std::size_t at, const CodePages& codePages) {
    return codePages.isConsoleLeadByte(console[at]) && at + 1 < console.size() &&
           !isControlCharacter(console[at + 1]);
}
}  // namespace

DemoLineName nameOnDemoLine(const std::string& windowsName, const ScriptReader& reader,
                            std::size_t roomBytes) {
    const bool commandCom = reader.interpreter == BatchInterpreter::kCommandCom;
    const std::string console = reader.codePages.windowsToConsole(windowsName);
    DemoLineName name;
    bool quoted = false;
    for (std::size_t at = 0; at < console.size(); ++name.keptCharacters) {
        const std::size_t length = startsPair(console, at, reader.codePages) ? 2 : 1;
        if (name.received.size() + length > roomBytes) {
            name.cut = true;
            break;
        }
        if (length == 2) {
            name.written.append(console, at, 2);
            name.received.append(console, at, 2);
        } else {
            char c = console[at];
            const bool blanked = isControlCharacter(c) || reader.codePages.isConsoleLeadByte(c) ||
                                 (commandCom && isRedirection(c));
            if (blanked && isRedirection(c)) name.redirectionsBlanked = true;
            if (blanked) c = ' ';
            if (c == '%') {
                name.written += '%';  // percent expansion runs before anything else
            } else if (!commandCom) {
                if (c == '"') quoted = !quoted;
                if (!quoted && isCmdOperator(c)) name.written += '^';
            }
            name.written += c;
            name.received += c;
        }
        at += length;
    }
    return name;
}

bool codePagesChangeName(const std::optional<std::u16string>& typed, const std::string& windowsName,
                         const CodePages& codePages) {
    if (typed && codePages.windowsChanges(*typed)) return true;
    return codePages.consoleToWindows(codePages.windowsToConsole(windowsName)) != windowsName;
}
