// What the program must show and write, spelled out here by hand so that the
// tests never borrow the program's own code for their expectations.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "common/Product.h"

namespace expected {

inline constexpr char kDialogCaption[] = "Solanthra v1.1a - Benchmark Script Generator";
inline constexpr char kAboutCaption[] = "About Solanthra";
inline constexpr const char* kMessageTitle = product::kMessageTitle;

inline constexpr char kFatalTitle[] = "Fatal error";
inline constexpr char kFatalText[] = "Some registry keys are missing.\nPlease reinstall Solanthra.";
inline constexpr char kWindowedWarning[] =
    "Warning: windowed mode will force the\nprogram to run at desktop color depth.\nThis option "
    "may result in unaccurate\nperformance testing and thus is not\nrecommended.\nProceed?";
inline constexpr char kScriptSaved[] = "Script file saved\nsuccessfully.";
inline constexpr char kNoScene[] = "Please select at least\none test to run.";
inline constexpr char kCategoryQuestion[] =
    "Please select at least one test\nfor each category or no global\nSLMark will be "
    "available.\nProceed?";
inline constexpr char kCannotWriteScript[] = "Couldn't write to file.";
inline constexpr char kClearQuestion[] = "All data in results\npage will be erased.\nProceed?";
inline constexpr char kResultsCleared[] = "Results page cleared.";
inline constexpr char kCannotWritePage[] = "Can't open HTML file for writing.";
// A name as a message quotes it: longer than 64 bytes, its first and last
// characters (of that many bytes each) and how many are left out between.
std::string shownName(const std::string& name, std::size_t characterBytes = 1);
std::string overwriteQuestion(const std::string& scriptName);

// A failed write: the first line as ever, a blank line, then why.
std::string failedWrite(const std::string& firstLine, const std::string& reason);
// Why, in a folder under Program Files or elsewhere, for a program that runs
// as administrator already (every program under Wine 8) or that may start
// again as one (under Wine 10, whose programs run unelevated as Vista's do).
std::string accessDeniedReason(const std::string& folder, bool inProgramFiles,
                               bool administratorWouldHelp = false);
// The question at start-up in such a folder, on Vista and later.
std::string administratorOffer(const std::string& folder, bool inProgramFiles);
// Windows 95, 98 and ME, which have no administrators.
std::string writeNotAllowedReason(const std::string& folder);
std::string readOnlyReason(const std::string& file);
std::string inUseReason(const std::string& file);
std::string folderInTheWayReason(const std::string& file);
// A script name refused before anything is opened.
std::string forbiddenCharactersReason(const std::string& scriptName);
std::string deviceNameReason(const std::string& scriptName, const std::string& device);
// A script name typed on the NT line that Windows would write as another.
std::string codePageRefusal(const std::string& written);
// The question on Windows 95, 98 and ME before a name that COMMAND.COM cannot
// carry as typed: "|", "<" or ">" written as blanks, or the name cut to that
// many characters (none: not cut), and the name that the demo gets.
std::string commandComQuestion(bool blanksForRedirections, int keptCharacters,
                               const std::string& demoGets);

// The question before a name that the code pages change on its way to the demo.
std::string codePagesQuestion(const std::string& demoGets);
// The question before a name longer than the demo's 999 bytes, cut to that
// many characters.
std::string lengthQuestion(int keptCharacters, const std::string& demoGets);

inline constexpr char kDefaultProjectName[] = "(Enter the name of your project here)";
inline constexpr char kDefaultScriptName[] = "SLscript.bat";

// The empty results page, byte for byte.
std::string resultsPage();
// The About dialog's disclaimer.
std::string disclaimer();

// "1024x768 pixels - 32 bit" gives "1024x768@32".
std::string tokenOf(const std::string& listEntry);

// Gray level of the swatch for a brightness.
int grayLevelFor(int brightness);

// What the script is written from.
struct ScriptRun {
    std::vector<std::string> tokens;
    bool fullscreen = true;
    int brightness = 128;
    bool automatic = true;
    bool resultsAfterEach = false;
    std::vector<int> scenes{1, 2, 3, 4};
    std::string projectName = kDefaultProjectName;
};

// The whole script file as the program must write it (CR LF line ends).
std::string script(const ScriptRun& run);
// What the demo is started with for test i (0-based), after its own name:
// "-b -r 640x480@32 -f 1 -g 128 -s 1,2,3,4 -d 0 -n Name-640x480@32".
std::string demoArguments(const ScriptRun& run, std::size_t test);

}  // namespace expected
