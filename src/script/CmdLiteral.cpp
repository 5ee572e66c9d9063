#include "script/CmdLiteral.h"

namespace {
// Characters that the interpreter takes as operators outside double quotes.
bool isOperatorOutsideQuotes(char c) {
    return c == '^' || c == '&' || c == '|' || c == '<' || c == '>';
}

bool isControlCharacter(char c) { return static_cast<unsigned char>(c) < 0x20; }
}  // namespace

std::string cmdLiteral(const std::string& projectName) {
    std::string literal;
    literal.reserve(projectName.size());
    bool quoted = false;
    for (char c : projectName) {
        if (isControlCharacter(c)) {
            literal += ' ';
        } else if (c == '%') {
            literal += "%%";  // percent expansion runs before quotes are looked at
        } else {
            if (c == '"') quoted = !quoted;
            if (!quoted && isOperatorOutsideQuotes(c)) literal += '^';
            literal += c;
        }
    }
    return literal;
}
