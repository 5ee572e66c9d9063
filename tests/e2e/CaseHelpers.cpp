#include "CaseHelpers.h"

#include <algorithm>
#include <filesystem>

#include "Expect.h"
#include "ModalBoxes.h"
#include "Screen.h"
#include "resource.h"

std::vector<std::string> expectedModeEntries() {
    // The bounds are the single-precision numbers nearest to 1.24 and 1.34.
    const double lower = static_cast<double>(1.24f);
    const double upper = static_cast<double>(1.34f);
    std::vector<std::string> entries;
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    for (DWORD number = 0; number < 512 && EnumDisplaySettingsA(nullptr, number, &mode); ++number) {
        const DWORD bits = mode.dmBitsPerPel;
        if (bits != 16 && bits != 24 && bits != 32) continue;
        if (mode.dmPelsHeight == 0) continue;
        const double ratio =
            static_cast<double>(mode.dmPelsWidth) / static_cast<double>(mode.dmPelsHeight);
        if (!(ratio > lower && ratio < upper)) continue;
        entries.push_back(std::to_string(mode.dmPelsWidth) + "x" +
                          std::to_string(mode.dmPelsHeight) + " pixels - " + std::to_string(bits) +
                          " bit");
    }
    return entries;
}

namespace {
bool holds(const std::vector<int>& numbers, int n) {
    return std::find(numbers.begin(), numbers.end(), n) != numbers.end();
}
}  // namespace

void expectScenes(const MainDialog& dialog, const std::vector<int>& checked,
                  const std::vector<int>& disabled, const std::string& when) {
    for (int scene = 1; scene <= 12; ++scene) {
        const std::string box = "scene " + std::to_string(scene) + " " + when;
        expect(dialog.isChecked(sceneBox(scene)) == holds(checked, scene),
               box + (holds(checked, scene) ? " is clear" : " is checked"));
        expect(dialog.isEnabled(sceneBox(scene)) != holds(disabled, scene),
               box + (holds(disabled, scene) ? " is enabled" : " is disabled"));
    }
}

void expectSwatchGray(const MainDialog& dialog, int swatchId, int gray, const std::string& when) {
    HWND swatch = dialog.item(swatchId);
    const auto level = static_cast<COLORREF>(gray);
    const COLORREF wanted = level | level << 8 | level << 16;  // RGB() trips -Wsign-conversion
    COLORREF shown = 0;
    // The swatch repaints after the program has handled the change.
    const bool matched = waitUntil(
        [&] {
            shown = pixelAtClientCentre(swatch);
            return shown == wanted;
        },
        Milliseconds{3000});
    if (!matched) {
        fail("swatch " + std::to_string(swatchId) + " " + when + " shows RGB(" +
             std::to_string(GetRValue(shown)) + "," + std::to_string(GetGValue(shown)) + "," +
             std::to_string(GetBValue(shown)) + "), expected gray " + std::to_string(gray));
    }
}

void expectDirectoryHolds(const std::string& directory, std::vector<std::string> names) {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        found.push_back(entry.path().filename().string());
    }
    std::sort(found.begin(), found.end());
    std::sort(names.begin(), names.end());
    auto joined = [](const std::vector<std::string>& list) {
        std::string text;
        for (const auto& name : list) text += (text.empty() ? "" : ", ") + name;
        return text;
    };
    expectEqual(joined(found), joined(names), "files in " + directory);
}

std::string demoConfig(int brightness, int savedIndex, const std::vector<int>& scenes,
                       const std::string& projectName) {
    std::string bytes;
    bytes += static_cast<char>(brightness);
    bytes += static_cast<char>(savedIndex);
    bytes += std::string(3, '\x01');
    for (int scene = 1; scene <= 12; ++scene) bytes += holds(scenes, scene) ? '\x01' : '\x00';
    bytes += '\x01';
    return bytes + projectName;
}

std::string argumentsOf(const std::string& commandLine) {
    std::size_t end = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        end = commandLine.find('"', 1);
        end = end == std::string::npos ? commandLine.size() : end + 1;
    } else {
        end = std::min(commandLine.find(' '), commandLine.size());
    }
    while (end < commandLine.size() && commandLine[end] == ' ') ++end;
    return commandLine.substr(end);
}

void saveShot(const CaseContext& context, HWND window, const std::string& name) {
    expect(waitUntilPainted(window, kReaction), "the window did not finish painting");
    const std::string path = context.shotsDirectory + "\\" + name + ".bmp";
    if (!saveScreenBitmap(path)) fail("cannot save the screenshot " + path);
}

int findEntry(const std::vector<std::string>& entries, const std::string& text) {
    const auto it = std::find(entries.begin(), entries.end(), text);
    return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
}

std::vector<std::string> tokensOf(const std::vector<std::string>& entries,
                                  const std::vector<int>& indices) {
    std::vector<int> sorted = indices;
    std::sort(sorted.begin(), sorted.end());
    std::vector<std::string> tokens;
    for (int index : sorted) {
        tokens.push_back(expected::tokenOf(entries.at(static_cast<std::size_t>(index))));
    }
    return tokens;
}

void generateScript(const MainDialog& dialog, bool categoryQuestion) {
    dialog.click(IDC_GENERATE_SCRIPT);
    if (categoryQuestion) {
        expectBoxAndAnswer(dialog, expected::kCategoryQuestion, kQuestionStyle, IDYES);
    }
    expectBoxAndAnswer(dialog, expected::kScriptSaved, kInformationStyle, IDOK);
    expectNoBox(dialog.program(), "after the success message");
}

void expectScript(const std::string& path, const expected::ScriptRun& run) {
    const auto bytes = readFileBytes(path);
    expect(bytes.has_value(), "no script file " + path);
    expectEqual(*bytes, expected::script(run), "script file");
}
