// How long the program takes to write its largest script and its results page.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "fakes/ScriptedMessageBoxes.h"
#include "results/ResultsPage.h"
#include "script/BenchmarkScript.h"

namespace {
constexpr int kLargestResolutionCount = 512;
constexpr std::size_t kLongestProjectName = 999;

std::string temporaryPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

// Every resolution the list can offer, every scene, the longest name the demo keeps.
BenchmarkSettings largestScriptSettings(const std::string& scriptName) {
    BenchmarkSettings settings;
    settings.scriptName = scriptName;
    settings.automatic = 0;
    settings.scenes.fill(1);
    settings.projectName = std::string(kLongestProjectName, 'P');
    settings.resolutionCount = kLargestResolutionCount;
    for (int i = 0; i < kLargestResolutionCount; ++i) {
        settings.resolutionTokens[static_cast<std::size_t>(i)] =
            std::to_string(640 + 8 * i) + "x" + std::to_string(480 + 6 * i) + "@32";
    }
    return settings;
}

void writeLargestScript(benchmark::State& state) {
    const std::string path = temporaryPath("scriptgen_bench_largest.bat");
    const BenchmarkSettings prototype = largestScriptSettings(path);
    ScriptedMessageBoxes boxes;
    for (auto _ : state) {
        // From the second round on the file exists, as when the user generates
        // again; the overwrite question is answered Yes.
        boxes.shown.clear();
        boxes.answers.assign(1, msg::kYes);
        BenchmarkSettings settings = prototype;
        if (!writeBenchmarkScript(settings, boxes)) state.SkipWithError("script not written");
    }
    const auto bytes = static_cast<std::int64_t>(std::filesystem::file_size(path));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytes);
    state.counters["file_bytes"] = static_cast<double>(bytes);
    std::remove(path.c_str());
}
BENCHMARK(writeLargestScript)->Unit(benchmark::kMicrosecond);

void writeResultsPage(benchmark::State& state) {
    const std::string path = temporaryPath("scriptgen_bench_results.htm");
    ScriptedMessageBoxes boxes;
    for (auto _ : state) {
        if (!writeEmptyResultsPage(boxes, path)) state.SkipWithError("page not written");
    }
    std::remove(path.c_str());
}
BENCHMARK(writeResultsPage)->Unit(benchmark::kMicrosecond);
}  // namespace
