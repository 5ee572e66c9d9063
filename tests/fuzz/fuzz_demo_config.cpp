// Whatever the demo's settings file holds, the settings that come out of it stay
// within the ranges the rest of the program relies on.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fakes/FakeCodePages.h"
#include "settings/DemoConfig.h"

namespace fs = std::filesystem;

namespace {
constexpr std::size_t kMaxProjectName = 999;

// Memory-backed when the system has it: rewriting a file on disk costs
// milliseconds a run. One file per process, so parallel jobs do not share it.
const std::string& inputPath() {
    static const std::string path = [] {
        std::error_code error;
        const fs::path shm = "/dev/shm";
        const fs::path dir = fs::is_directory(shm, error) ? shm : fs::temp_directory_path();
        return (dir / ("fuzz_demo_config_" + std::to_string(getpid()) + ".cfg")).string();
    }();
    return path;
}

void writeInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(inputPath().c_str(), "wb");
    if (!file) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
    if (std::fclose(file) != 0) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    writeInput(data, size);
    static const FakeCodePages japanese = FakeCodePages::japanese();
    BenchmarkSettings settings;
    TextReader file(inputPath());
    if (!file.isOpen()) std::abort();
    readDemoConfig(file, settings, japanese);
    std::remove(inputPath().c_str());  // leave nothing behind, however the run ends

    const std::string& name = settings.projectName;
    if (name.size() > kMaxProjectName) std::abort();
    if (name.find('\0') != std::string::npos) std::abort();
    if (settings.brightness < 0 || settings.brightness > 255) std::abort();
    if (settings.savedResolutionIndex < 0 || settings.savedResolutionIndex > 255) std::abort();
    return 0;
}
