#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/TextFile.h"
#include "fakes/FakeCodePages.h"
#include "fakes/FakeServices.h"
#include "settings/BenchmarkSettings.h"
#include "settings/DemoConfig.h"

namespace fs = std::filesystem;

namespace {
using Scenes = std::array<std::uint8_t, 12>;
const Scenes kDefaultScenes{1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0};
const std::string kDefaultName = "(Enter the name of your project here)";

// The 18 bytes before the project name: brightness, saved index, three demo
// bytes, twelve scene flags, one demo byte.
std::string header(int brightness, int savedIndex, const Scenes& scenes) {
    std::string bytes{static_cast<char>(brightness), static_cast<char>(savedIndex), 'x', 'y', 'z'};
    for (std::uint8_t flag : scenes) bytes += static_cast<char>(flag);
    return bytes + 'w';
}

const Scenes kFileScenes{0, 2, 1, 0, 1, 1, 0, 255, 1, 0, 1, 3};

BenchmarkSettings readFrom(const std::string& path, BenchmarkSettings settings = {},
                           const CodePages& codePages = FakeCodePages::westernEuropean()) {
    TextReader file(path);
    readDemoConfig(file, settings, codePages);
    EXPECT_FALSE(file.isOpen()) << "the file is closed before returning";
    return settings;
}
}  // namespace

TEST(ReadDemoConfig, TakesTheBytesThatArrive) {
    struct Case {
        const char* what;
        std::string file;
        int brightness;
        int savedIndex;
        Scenes scenes;
        std::string projectName;
    };
    const std::string full = header(200, 7, kFileScenes);
    const Case cases[] = {
        {"empty file: only the name changes", "", 128, 0, kDefaultScenes, ""},
        {"one byte", "\x05", 5, 0, kDefaultScenes, ""},
        {"10 bytes: scenes 1 to 5", full.substr(0, 10), 200, 7,
         Scenes{0, 2, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0}, ""},
        {"17 bytes: the last demo byte missing", full.substr(0, 17), 200, 7, kFileScenes, ""},
        {"exactly 18 bytes", full, 200, 7, kFileScenes, ""},
        {"name follows", full + "My project", 200, 7, kFileScenes, "My project"},
        {"CR LF in the name arrives as LF", full + "a\r\nb", 200, 7, kFileScenes, "a\nb"},
        {"lone CR in the name stays", full + "a\rb", 200, 7, kFileScenes, "a\rb"},
        {"zero byte ends the name", full + std::string("ab \ncd\0ef", 9), 200, 7, kFileScenes,
         "ab \ncd"},
        {"byte 26 ends the name",
         full + "ab\x1a"
                "cd",
         200, 7, kFileScenes, "ab"},
        {"high bytes belong to the name", full + "\xe9t\xe9", 200, 7, kFileScenes, "\xe9t\xe9"},
        {"byte 26 first ends everything", "\x1a" + full.substr(1) + "name", 128, 0, kDefaultScenes,
         ""},
        {"byte 26 as a scene flag ends the file there",
         full.substr(0, 6) + "\x1a" + full.substr(7) + "name", 200, 7,
         Scenes{0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0}, ""},
        {"CR LF in the header counts as one byte", "\r\n\x03", 10, 3, kDefaultScenes, ""},
        {"byte 255 is a value, not the end", "\xff\xff", 255, 255, kDefaultScenes, ""},
    };
    ScratchDirectory dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = dir.file("rumo11.cfg");
        std::ofstream(path, std::ios::binary) << c.file;
        const BenchmarkSettings settings = readFrom(path);
        EXPECT_EQ(settings.brightness, c.brightness);
        EXPECT_EQ(settings.savedResolutionIndex, c.savedIndex);
        EXPECT_EQ(settings.scenes, c.scenes);
        EXPECT_EQ(settings.projectName, c.projectName);
    }
}

