#include "script/BenchmarkScript.h"

#include <algorithm>
#include <string_view>

#include "common/CodePage.h"
#include "common/FormatDecimal.h"
#include "common/Product.h"
#include "common/TextFile.h"

namespace {
// The pair of lines that the script writes between its sections.
constexpr std::string_view kSeparator = "echo\"\n\"\n";

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
std::string_view commandStart(int test, int count) {
    if (count == 1) return "start /w rumo1.1a.exe -b -r ";
    if (test == 1) return "start /w rumo1.1a.exe -i -r ";
    if (test == count) return "start /w rumo1.1a.exe -f -r ";
    return "start /w rumo1.1a.exe -n -r ";
}

// Everything between the resolution and its second mention, the same on every
// demo line: " -f 1 -g 128 -s 1,2,3,4 -d 0 -n Name-".
std::string demoOptions(const BenchmarkSettings& settings) {
    std::string options = " -f " + decimal(settings.fullscreen);
    options += " -g " + decimal(settings.brightness);
    options += " -s ";
    for (int n = 1; n <= BenchmarkSettings::kSceneCount; ++n) {
        if (settings.sceneSelected(n)) options += decimal(n) + ",";
    }
    options.pop_back();  // the comma after the last scene, or the blank when none is selected
    options += " -d " + decimal(settings.resultsAfterEach);
    // The demo reads everything after -n as the name, so it stays unquoted; the
    // interpreter reads the line in the console code page.
    options += " -n " + cmdLiteral(toConsoleCodePage(settings.projectName));
    options += "-";
    return options;
}

template <class Put>
void putDemoCommandLine(Put& put, int test, int count, const std::string& resolution,
                        const std::string& options) {
    put(commandStart(test, count));
    put(resolution);
    put(options);
    put(resolution);
    put("\n");
}

template <class Put>
void putHeaderAndResolutionList(Put& put, const BenchmarkSettings& settings, int count) {
    put("@echo off\n"
        "echo\"\n\"\n"
        "echo  *******************\n"
        "echo  * Solanthra v1.1a *\n"
        "echo  *******************\n"
        "echo\"\n\"\n"
        "echo  Automated Benchmark Script\n"
        "echo  --------------------------\n"
        "echo\"\n\"\n"
        "echo  This script will run ");
    put(decimal(count));
    put(" benchmark tests at\n"
        "echo  the following resolutions and bit depths:\n");
    put(kSeparator);
    for (int test = 1; test <= count; ++test) {
        put("echo      * ");
        put(token(settings, test));
        put("\n");
    }
    put(kSeparator);
    put("echo  Press CTRL+C at any time to stop the process.\n");
    put(kSeparator);
}

template <class Put>
void putTestBlock(Put& put, const BenchmarkSettings& settings, int test, int count,
                  const std::string& options) {
    put(kSeparator);
    put("echo ----------------------------------\n"
        "echo - STARTING TEST AT ");
    put(token(settings, test));
    put("...\n"
        "echo ----------------------------------\n");
    put(kSeparator);
    if (settings.automatic == 0) put("pause\n");
    putDemoCommandLine(put, test, count, token(settings, test), options);
}

template <class Put>
void putClosingSection(Put& put, const BenchmarkSettings& settings) {
    put(kSeparator);
    put("echo  SHOWING ALL RESULTS...\n");
    put(kSeparator);
    if (settings.resultsAfterEach == 0 && settings.automatic == 0) put("pause\n");
    if (settings.resultsAfterEach == 0) put("explorer results.htm");
    put("\necho\"\n\"\n"
        "echo  *************\n"
        "echo  * ALL DONE! *\n"
        "echo  *************\n"
        "echo\"\n\"\n"
        "echo  Thank you for using Solanthra"
        "\necho  -----------------------------"
        "\necho  - Visit Solanthra official site at: ");
    put(product::kSiteAddress);
    put("\necho  - Upload and compare your results at: ");
    put(product::kSiteAddress);
    put("/slmark"
        "\necho  - Contact the author at: ");
    put(product::kContactEmail);
    put("\necho\"\n\"");
}

// The whole script, piece by piece, to put(std::string_view).
template <class Put>
void putBenchmarkScript(Put& put, const BenchmarkSettings& settings) {
    const int count = testCount(settings);
    const std::string options = demoOptions(settings);
    putHeaderAndResolutionList(put, settings, count);
    for (int test = 1; test <= count; ++test) putTestBlock(put, settings, test, count, options);
    putClosingSection(put, settings);
}
}  // namespace

std::string demoCommandLine(const BenchmarkSettings& settings, int test) {
    std::string line;
    auto put = [&line](std::string_view piece) { line += piece; };
    putDemoCommandLine(put, test, testCount(settings), token(settings, test),
                       demoOptions(settings));
    return line;
}

std::string benchmarkScriptText(const BenchmarkSettings& settings) {
    std::string text;
    auto put = [&text](std::string_view piece) { text += piece; };
    putBenchmarkScript(put, settings);
    return text;
}

void writeBenchmarkScriptText(TextWriter& file, const BenchmarkSettings& settings) {
    auto put = [&file](std::string_view piece) { file.write(piece); };
    putBenchmarkScript(put, settings);
}
