// Any project name must reach the demo as typed (control characters as blanks)
// after the command interpreter has read the script's command line.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/CmdModel.h"
#include "script/BenchmarkScript.h"

namespace {
const std::string kToken = "640x480@16";
const std::string kBeforeName =
    "start /w rumo1.1a.exe -b -r 640x480@16 -f 1 -g 128 -s 1,2,3,4 -d 0 -n ";
const std::string kAfterName = "-" + kToken;

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    BenchmarkSettings settings;
    settings.projectName.assign(reinterpret_cast<const char*>(data), size);
    settings.resolutionCount = 1;
    settings.resolutionTokens[0] = kToken;

    const auto received = cmdmodel::programCommandLine(demoCommandLine(settings, 1));
    if (!received) std::abort();
    const std::string& line = *received;
    if (line.size() < kBeforeName.size() + kAfterName.size()) std::abort();
    if (!startsWith(line, kBeforeName) || !endsWith(line, kAfterName)) std::abort();
    const std::string name =
        line.substr(kBeforeName.size(), line.size() - kBeforeName.size() - kAfterName.size());
    if (name != cmdmodel::withControlsBlanked(settings.projectName)) std::abort();
    return 0;
}
