#include "script/BenchmarkScript.h"

#include <algorithm>

#include "common/FormatDecimal.h"
#include "common/Product.h"

namespace {
// The pair of lines that the script writes between its sections.
constexpr char kSeparator[] = "echo\"\n\"\n";

// The record never holds negative numbers; formatDecimal takes none.
std::string decimal(long long value) {
    return formatDecimal(value < 0 ? 0ull : static_cast<unsigned long long>(value));
}

int testCount(const BenchmarkSettings& settings) {
    const auto available = static_cast<long long>(settings.resolutionTokens.size());
    return static_cast<int>(std::clamp<long long>(settings.resolutionCount, 0, available));
}

const std::string& token(const BenchmarkSettings& settings, int test) {
    return settings.resolutionTokens[static_cast<std::size_t>(test - 1)];
}

// The demo learns from this option whether a run opens, continues or closes the series.
const char* commandStart(int test, int count) {
    if (count == 1) return "start /w rumo1.1a.exe -b -r ";
    if (test == 1) return "start /w rumo1.1a.exe -i -r ";
    if (test == count) return "start /w rumo1.1a.exe -f -r ";
    return "start /w rumo1.1a.exe -n -r ";
}

std::string sceneList(const BenchmarkSettings& settings) {
    std::string list;
    for (int n = 1; n <= BenchmarkSettings::kSceneCount; ++n) {
        if (settings.sceneSelected(n)) list += decimal(n) + ",";
    }
    return list;
}

std::string headerAndResolutionList(const BenchmarkSettings& settings) {
    const int count = testCount(settings);
    std::string text =
        "@echo off\n"
        "echo\"\n\"\n"
        "echo  *******************\n"
        "echo  * Solanthra v1.1a *\n"
        "echo  *******************\n"
        "echo\"\n\"\n"
        "echo  Automated Benchmark Script\n"
        "echo  --------------------------\n"
        "echo\"\n\"\n";
    text += "echo  This script will run " + decimal(count) +
            " benchmark tests at\n"
            "echo  the following resolutions and bit depths:\n";
    text += kSeparator;
    for (int test = 1; test <= count; ++test) text += "echo      * " + token(settings, test) + "\n";
    text += kSeparator;
    text += "echo  Press CTRL+C at any time to stop the process.\n";
    text += kSeparator;
    return text;
}

std::string testBlock(const BenchmarkSettings& settings, int test) {
    std::string text = kSeparator;
    text += "echo ----------------------------------\n";
    text += "echo - STARTING TEST AT " + token(settings, test) + "...\n";
    text += "echo ----------------------------------\n";
    text += kSeparator;
    if (settings.automatic == 0) text += "pause\n";
    text += demoCommandLine(settings, test);
    return text;
}

std::string closingSection(const BenchmarkSettings& settings) {
    std::string text = kSeparator;
    text += "echo  SHOWING ALL RESULTS...\n";
    text += kSeparator;
    if (settings.resultsAfterEach == 0 && settings.automatic == 0) text += "pause\n";
    if (settings.resultsAfterEach == 0) text += "explorer results.htm";
    text +=
        "\necho\"\n\"\n"
        "echo  *************\n"
        "echo  * ALL DONE! *\n"
        "echo  *************\n"
        "echo\"\n\"\n"
        "echo  Thank you for using Solanthra";
    text += "\necho  -----------------------------";
    text += std::string("\necho  - Visit Solanthra official site at: ") + product::kSiteAddress;
    text += std::string("\necho  - Upload and compare your results at: ") + product::kSiteAddress +
            "/slmark";
    text += std::string("\necho  - Contact the author at: ") + product::kContactEmail;
    text += "\necho\"\n\"";
    return text;
}
}  // namespace

std::string demoCommandLine(const BenchmarkSettings& settings, int test) {
    const std::string& resolution = token(settings, test);
    std::string line = commandStart(test, testCount(settings));
    line += resolution;
    line += " -f " + decimal(settings.fullscreen);
    line += " -g " + decimal(settings.brightness);
    line += " -s " + sceneList(settings);
    line.pop_back();  // the comma after the last scene, or the blank when none is selected
    line += " -d " + decimal(settings.resultsAfterEach);
    // The demo reads everything after -n as the name, so it stays unquoted.
    line += " -n " + cmdLiteral(settings.projectName);
    line += "-" + resolution + "\n";
    return line;
}

std::string benchmarkScriptText(const BenchmarkSettings& settings) {
    std::string text = headerAndResolutionList(settings);
    for (int test = 1; test <= testCount(settings); ++test) text += testBlock(settings, test);
    text += closingSection(settings);
    return text;
}
