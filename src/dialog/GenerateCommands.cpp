// "Generate script" and "Generate and run": the same preparation, then a
// success message or the start of the script.
#include "common/FormatDecimal.h"
#include "common/NameInMessage.h"
#include "dialog/ScriptGenDialog.h"
#include "resource.h"
#include "script/BenchmarkScript.h"
#include "settings/SceneCategories.h"

namespace {

bool anySceneSelected(const BenchmarkSettings& settings) {
    for (int n = 1; n <= BenchmarkSettings::kSceneCount; ++n)
        if (settings.sceneSelected(n)) return true;
    return false;
}

int coveredCategories(const BenchmarkSettings& settings) {
    int covered = 0;
    for (const SceneCategory& category : kSceneCategories) {
        if (settings.sceneSelected(category.requiredScene) ||
            settings.sceneSelected(category.dependentScenes[0]) ||
            settings.sceneSelected(category.dependentScenes[1]))
            ++covered;
    }
    return covered;
}

static_assert(BenchmarkSettings::kMaxProjectNameLength == 999 && kCommandComLineLimit == 127,
              "the question below spells both numbers out");

// Neither the code pages nor COMMAND.COM carry every name as typed, and the
// box may hold more than the demo takes: the user sees what the demo will get
// instead before anything is written.
bool userDeclinesChangedName(const BenchmarkSettings& settings,
                             const std::optional<std::u16string>& typed, bool boxTextCut,
                             const ScriptReader& reader, MessageBoxes& boxes) {
    const CodePages& codePages = reader.codePages;
    const DemoLineName name = demoLineName(settings, reader);
    const bool converted = codePagesChangeName(typed, settings.projectName, codePages);
    // COMMAND.COM's cut, when there is one, is the one that counts.
    boxTextCut = boxTextCut && !name.cut;
    if (!converted && !name.redirectionsBlanked && !name.cut && !boxTextCut) return false;
    std::string question;
    if (converted)
        question +=
            "Windows passes the project name to the demo in its code pages, which lack some of "
            "its characters: the demo gets others in their place.\n";
    if (boxTextCut) {
        question +=
            "The demo takes at most 999 bytes of a project name: the script keeps its first ";
        question += formatDecimal(codePages.windowsCharacterCount(settings.projectName));
        question += " characters.\n";
    }
    if (name.redirectionsBlanked)
        question +=
            "Windows 95, 98 and ME cannot pass | < > to the demo: the script writes them as "
            "blanks.\n";
    if (name.cut) {
        question +=
            "Windows 95, 98 and ME read at most 127 characters of a script line: the "
            "script keeps the first ";
        question += formatDecimal(name.keptCharacters);
        question += " characters of the project name.\n";
    }
    question += textWithName("The demo will get the project name\n'",
                             codePages.consoleToWindows(name.received), "'\nProceed?", codePages);
    return boxes.tell(question, msg::kQuestion) == msg::kNo;
}

}  // namespace

bool ScriptGenDialog::prepareBenchmarkScript(BatchInterpreter interpreter) {
    // Enter in a name box leaves its focus there: take both names as shown.
    // Only the name boxes are read; a full save would copy the hidden edits'
    // old texts back into their members.
    const std::string projectBoxText = window_->itemText(IDC_PROJECT_NAME);
    takeProjectName(projectBoxText);
    const bool projectNameCut = settings_.projectName.size() < projectBoxText.size();
    const std::optional<std::u16string> typedName = window_->unicodeItemText(IDC_PROJECT_NAME);
    scriptNameText_ = window_->itemText(IDC_SCRIPT_NAME);
    settings_.scriptName = scriptNameText_;
    const std::optional<std::u16string> typedScript = window_->unicodeItemText(IDC_SCRIPT_NAME);

    if (!anySceneSelected(settings_)) {
        window_->tell("Please select at least\none test to run.", msg::kStop);
        return false;
    }
    if (coveredCategories(settings_) < 4 &&
        window_->tell("Please select at least one test\nfor each category or no global\n"
                      "SLMark will be available.\nProceed?",
                      msg::kQuestion) == msg::kNo)
        return false;
    gatherSelectedResolutions();
    const ScriptReader reader{interpreter, services_.codePages};
    if (userDeclinesChangedName(settings_, typedName, projectNameCut, reader, *window_))
        return false;
    WriteReporter reporter = writeReporter();
    return writeBenchmarkScript(settings_, reporter, reader,
                                typedScript && services_.codePages.windowsChanges(*typedScript));
}

void ScriptGenDialog::generateScript() {
    if (prepareBenchmarkScript(services_.scriptHost.interpreter()))
        window_->tell("Script file saved\nsuccessfully.", msg::kInfo);
}

void ScriptGenDialog::OnOK() {
    const BatchInterpreter interpreter = services_.scriptHost.interpreter();
    if (!prepareBenchmarkScript(interpreter)) return;
    // COMMAND.COM is started with the short name unquoted; otherwise quoted,
    // so a name with blanks runs that script and not its first word.
    const std::string shortName = interpreter == BatchInterpreter::kCommandCom
                                      ? services_.scriptHost.shortName(settings_.scriptName)
                                      : std::string();
    services_.launcher.start(shortName.empty() ? "\"" + settings_.scriptName + "\"" : shortName);
}
