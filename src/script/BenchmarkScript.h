// The batch script that runs the demo once per chosen resolution and then
// shows the results page.
#pragma once

#include <cstddef>
#include <string>

#include "common/WriteReporter.h"
#include "platform/Ports.h"
#include "script/DemoLineName.h"
#include "settings/BenchmarkSettings.h"

class TextWriter;

// Appends ".bat" unless the name's last four characters already are ".bat",
// in any case.
void applyBatExtensionRule(std::string& scriptName);

// COMMAND.COM silently cuts a batch line after this many bytes and still runs it.
inline constexpr std::size_t kCommandComLineLimit = 127;

// The project name as the script's demo lines carry it: on COMMAND.COM's
// lines cut where the longest line would grow past the limit. A script
// without tests asks nothing.
DemoLineName demoLineName(const BenchmarkSettings& settings, const ScriptReader& reader);

// The line that starts the demo for test 1 to N, ending with "\n".
std::string demoCommandLine(const BenchmarkSettings& settings, int test,
                            const ScriptReader& reader);

// The whole script, with "\n" line ends and none after its last line.
std::string benchmarkScriptText(const BenchmarkSettings& settings, const ScriptReader& reader);
// The same text, written piece by piece.
void writeBenchmarkScriptText(TextWriter& file, const BenchmarkSettings& settings,
                              const ScriptReader& reader);

// Applies the ".bat" rule to settings.scriptName, refuses a name that is no
// file name on Windows or not the name typed (nameChangedByCodePage), asks
// before overwriting an existing file and writes the script. False when the
// user declined or the file could not be written; the user has been told why
// by then, and a partly written file has been removed.
bool writeBenchmarkScript(BenchmarkSettings& settings, WriteReporter& reporter,
                          const ScriptReader& reader, bool nameChangedByCodePage = false);
