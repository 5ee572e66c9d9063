// Reads the demo's own settings file so that the generator starts from the
// demo's brightness, scene selection and project name.
#pragma once

#include "common/TextFile.h"
#include "platform/CodePages.h"
#include "settings/BenchmarkSettings.h"

// Takes brightness, saved resolution index, scene flags and project name from
// the open file, byte by byte as text mode delivers them, and closes the file.
// A field whose byte never arrives keeps its value; the project name is always
// replaced, by the empty text when the file ends before it. The name keeps at
// most kMaxProjectNameLength bytes and never ends inside a character of the
// Windows code page.
void readDemoConfig(TextReader& file, BenchmarkSettings& settings, const CodePages& codePages);
