// Any project name must reach the demo as typed (what cannot stand on a batch
// line as blanks) after the command interpreter has read the script's command
// line, on Western European and on Japanese Windows.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fakes/FakeCodePages.h"
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

void expectReachesTheDemo(const BenchmarkSettings& settings, const CodePages& codePages) {
    const ScriptReader reader{BatchInterpreter::kCmd, codePages};
    const auto received =
        cmdmodel::programCommandLine(demoCommandLine(settings, 1, reader), codePages);
    if (!received) std::abort();
    const std::string& line = *received;
    if (line.size() < kBeforeName.size() + kAfterName.size()) std::abort();
    if (!startsWith(line, kBeforeName) || !endsWith(line, kAfterName)) std::abort();
    const std::string name =
        line.substr(kBeforeName.size(), line.size() - kBeforeName.size() - kAfterName.size());
    if (name != cmdmodel::typedName(settings.projectName, codePages)) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FakeCodePages western = FakeCodePages::westernEuropean();
    static const FakeCodePages japanese = FakeCodePages::japanese();
    BenchmarkSettings settings;
    settings.projectName.assign(reinterpret_cast<const char*>(data), size);
    settings.resolutionCount = 1;
    settings.resolutionTokens[0] = kToken;
    expectReachesTheDemo(settings, western);
    expectReachesTheDemo(settings, japanese);
    return 0;
}
