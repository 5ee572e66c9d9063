// The batch script that runs the demo once per chosen resolution and then
// shows the results page.
#pragma once

#include <string>

#include "common/MessageBoxes.h"
#include "script/CmdLiteral.h"
#include "settings/BenchmarkSettings.h"

class TextWriter;

// Appends ".bat" unless the name's last four characters already are ".bat",
// in any case.
void applyBatExtensionRule(std::string& scriptName);

// The line that starts the demo for test 1 to N, ending with "\n".
std::string demoCommandLine(const BenchmarkSettings& settings, int test);

// The whole script, with "\n" line ends and none after its last line.
std::string benchmarkScriptText(const BenchmarkSettings& settings);
// The same text, written piece by piece.
void writeBenchmarkScriptText(TextWriter& file, const BenchmarkSettings& settings);

// Applies the ".bat" rule to settings.scriptName, asks before overwriting an
// existing file and writes the script. False when the user declined or the
// file could not be written; the user has been told by then, and a partly
// written file has been removed.
bool writeBenchmarkScript(BenchmarkSettings& settings, MessageBoxes& boxes);
