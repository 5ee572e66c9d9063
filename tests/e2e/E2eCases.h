// The end-to-end cases, in groups; each group lists its cases in the order they run.
#pragma once

#include <vector>

#include "Session.h"

// Which scripts a case is about: most hold on either interpreter's line.
enum class ScriptLine { kEither, kCmdOnly, kCommandComOnly };

// Cases about Japanese, Chinese and Korean Windows run only where Wine's
// locale gives the program a double-byte code page.
constexpr bool kNeedsDoubleByteCodePage = true;

struct E2eCase {
    const char* name;
    void (*run)(const CaseContext& context);
    ScriptLine line = ScriptLine::kEither;
    bool needsDoubleByteCodePage = false;
};

std::vector<E2eCase> startUpCases();
std::vector<E2eCase> dialogCases();
std::vector<E2eCase> commandCases();
std::vector<E2eCase> aboutCases();
std::vector<E2eCase> writeFailureCases();
