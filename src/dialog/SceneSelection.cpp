// The scene boxes and the three option switches. Every box is an automatic
// check box: its mark has already changed when the handler runs, so a handler
// flips the flag and sets the member to it without reading the box.
#include "dialog/ScriptGenDialog.h"
#include "platform/Notifications.h"
#include "resource.h"
#include "settings/SceneCategories.h"

namespace {

int sceneBoxId(int scene) { return IDC_SCENE1 + scene - 1; }

void flip(std::uint8_t& flag, int& member) {
    flag = flag != 0 ? 0 : 1;
    member = flag;
}

constexpr char kWindowedModeWarning[] =
    "Warning: windowed mode will force the\nprogram to run at desktop color depth.\n"
    "This option may result in unaccurate\nperformance testing and thus is not\n"
    "recommended.\nProceed?";

}  // namespace

void ScriptGenDialog::onSceneClicked(int scene) {
    flip(settings_.scene(scene), sceneChecks_[std::size_t(scene - 1)]);
    const SceneCategory& category = categoryOfScene(scene);
    const int required = category.requiredScene;
    if (scene == required) return;

    if (settings_.sceneSelected(scene)) {
        settings_.scene(required) = 1;
        sceneChecks_[std::size_t(required - 1)] = 1;
        updateData(false);
        window_->enableItem(sceneBoxId(required), false);
        return;
    }
    const int other = category.dependentScenes[0] == scene ? category.dependentScenes[1]
                                                           : category.dependentScenes[0];
    if (!settings_.sceneSelected(other)) window_->enableItem(sceneBoxId(required), true);
}

void ScriptGenDialog::setRequiredScenesEnabled(bool enable) {
    for (const SceneCategory& category : kSceneCategories)
        window_->enableItem(sceneBoxId(category.requiredScene), enable);
}

void ScriptGenDialog::selectAllTests() {
    settings_.scenes.fill(1);
    sceneChecks_.fill(1);
    setRequiredScenesEnabled(false);
    updateData(false);
}

void ScriptGenDialog::clearAllTests() {
    settings_.scenes.fill(0);
    sceneChecks_.fill(0);
    setRequiredScenesEnabled(true);
    updateData(false);
}

void ScriptGenDialog::lockRequiredScenes() {
    for (const SceneCategory& category : kSceneCategories) {
        if (settings_.sceneSelected(category.dependentScenes[0]) ||
            settings_.sceneSelected(category.dependentScenes[1]))
            window_->enableItem(sceneBoxId(category.requiredScene), false);
    }
}

void ScriptGenDialog::onFullscreenClicked() {
    flip(settings_.fullscreen, fullscreenCheck_);
    if (settings_.fullscreen != 0 || settings_.windowedModeWarning == 0) return;
    if (window_->tell(kWindowedModeWarning, msg::kQuestion) == msg::kYes) {
        settings_.windowedModeWarning = 0;
        return;
    }
    settings_.fullscreen = 1;
    fullscreenCheck_ = 1;
    updateData(false);
}

void ScriptGenDialog::onAutomaticClicked() { flip(settings_.automatic, automaticCheck_); }

void ScriptGenDialog::onResultsAfterEachClicked() {
    flip(settings_.resultsAfterEach, resultsAfterEachCheck_);
}
