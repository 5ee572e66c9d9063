#include <cstdio>

#include "common/NameInMessage.h"
#include "common/TextFile.h"
#include "script/BenchmarkScript.h"
#include "script/ScriptFileName.h"

namespace {
constexpr char kBatExtension[] = ".bat";
constexpr std::size_t kBatExtensionLength = 4;
constexpr char kCouldNotWrite[] = "Couldn't write to file.";

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The last four characters against ".bat", ignoring case. Comparing the last
// four bytes with ASCII case folding gives the same answer in every Windows
// code page: no character outside ASCII folds to ".", "b", "a" or "t", and no
// second byte of a two-byte character is a "." (they start at 0x40), so a
// tail that matches is four whole characters.
bool endsWithBatExtension(const std::string& name) {
    if (name.size() < kBatExtensionLength) return false;
    for (std::size_t i = 0; i < kBatExtensionLength; ++i) {
        if (asciiLower(name[name.size() - kBatExtensionLength + i]) != kBatExtension[i])
            return false;
    }
    return true;
}

bool userDeclinesOverwrite(const std::string& scriptName, MessageBoxes& boxes,
                           const CodePages& codePages) {
    const std::string question = textWithName(
        "Warning: '", scriptName, "'\nfile already exists.\nOverwrite existing file?", codePages);
    return boxes.tell(question, msg::kQuestion) == msg::kNo;
}

bool writeScriptFile(const std::string& scriptName, const BenchmarkSettings& settings,
                     WriteReporter& reporter, const ScriptReader& reader, bool changedByCodePage) {
    const std::string refusal = scriptNameRefusal(scriptName, reader.codePages, changedByCodePage);
    if (!refusal.empty()) {
        reporter.tellRefused(kCouldNotWrite, refusal);
        return false;
    }
    if (canOpenForReading(scriptName) &&
        userDeclinesOverwrite(scriptName, reporter.boxes(), reader.codePages))
        return false;
    TextWriter file(scriptName);
    if (!file.isOpen()) {
        reporter.tellFailed(kCouldNotWrite, scriptName, file.failure());
        return false;
    }
    writeBenchmarkScriptText(file, settings, reader);
    if (!file.close()) {
        // A half-written script (a full disk) would run a wrong series of tests.
        reporter.tellFailed(kCouldNotWrite, scriptName, file.failure());
        std::remove(scriptName.c_str());
        return false;
    }
    return true;
}
}  // namespace

void applyBatExtensionRule(std::string& scriptName) {
    if (!endsWithBatExtension(scriptName)) scriptName += kBatExtension;
}

bool writeBenchmarkScript(BenchmarkSettings& settings, WriteReporter& reporter,
                          const ScriptReader& reader, bool nameChangedByCodePage) {
    applyBatExtensionRule(settings.scriptName);
    const std::string scriptName = settings.scriptName;
    const bool written =
        writeScriptFile(scriptName, settings, reporter, reader, nameChangedByCodePage);
    // A message box takes the focus, and the name box's focus loss then stores
    // the name as typed, without ".bat": the record keeps the name asked about
    // and written, which is the one "Generate and run" starts.
    settings.scriptName = scriptName;
    return written;
}
