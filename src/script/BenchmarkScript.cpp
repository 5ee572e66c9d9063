#include "script/BenchmarkScript.h"

#include <algorithm>
#include <limits>
#include <string_view>

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

// The options between the resolution and the name, the same on every demo
// line: " -f 1 -g 128 -s 1,2,3,4 -d 0 -n ".
std::string optionsBeforeName(const BenchmarkSettings& settings) {
    std::string options = " -f " + decimal(settings.fullscreen);
    options += " -g " + decimal(settings.brightness);
    options += " -s ";
    for (int n = 1; n <= BenchmarkSettings::kSceneCount; ++n) {
        if (settings.sceneSelected(n)) options += decimal(n) + ",";
    }
    options.pop_back();  // the comma after the last scene, or the blank when none is selected
    options += " -d " + decimal(settings.resultsAfterEach);
    // The demo reads everything after -n as the name, so it stays unquoted.
    options += " -n ";
    return options;
}

// Everything between the resolution and its second mention, the same on every
// demo line: " -f 1 -g 128 -s 1,2,3,4 -d 0 -n Name-".
std::string demoOptions(const BenchmarkSettings& settings, const ScriptReader& reader) {
    return optionsBeforeName(settings) + demoLineName(settings, reader).written + "-";
}

// The bytes that the longest demo line takes besides the name, as COMMAND.COM reads them.
std::size_t longestLineWithoutName(const BenchmarkSettings& settings, int count) {
    // The "-" after the name counts too.
    const std::size_t options = optionsBeforeName(settings).size() + 1;
    std::size_t longest = 0;
    for (int test = 1; test <= count; ++test) {
        longest = std::max(
            longest, commandStart(test, count).size() + options + 2 * token(settings, test).size());
    }
    return longest;
}

// Where the pieces go. text() takes a fixed text whose lines end in "\n";
// verbatim() takes bytes already in the form the output stores, which values
// (tokens, numbers, the demo options, the addresses) are, holding no line end;
// stored() turns a fixed text into that form once, for texts written often.
class StringOut {
   public:
    explicit StringOut(std::string& target) : target_(target) {}
    void text(std::string_view piece) { target_ += piece; }
    void verbatim(std::string_view piece) { target_ += piece; }
    std::string stored(std::string_view text) const { return std::string(text); }

   private:
    std::string& target_;
};

class FileOut {
   public:
    explicit FileOut(TextWriter& file) : file_(file) {}
    void text(std::string_view piece) { file_.write(piece); }
    void verbatim(std::string_view piece) { file_.writeVerbatim(piece); }
    std::string stored(std::string_view text) const { return withCrLf(text); }

   private:
    TextWriter& file_;
};

template <class Out>
void putDemoCommandLine(Out& out, int test, int count, const std::string& resolution,
                        const std::string& options, const std::string& lineEnd) {
    out.verbatim(commandStart(test, count));
    out.verbatim(resolution);
    out.verbatim(options);
    out.verbatim(resolution);
    out.verbatim(lineEnd);
}

template <class Out>
void putHeaderAndResolutionList(Out& out, const BenchmarkSettings& settings, int count) {
    out.text(
        "@echo off\n"
        "echo\"\n\"\n"
        "echo  *******************\n"
        "echo  * Solanthra v1.1a *\n"
        "echo  *******************\n"
        "echo\"\n\"\n"
        "echo  Automated Benchmark Script\n"
        "echo  --------------------------\n"
        "echo\"\n\"\n"
        "echo  This script will run ");
    out.verbatim(decimal(count));
    out.text(
        " benchmark tests at\n"
        "echo  the following resolutions and bit depths:\n");
    out.text(kSeparator);
    for (int test = 1; test <= count; ++test) {
        out.text("echo      * ");
        out.verbatim(token(settings, test));
        out.text("\n");
    }
    out.text(kSeparator);
    out.text("echo  Press CTRL+C at any time to stop the process.\n");
    out.text(kSeparator);
}

// The test blocks: the same text around each test's run role and resolution,
// put into the output's form once.
template <class Out>
void putTestBlocks(Out& out, const BenchmarkSettings& settings, int count,
                   const ScriptReader& reader) {
    const std::string beforeResolution = out.stored(std::string(kSeparator) +
                                                    "echo ----------------------------------\n"
                                                    "echo - STARTING TEST AT ");
    const std::string afterResolution =
        out.stored(std::string("...\necho ----------------------------------\n") +
                   std::string(kSeparator) + (settings.automatic == 0 ? "pause\n" : ""));
    const std::string options = demoOptions(settings, reader);
    const std::string lineEnd = out.stored("\n");
    for (int test = 1; test <= count; ++test) {
        out.verbatim(beforeResolution);
        out.verbatim(token(settings, test));
        out.verbatim(afterResolution);
        putDemoCommandLine(out, test, count, token(settings, test), options, lineEnd);
    }
}

template <class Out>
void putClosingSection(Out& out, const BenchmarkSettings& settings) {
    out.text(kSeparator);
    out.text("echo  SHOWING ALL RESULTS...\n");
    out.text(kSeparator);
    if (settings.resultsAfterEach == 0 && settings.automatic == 0) out.text("pause\n");
    if (settings.resultsAfterEach == 0) out.text("explorer results.htm");
    out.text(
        "\necho\"\n\"\n"
        "echo  *************\n"
        "echo  * ALL DONE! *\n"
        "echo  *************\n"
        "echo\"\n\"\n"
        "echo  Thank you for using Solanthra"
        "\necho  -----------------------------"
        "\necho  - Visit Solanthra official site at: ");
    out.verbatim(product::kSiteAddress);
    out.text("\necho  - Upload and compare your results at: ");
    out.verbatim(product::kSiteAddress);
    out.text(
        "/slmark"
        "\necho  - Contact the author at: ");
    out.verbatim(product::kContactEmail);
    out.text("\necho\"\n\"");
}

// The whole script, piece by piece.
template <class Out>
void putBenchmarkScript(Out& out, const BenchmarkSettings& settings, const ScriptReader& reader) {
    const int count = testCount(settings);
    putHeaderAndResolutionList(out, settings, count);
    putTestBlocks(out, settings, count, reader);
    putClosingSection(out, settings);
}
}  // namespace

DemoLineName demoLineName(const BenchmarkSettings& settings, const ScriptReader& reader) {
    const int count = testCount(settings);
    // cmd reads lines of 8191 characters, far more than the longest name makes.
    std::size_t room = std::numeric_limits<std::size_t>::max();
    if (reader.interpreter == BatchInterpreter::kCommandCom && count > 0)
        room = kCommandComLineLimit -
               std::min(longestLineWithoutName(settings, count), kCommandComLineLimit);
    DemoLineName name = nameOnDemoLine(settings.projectName, reader, room);
    if (count == 0) name.redirectionsBlanked = false;  // no demo line, nothing to ask
    return name;
}

std::string demoCommandLine(const BenchmarkSettings& settings, int test,
                            const ScriptReader& reader) {
    std::string line;
    StringOut out(line);
    putDemoCommandLine(out, test, testCount(settings), token(settings, test),
                       demoOptions(settings, reader), "\n");
    return line;
}

std::string benchmarkScriptText(const BenchmarkSettings& settings, const ScriptReader& reader) {
    std::string text;
    StringOut out(text);
    putBenchmarkScript(out, settings, reader);
    return text;
}

void writeBenchmarkScriptText(TextWriter& file, const BenchmarkSettings& settings,
                              const ScriptReader& reader) {
    FileOut out(file);
    putBenchmarkScript(out, settings, reader);
}
