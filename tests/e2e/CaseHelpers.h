// Checks that several groups of cases share.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "Session.h"
#include "expected/ExpectedTexts.h"

// Scene n's check box.
constexpr int sceneBox(int scene) { return 1030 + scene; }

// The list entries the program must offer for the display it runs on, from our
// own reading of the display modes: 16, 24 or 32 bits, about 4:3.
std::vector<std::string> expectedModeEntries();

// Exactly these scenes checked and these scenes' boxes disabled.
void expectScenes(const MainDialog& dialog, const std::vector<int>& checked,
                  const std::vector<int>& disabled, const std::string& when);

// Waits until the swatch shows that gray (0 to 255 in each channel).
void expectSwatchGray(const MainDialog& dialog, int swatchId, int gray, const std::string& when);

// The directory holds exactly these names (files or folders).
void expectDirectoryHolds(const std::string& directory, std::vector<std::string> names);

// A demo settings file: brightness, saved index, three ignored bytes, twelve
// scene flags, one ignored byte, then the project name.
std::string demoConfig(int brightness, int savedIndex, const std::vector<int>& scenes,
                       const std::string& projectName);

// The logged command line without the program's own name (quoted or not).
std::string argumentsOf(const std::string& commandLine);

// Saves the screen into the shots folder as NAME.bmp once the window is painted.
void saveShot(const CaseContext& context, HWND window, const std::string& name);

// Index of the first list entry with that text, or -1.
int findEntry(const std::vector<std::string>& entries, const std::string& text);

// The tokens of these list entries, in list order.
std::vector<std::string> tokensOf(const std::vector<std::string>& entries,
                                  const std::vector<int>& indices);

// Generates with "Generate script", answering the category question with Yes
// when one is expected, and checks the success message.
void generateScript(const MainDialog& dialog, bool categoryQuestion = false);
// The script file holds exactly what the run describes.
void expectScript(const std::string& path, const expected::ScriptRun& run);
