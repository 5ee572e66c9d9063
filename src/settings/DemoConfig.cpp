#include "settings/DemoConfig.h"

#include <array>
#include <cstddef>

namespace {
constexpr auto kMaxProjectNameBytes =
    static_cast<std::size_t>(BenchmarkSettings::kMaxProjectNameLength);

void skipBytes(TextReader& file, int count) {
    for (int i = 0; i < count; ++i) file.get();
}

// One byte past the limit is kept, to tell whether the last one that fits
// starts a character that does not.
std::string readProjectNameTail(TextReader& file, const CodePages& codePages) {
    std::array<char, kMaxProjectNameBytes + 2> buffer{};
    std::size_t stored = 0;
    // Read to the end even past the limit, as the demo's own reader does.
    for (int byte = file.get(); byte >= 0; byte = file.get()) {
        if (stored <= kMaxProjectNameBytes) buffer[stored++] = static_cast<char>(byte);
    }
    // Up to the first zero byte, then whole characters within the limit.
    return codePages.windowsTextWithin(std::string(buffer.data()), kMaxProjectNameBytes);
}
}  // namespace

void readDemoConfig(TextReader& file, BenchmarkSettings& settings, const CodePages& codePages) {
    int byte = file.get();
    if (byte >= 0) settings.brightness = byte;
    byte = file.get();
    if (byte >= 0) settings.savedResolutionIndex = byte;
    skipBytes(file, 3);  // demo-only settings
    for (int n = 1; n <= BenchmarkSettings::kSceneCount; ++n) {
        byte = file.get();
        if (byte >= 0) settings.scene(n) = static_cast<std::uint8_t>(byte);
    }
    skipBytes(file, 1);  // demo-only setting
    settings.projectName = readProjectNameTail(file, codePages);
    file.close();
}
