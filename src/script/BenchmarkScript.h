// The batch script that runs the demo once per chosen resolution and then
// shows the results page.
#pragma once

#include <cstddef>
#include <string>

#include "common/MessageBoxes.h"
#include "platform/Ports.h"
#include "script/CmdLiteral.h"
#include "settings/BenchmarkSettings.h"

class TextWriter;

// Appends ".bat" unless the name's last four characters already are ".bat",
// in any case.
void applyBatExtensionRule(std::string& scriptName);

// COMMAND.COM silently cuts a batch line after this many bytes and still runs it.
inline constexpr std::size_t kCommandComLineLimit = 127;

// The project name as the script's demo lines carry it.
struct DemoLineName {
    std::string written;   // the bytes on the line
    std::string received;  // what the interpreter hands the demo, in the console code page
    // COMMAND.COM only: "|", "<" and ">" were written as blanks, since nothing
    // carries them to the demo there.
    bool redirectionsBlanked = false;
    // COMMAND.COM only: the name was cut to keptCharacters characters so that
    // every demo line fits in kCommandComLineLimit bytes.
    bool cut = false;
    std::size_t keptCharacters = 0;
};

// The one place that decides how the name stands on the demo lines. For cmd
// it is cmdLiteral of the name in the console code page; for COMMAND.COM the
// same bytes without escapes ("%%" for "%"), blanks for "| < >" and control
// characters, cut where a demo line would grow past the limit. A script
// without tests changes nothing.
DemoLineName demoLineName(const BenchmarkSettings& settings, BatchInterpreter interpreter);

// The line that starts the demo for test 1 to N, ending with "\n".
std::string demoCommandLine(const BenchmarkSettings& settings, int test,
                            BatchInterpreter interpreter = BatchInterpreter::kCmd);

// The whole script, with "\n" line ends and none after its last line.
std::string benchmarkScriptText(const BenchmarkSettings& settings,
                                BatchInterpreter interpreter = BatchInterpreter::kCmd);
// The same text, written piece by piece.
void writeBenchmarkScriptText(TextWriter& file, const BenchmarkSettings& settings,
                              BatchInterpreter interpreter = BatchInterpreter::kCmd);

// Applies the ".bat" rule to settings.scriptName, asks before overwriting an
// existing file and writes the script. False when the user declined or the
// file could not be written; the user has been told by then, and a partly
// written file has been removed.
bool writeBenchmarkScript(BenchmarkSettings& settings, MessageBoxes& boxes,
                          BatchInterpreter interpreter = BatchInterpreter::kCmd);
