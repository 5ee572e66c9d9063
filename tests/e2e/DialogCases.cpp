// The dialog's own behaviour: scene rules, the option switches and the
// windowed-mode warning, the brightness slider and its swatches.
#include <windows.h>
// The trackbar request codes need windows.h first.
#include <commctrl.h>

#include "CaseHelpers.h"
#include "E2eCases.h"
#include "Expect.h"
#include "ModalBoxes.h"
#include "resource.h"

namespace {
// One click and the scene boxes it must leave: checked scenes, disabled boxes.
struct SceneStep {
    int control;
    std::vector<int> checked;
    std::vector<int> disabled;
};

std::string controlName(int control) {
    if (control == IDC_SELECT_ALL) return "Select All Tests";
    if (control == IDC_CLEAR_ALL) return "Clear All Tests";
    return "scene " + std::to_string(control - 1030);
}

void runSceneSteps(const CaseContext& context, const StartFiles& files,
                   const std::vector<int>& startChecked, const std::vector<int>& startDisabled,
                   const std::vector<SceneStep>& steps) {
    Session session(context, files);
    const MainDialog& dialog = session.dialog();
    expectScenes(dialog, startChecked, startDisabled, "at start");
    for (std::size_t i = 0; i < steps.size(); ++i) {
        dialog.click(steps[i].control);
        expectNoBox(session.program(), "after a scene click");
        expectScenes(
            dialog, steps[i].checked, steps[i].disabled,
            "after step " + std::to_string(i + 1) + " (" + controlName(steps[i].control) + ")");
    }
    session.closeWithCancel();
}

// Every transition of the CPU/FPU category (2 required, 7 and 8 dependent).
void cpuFpuStateTable(const CaseContext& context) {
    runSceneSteps(context, {}, {1, 2, 3, 4}, {},
                  {
                      {IDC_CLEAR_ALL, {}, {}},
                      {sceneBox(7), {2, 7}, {2}},
                      {sceneBox(8), {2, 7, 8}, {2}},
                      {sceneBox(7), {2, 8}, {2}},
                      {sceneBox(8), {2}, {}},
                      {sceneBox(2), {}, {}},
                      {sceneBox(2), {2}, {}},
                      {sceneBox(8), {2, 8}, {2}},
                      {sceneBox(7), {2, 7, 8}, {2}},
                      {sceneBox(8), {2, 7}, {2}},
                      {sceneBox(7), {2}, {}},
                  });
}

// A dependent scene selects its own required scene and touches no other category.
void dependentsSelectTheirRequiredScene(const CaseContext& context) {
    runSceneSteps(context, {}, {1, 2, 3, 4}, {},
                  {
                      {IDC_CLEAR_ALL, {}, {}},
                      {sceneBox(5), {3, 5}, {3}},
                      {sceneBox(9), {1, 3, 5, 9}, {1, 3}},
                      {sceneBox(10), {1, 3, 4, 5, 9, 10}, {1, 3, 4}},
                      {sceneBox(12), {1, 3, 4, 5, 9, 10, 12}, {1, 3, 4}},
                      {sceneBox(11), {1, 3, 4, 5, 9, 10, 11, 12}, {1, 3, 4}},
                      {sceneBox(6), {1, 3, 4, 5, 6, 9, 10, 11, 12}, {1, 3, 4}},
                      {sceneBox(8), {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12}, {1, 2, 3, 4}},
                      {sceneBox(5), {1, 2, 3, 4, 6, 8, 9, 10, 11, 12}, {1, 2, 3, 4}},
                      {sceneBox(6), {1, 2, 3, 4, 8, 9, 10, 11, 12}, {1, 2, 4}},
                  });
}

void selectAllThenClearAll(const CaseContext& context) {
    runSceneSteps(context, {}, {1, 2, 3, 4}, {},
                  {
                      {IDC_SELECT_ALL, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {1, 2, 3, 4}},
                      {IDC_CLEAR_ALL, {}, {}},
                      {sceneBox(1), {1}, {}},
                      {sceneBox(3), {1, 3}, {}},
                      {IDC_CLEAR_ALL, {}, {}},
                  });
}

// rumo11.cfg may select dependent scenes without their required scene.
void requiredSceneLockedFromDemoConfig(const CaseContext& context) {
    StartFiles files;
    files.demoConfig = demoConfig(128, 0, {2, 3, 4, 9, 12}, "Rig");
    runSceneSteps(context, files, {2, 3, 4, 9, 12}, {1},
                  {
                      {sceneBox(9), {2, 3, 4, 12}, {1}},
                      {sceneBox(12), {2, 3, 4}, {}},
                      {sceneBox(9), {1, 2, 3, 4, 9}, {1}},
                  });
}

void windowedWarningNoThenYes(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    dialog.click(IDC_FULLSCREEN);
    expectBoxAndAnswer(dialog, expected::kWindowedWarning, kQuestionStyle, IDNO);
    expectNoBox(session.program(), "after No to the windowed-mode warning");
    expect(dialog.isChecked(IDC_FULLSCREEN), "fullscreen stays off after No");
    dialog.click(IDC_FULLSCREEN);
    expectBoxAndAnswer(dialog, expected::kWindowedWarning, kQuestionStyle, IDYES);
    expectNoBox(session.program(), "after Yes to the windowed-mode warning");
    expect(!dialog.isChecked(IDC_FULLSCREEN), "fullscreen is on again after Yes");
    dialog.click(IDC_FULLSCREEN);
    expectNoBox(session.program(), "when fullscreen is switched on");
    expect(dialog.isChecked(IDC_FULLSCREEN), "fullscreen did not switch on");
    dialog.click(IDC_FULLSCREEN);
    expectNoBox(session.program(), "when fullscreen is switched off a second time");
    expect(!dialog.isChecked(IDC_FULLSCREEN), "fullscreen did not switch off");
    generateScript(dialog);
    expected::ScriptRun run;
    run.tokens = {expected::tokenOf(dialog.listText(0))};
    run.fullscreen = false;
    expectScript(session.file("SLscript.bat"), run);
    session.closeWithCancel();
}

void optionSwitchesReachTheScript(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    dialog.click(IDC_AUTOMATIC);
    dialog.click(IDC_RESULTS_EACH);
    expectNoBox(session.program(), "after the option clicks");
    expect(!dialog.isChecked(IDC_AUTOMATIC), "automatic did not switch off");
    expect(dialog.isChecked(IDC_RESULTS_EACH), "results after each test did not switch on");
    generateScript(dialog);
    expected::ScriptRun run;
    run.tokens = {expected::tokenOf(dialog.listText(0))};
    run.automatic = false;
    run.resultsAfterEach = true;
    expectScript(session.file("SLscript.bat"), run);
    session.closeWithCancel();
}

// The caret entry's text reaches the hidden edit at the next load of the controls.
void selectionChangeReachesHiddenText(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    const auto entries = dialog.listTexts();
    expect(entries.size() >= 4, "the list has fewer than four entries");
    dialog.selectEntries({1, 3});
    expectEqual(dialog.text(IDC_CURRENT_RESOLUTION), "", "hidden resolution text before a load");
    dialog.click(IDC_CLEAR_ALL);
    expectEqual(dialog.text(IDC_CURRENT_RESOLUTION), entries[3],
                "hidden resolution text after a load");
    expect(!dialog.listSelected(0) && dialog.listSelected(1) && dialog.listSelected(3),
           "a load changed the list selection");
    session.closeWithCancel();
}

// One slider request and the brightness it must leave.
struct SliderStep {
    int requestCode;
    int position;
    int brightness;
};

void sliderRequestsSetBrightness(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    const std::vector<SliderStep> steps{
        {TB_LINEDOWN, 0, 129},
        {TB_LINEUP, 0, 128},
        {TB_PAGEDOWN, 0, 179},
        {TB_PAGEUP, 0, 128},
        {TB_THUMBTRACK, 200, 200},
        {TB_THUMBPOSITION, 10, 200},
        {TB_TOP, 0, 0},
        {TB_BOTTOM, 0, 255},
        {TB_ENDTRACK, 0, 255},
        {TB_THUMBTRACK, 220, 220},
        {TB_PAGEDOWN, 0, 255},
        {TB_LINEDOWN, 0, 255},
    };
    for (const SliderStep& step : steps) {
        dialog.scroll(step.requestCode, step.position);
        expectSwatchGray(dialog, IDC_GRAY_SWATCH, expected::grayLevelFor(step.brightness),
                         "after request " + std::to_string(step.requestCode));
        expectSwatchGray(dialog, IDC_BLACK_SWATCH, 0, "beside it");
    }
    saveShot(context, dialog.window(), "e2e-slider-255");
    generateScript(dialog);
    expected::ScriptRun run;
    run.tokens = {expected::tokenOf(dialog.listText(0))};
    run.brightness = 255;
    expectScript(session.file("SLscript.bat"), run);
    session.closeWithCancel();
}

void sliderStopsAtZero(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    const std::vector<SliderStep> steps{
        {TB_THUMBTRACK, 30, 30},
        {TB_PAGEUP, 0, 0},
        {TB_LINEUP, 0, 0},
        {TB_THUMBTRACK, 19, 19},
    };
    for (const SliderStep& step : steps) {
        dialog.scroll(step.requestCode, step.position);
        expectSwatchGray(dialog, IDC_GRAY_SWATCH, expected::grayLevelFor(step.brightness),
                         "after request " + std::to_string(step.requestCode));
    }
    // The hidden gray-level text follows at the next load of the controls.
    dialog.click(IDC_SELECT_ALL);
    expectEqual(dialog.text(IDC_GRAY_LEVEL), "0", "hidden gray-level text after a load");
    // With all twelve scenes the default name does not fit on a COMMAND.COM line.
    if (context.commandComLine) dialog.setText(IDC_PROJECT_NAME, "Slider");
    generateScript(dialog);
    expected::ScriptRun run;
    run.tokens = {expected::tokenOf(dialog.listText(0))};
    run.brightness = 19;
    run.scenes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    if (context.commandComLine) run.projectName = "Slider";
    expectScript(session.file("SLscript.bat"), run);
    session.closeWithCancel();
}
// The slider's own keys: Home and End move the thumb to an end, and the
// brightness, the swatch and the script go with it; arrows step on from there.
void sliderKeysMoveTheBrightnessWithTheThumb(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    const struct {
        WPARAM key;
        const char* name;
        int brightness;
    } presses[] = {{VK_HOME, "Home", 0}, {VK_END, "End", 255}, {VK_LEFT, "Left", 254}};
    for (const auto& press : presses) {
        dialog.pressKeyOn(IDC_BRIGHTNESS_SLIDER, press.key);
        const std::string when = std::string("after ") + press.name;
        expectEqual(dialog.sliderPosition(), press.brightness, "slider position " + when);
        expectSwatchGray(dialog, IDC_GRAY_SWATCH, expected::grayLevelFor(press.brightness), when);
    }
    generateScript(dialog);
    expected::ScriptRun run;
    run.tokens = {expected::tokenOf(dialog.listText(0))};
    run.brightness = 254;
    expectScript(session.file("SLscript.bat"), run);
    session.closeWithCancel();
}
}  // namespace

std::vector<E2eCase> dialogCases() {
    return {
        {"cpu_fpu_state_table", cpuFpuStateTable},
        {"dependents_select_their_required_scene", dependentsSelectTheirRequiredScene},
        {"select_all_then_clear_all", selectAllThenClearAll},
        {"required_scene_locked_from_demo_config", requiredSceneLockedFromDemoConfig},
        {"windowed_warning_no_then_yes", windowedWarningNoThenYes},
        {"option_switches_reach_the_script", optionSwitchesReachTheScript},
        {"selection_change_reaches_hidden_text", selectionChangeReachesHiddenText},
        {"slider_requests_set_brightness", sliderRequestsSetBrightness},
        {"slider_stops_at_zero", sliderStopsAtZero},
        {"slider_keys_move_the_brightness_with_the_thumb", sliderKeysMoveTheBrightnessWithTheThumb},
    };
}
