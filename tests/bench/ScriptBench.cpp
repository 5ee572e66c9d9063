// How long the program takes to write its largest script and its results page,
// and how the script compares with one plain write of the same bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>

#include "fakes/FakeCodePages.h"
#include "fakes/FakeServices.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "results/ResultsPage.h"
#include "script/BenchmarkScript.h"

namespace {
constexpr int kLargestResolutionCount = 512;
constexpr std::size_t kLongestProjectName = 999;
const FakeCodePages kWestern = FakeCodePages::westernEuropean();
const ScriptReader kCmdOnWesternWindows{BatchInterpreter::kCmd, kWestern};

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
    FakeWriteFailures failures;
    FakeAdministratorRights rights;
    WriteReporter reporter{boxes, failures, rights, kWestern};
    for (auto _ : state) {
        // From the second round on the file exists, as when the user generates
        // again; the overwrite question is answered Yes.
        boxes.shown.clear();
        boxes.answers.assign(1, msg::kYes);
        BenchmarkSettings settings = prototype;
        if (!writeBenchmarkScript(settings, reporter, kCmdOnWesternWindows))
            state.SkipWithError("script not written");
    }
    const auto bytes = static_cast<std::int64_t>(std::filesystem::file_size(path));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytes);
    state.counters["file_bytes"] = static_cast<double>(bytes);
    std::remove(path.c_str());
}
BENCHMARK(writeLargestScript)->Unit(benchmark::kMicrosecond);

std::string largestScriptBytes() {
    const std::string path = temporaryPath("scriptgen_bench_bytes.bat");
    BenchmarkSettings settings = largestScriptSettings(path);
    ScriptedMessageBoxes boxes;
    FakeWriteFailures failures;
    FakeAdministratorRights rights;
    WriteReporter reporter{boxes, failures, rights, kWestern};
    writeBenchmarkScript(settings, reporter, kCmdOnWesternWindows);
    std::ifstream file(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::remove(path.c_str());
    return bytes;
}

// The floor for the script writer: the same bytes, made beforehand, in one
// write to an existing file in the same folder.
void plainWriteOfTheSameBytes(benchmark::State& state) {
    const std::string path = temporaryPath("scriptgen_bench_plain.bat");
    const std::string bytes = largestScriptBytes();
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
            state.SkipWithError("plain write failed");
        if (file) std::fclose(file);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
    std::remove(path.c_str());
}
BENCHMARK(plainWriteOfTheSameBytes)->Unit(benchmark::kMicrosecond);

void writeResultsPage(benchmark::State& state) {
    const std::string path = temporaryPath("scriptgen_bench_results.htm");
    ScriptedMessageBoxes boxes;
    FakeWriteFailures failures;
    FakeAdministratorRights rights;
    WriteReporter reporter{boxes, failures, rights, kWestern};
    for (auto _ : state) {
        if (!writeEmptyResultsPage(reporter, path)) state.SkipWithError("page not written");
    }
    std::remove(path.c_str());
}
BENCHMARK(writeResultsPage)->Unit(benchmark::kMicrosecond);

// The report that the library's own flags choose (--benchmark_format and the
// rest), plus the script writer's time as a multiple of the plain write's, both
// from this one run: on the console after the table, elsewhere on standard
// error, so that JSON or CSV output stays whole.
// A run that stopped with an error: error_occurred up to Google Benchmark 1.7, skipped from 1.8 on.
template <typename Run>
auto stoppedWithError(const Run& run, int) -> decltype(static_cast<bool>(run.error_occurred)) {
    return run.error_occurred;
}
template <typename Run>
bool stoppedWithError(const Run& run, long) {
    return static_cast<bool>(run.skipped);
}

class RatioReporter : public benchmark::BenchmarkReporter {
   public:
    RatioReporter() : display_(benchmark::CreateDefaultDisplayReporter()) {}
    bool ReportContext(const Context& context) override { return display_->ReportContext(context); }
    void ReportRuns(const std::vector<Run>& runs) override {
        display_->ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !stoppedWithError(run, 0))
                wallTimes_[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }
    void Finalize() override {
        display_->Finalize();
        const auto script = wallTimes_.find("writeLargestScript");
        const auto plain = wallTimes_.find("plainWriteOfTheSameBytes");
        if (script == wallTimes_.end() || plain == wallTimes_.end() || plain->second <= 0) return;
        const bool console = dynamic_cast<benchmark::ConsoleReporter*>(display_.get()) != nullptr;
        std::fprintf(console ? stdout : stderr,
                     "writeLargestScript / plainWriteOfTheSameBytes (wall time): %.2f\n",
                     script->second / plain->second);
    }

   private:
    std::unique_ptr<benchmark::BenchmarkReporter> display_;
    std::map<std::string, double> wallTimes_;
};
}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
