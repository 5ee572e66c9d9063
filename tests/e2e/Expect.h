// How a case reports a broken expectation: it throws, the case runner catches
// it, ends the program under test and logs the reason.
#pragma once

#include <stdexcept>
#include <string>

class CaseFailure : public std::runtime_error {
   public:
    using std::runtime_error::runtime_error;
};

// A case that cannot be made on this machine: counted as skipped, never as passed.
class CaseSkipped : public std::runtime_error {
   public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string& reason);
[[noreturn]] void skip(const std::string& reason);
void expect(bool condition, const std::string& what);
void expectEqual(const std::string& actual, const std::string& expected, const std::string& what);
void expectEqual(long long actual, long long expected, const std::string& what);

// Control characters and bytes above 126 as \r, \n, \t or \xNN, so a log line
// shows exactly which bytes differ.
std::string printable(const std::string& bytes);
