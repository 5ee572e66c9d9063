#include "Expect.h"

#include <cstdio>

void fail(const std::string& reason) { throw CaseFailure(reason); }

void skip(const std::string& reason) { throw CaseSkipped(reason); }

void expect(bool condition, const std::string& what) {
    if (!condition) fail(what);
}

std::string printable(const std::string& bytes) {
    std::string shown;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            shown += "\\r";
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (c == '\\') {
            shown += "\\\\";
        } else if (byte < 0x20 || byte > 0x7e) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        } else {
            shown += c;
        }
    }
    return shown;
}

namespace {
// A window of the text around a byte offset, for the failure message.
std::string around(const std::string& text, std::size_t offset) {
    const std::size_t from = offset < 40 ? 0 : offset - 40;
    return printable(text.substr(from, 80));
}
}  // namespace

void expectEqual(const std::string& actual, const std::string& expected, const std::string& what) {
    if (actual == expected) return;
    std::size_t firstDifference = 0;
    while (firstDifference < actual.size() && firstDifference < expected.size() &&
           actual[firstDifference] == expected[firstDifference]) {
        ++firstDifference;
    }
    if (actual.size() + expected.size() <= 160) {
        fail(what + ": got \"" + printable(actual) + "\", expected \"" + printable(expected) +
             "\"");
    }
    fail(what + ": " + std::to_string(actual.size()) + " bytes, expected " +
         std::to_string(expected.size()) + "; first difference at byte " +
         std::to_string(firstDifference) + ": got \"" + around(actual, firstDifference) +
         "\", expected \"" + around(expected, firstDifference) + "\"");
}

void expectEqual(long long actual, long long expected, const std::string& what) {
    if (actual != expected) {
        fail(what + ": got " + std::to_string(actual) + ", expected " + std::to_string(expected));
    }
}
