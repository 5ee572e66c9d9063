#include <cstdio>

#include "common/CodePage.h"
#include "common/TextFile.h"
#include "script/BenchmarkScript.h"

namespace {
constexpr char kBatExtension[] = ".bat";
constexpr std::size_t kBatExtensionLength = 4;
constexpr char kCouldNotWrite[] = "Couldn't write to file.";

bool userDeclinesOverwrite(const std::string& scriptName, MessageBoxes& boxes) {
    const std::string question =
        "Warning: '" + scriptName + "'\nfile already exists.\nOverwrite existing file?";
    return boxes.tell(question, msg::kQuestion) == msg::kNo;
}

bool writeScriptFile(const std::string& scriptName, const BenchmarkSettings& settings,
                     MessageBoxes& boxes, BatchInterpreter interpreter) {
    if (canOpenForReading(scriptName) && userDeclinesOverwrite(scriptName, boxes)) return false;
    TextWriter file(scriptName);
    if (!file.isOpen()) {
        boxes.tell(kCouldNotWrite, msg::kStop);
        return false;
    }
    writeBenchmarkScriptText(file, settings, interpreter);
    if (!file.close()) {
        // A half-written script (a full disk) would run a wrong series of tests.
        boxes.tell(kCouldNotWrite, msg::kStop);
        std::remove(scriptName.c_str());
        return false;
    }
    return true;
}
}  // namespace

void applyBatExtensionRule(std::string& scriptName) {
    const std::size_t tailStart =
        scriptName.size() > kBatExtensionLength ? scriptName.size() - kBatExtensionLength : 0;
    if (!equalsIgnoringCaseInCodePage(scriptName.substr(tailStart), kBatExtension))
        scriptName += kBatExtension;
}

bool writeBenchmarkScript(BenchmarkSettings& settings, MessageBoxes& boxes,
                          BatchInterpreter interpreter) {
    applyBatExtensionRule(settings.scriptName);
    const std::string scriptName = settings.scriptName;
    const bool written = writeScriptFile(scriptName, settings, boxes, interpreter);
    // A message box takes the focus, and the name box's focus loss then stores
    // the name as typed, without ".bat": the record keeps the name asked about
    // and written, which is the one "Generate and run" starts.
    settings.scriptName = scriptName;
    return written;
}
