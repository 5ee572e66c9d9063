#include "settings/DemoConfig.h"

#include <array>
#include <cstddef>

namespace {
constexpr auto kMaxProjectNameBytes =
    static_cast<std::size_t>(BenchmarkSettings::kMaxProjectNameLength);

void skipBytes(TextReader& file, int count) {
    for (int i = 0; i < count; ++i) file.get();
}

std::string readProjectNameTail(TextReader& file) {
    std::array<char, kMaxProjectNameBytes + 1> buffer{};
    std::size_t stored = 0;
    // Read to the end even past the limit, as the demo's own reader does.
    for (int byte = file.get(); byte >= 0; byte = file.get()) {
        if (stored < kMaxProjectNameBytes) buffer[stored++] = static_cast<char>(byte);
    }
    return std::string(buffer.data());  // up to the first zero byte
}
}  // namespace

void readDemoConfig(TextReader& file, BenchmarkSettings& settings) {
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
    settings.projectName = readProjectNameTail(file);
    file.close();
}
