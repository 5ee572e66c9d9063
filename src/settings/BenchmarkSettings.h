// Every choice that outlives a single handler of the main dialog. The script
// writer reads nothing else. Each run starts from these values; nothing saves them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct BenchmarkSettings {
    static constexpr int kSceneCount = 12;
    static constexpr int kMaxResolutions = 1000;
    // The most of the project name that the program takes, from the demo's
    // settings file or the name box; longer names would also make the demo's
    // lines too long for the command interpreter.
    static constexpr int kMaxProjectNameLength = 999;

    std::int32_t brightness = 128;  // 0 to 255
    // Flags are bytes: 0 off, anything else on. Handlers store only 0 and 1.
    std::uint8_t fullscreen = 1;
    std::uint8_t automatic = 1;
    std::uint8_t windowedModeWarning = 1;
    std::array<std::uint8_t, kSceneCount> scenes{1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    std::uint8_t resultsAfterEach = 0;
    std::int32_t resolutionCount = 0;
    std::vector<std::string> resolutionTokens = std::vector<std::string>(kMaxResolutions);
    std::string scriptName = "SLscript.bat";
    std::string projectName = "(Enter the name of your project here)";
    std::int32_t savedResolutionIndex = 0;
    std::string installationPath;  // at most 256 characters once looked up

    // Scene n is 1 to 12.
    std::uint8_t& scene(int n) { return scenes[static_cast<std::size_t>(n - 1)]; }
    bool sceneSelected(int n) const { return scenes[static_cast<std::size_t>(n - 1)] != 0; }
};

// The one record of the process.
extern BenchmarkSettings theBenchmarkSettings;