// At most 999 bytes, and on Japanese Windows never the first half of a
// two-byte character (ポ is 83 7C).
TEST(ReadDemoConfig, KeepsTheFirst999BytesOfALongNameInWholeCharacters) {
    const FakeCodePages western = FakeCodePages::westernEuropean();
    const FakeCodePages japanese = FakeCodePages::japanese();
    const auto letters = [](std::size_t length) {
        std::string text;
        for (std::size_t i = 0; i < length; ++i) text += static_cast<char>('a' + i % 26);
        return text;
    };
    const auto po = [](std::size_t count) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i) text += "\x83\x7c";
        return text;
    };
    const struct {
        const CodePages& codePages;
        std::string tail;
        std::string name;
    } cases[] = {
        {western, letters(998), letters(998)},    {western, letters(999), letters(999)},
        {western, letters(1000), letters(999)},   {western, letters(5000), letters(999)},
        {western, po(600), po(499) + "\x83"},     {japanese, po(600), po(499)},
        {japanese, "a" + po(600), "a" + po(499)}, {japanese, po(499) + "\x83", po(499) + "\x83"},
    };
    ScratchDirectory dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tail.size());
        const std::string path = dir.file("rumo11.cfg");
        std::ofstream(path, std::ios::binary) << header(1, 2, kFileScenes) << c.tail;
        EXPECT_EQ(readFrom(path, {}, c.codePages).projectName, c.name);
    }
}

TEST(ReadDemoConfig, ChangesNothingButItsFourFields) {
    ScratchDirectory dir;
    const std::string path = dir.file("rumo11.cfg");
    std::ofstream(path, std::ios::binary) << "\x09";
    BenchmarkSettings before;
    before.fullscreen = 0;
    before.automatic = 0;
    before.windowedModeWarning = 0;
    before.resultsAfterEach = 1;
    before.savedResolutionIndex = 42;
    before.scenes.fill(9);
    before.scriptName = "other.bat";
    before.resolutionCount = 2;
    before.resolutionTokens[0] = "640x480@16";
    before.installationPath = "C:\\Demo";

    const BenchmarkSettings after = readFrom(path, before);
    EXPECT_EQ(after.brightness, 9);
    EXPECT_EQ(after.savedResolutionIndex, 42);
    EXPECT_EQ(after.scenes, before.scenes) << "flags without a byte keep any value";
    EXPECT_EQ(after.projectName, "");
    EXPECT_EQ(after.fullscreen, 0);
    EXPECT_EQ(after.automatic, 0);
    EXPECT_EQ(after.windowedModeWarning, 0);
    EXPECT_EQ(after.resultsAfterEach, 1);
    EXPECT_EQ(after.scriptName, "other.bat");
    EXPECT_EQ(after.resolutionCount, 2);
    EXPECT_EQ(after.resolutionTokens[0], "640x480@16");
    EXPECT_EQ(after.installationPath, "C:\\Demo");
}

TEST(ReadDemoConfig, DefaultsAreWhatTheDialogStartsWithoutAFile) {
    const BenchmarkSettings settings;
    EXPECT_EQ(settings.brightness, 128);
    EXPECT_EQ(settings.scenes, kDefaultScenes);
    EXPECT_EQ(settings.projectName, kDefaultName);
    EXPECT_EQ(settings.fullscreen, 1);
    EXPECT_EQ(settings.automatic, 1);
    EXPECT_EQ(settings.resultsAfterEach, 0);
}

TEST(ReadDemoConfig, UnopenedFileEmptiesOnlyTheName) {
    // The caller skips the call when the file does not open; should it not,
    // nothing but the name may change.
    ScratchDirectory dir;
    TextReader file(dir.file("absent.cfg"));
    BenchmarkSettings settings;
    readDemoConfig(file, settings, FakeCodePages::westernEuropean());
    EXPECT_EQ(settings.brightness, 128);
    EXPECT_EQ(settings.scenes, kDefaultScenes);
    EXPECT_EQ(settings.projectName, "");
}
