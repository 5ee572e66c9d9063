// "Generate script" and "Generate and run": the same preparation, then a
// success message or the start of the script.
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

}  // namespace

bool ScriptGenDialog::prepareBenchmarkScript() {
    // Enter in a name box leaves its focus there: take both names as shown.
    // Only the name boxes are read; a full save would copy the hidden edits'
    // old texts back into their members.
    projectNameText_ = window_->itemText(IDC_PROJECT_NAME);
    scriptNameText_ = window_->itemText(IDC_SCRIPT_NAME);
    settings_.projectName = projectNameText_;
    settings_.scriptName = scriptNameText_;

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
    return writeBenchmarkScript(settings_, *window_);
}

void ScriptGenDialog::generateScript() {
    if (prepareBenchmarkScript()) window_->tell("Script file saved\nsuccessfully.", msg::kInfo);
}

void ScriptGenDialog::OnOK() {
    // Quoted, so a name with blanks runs that script and not its first word.
    if (prepareBenchmarkScript()) services_.launcher.start("\"" + settings_.scriptName + "\"");
}
