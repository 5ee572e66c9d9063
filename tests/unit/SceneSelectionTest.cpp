// The scene boxes of one category, the two bulk buttons and the option switches.
#include <gtest/gtest.h>

#include "fakes/DialogHarness.h"
#include "resource.h"

namespace {

// One category, "CPU/FPU tests": R = scene 2, D1 = scene 7, D2 = scene 8.
constexpr int R = IDC_SCENE2, D1 = IDC_SCENE7, D2 = IDC_SCENE8;

struct CategoryState {
    const char* name;
    bool r, d1, d2, rEnabled;
};

const CategoryState S0{"S0", false, false, false, true};
const CategoryState S1{"S1", true, false, false, true};
const CategoryState S2{"S2", true, true, false, false};
const CategoryState S3{"S3", true, false, true, false};
const CategoryState S4{"S4", true, true, true, false};
const CategoryState T1{"T1", false, true, false, false};
const CategoryState T2{"T2", false, false, true, false};
const CategoryState T3{"T3", false, true, true, false};

// Reaches a state the way a run can: S-states through the demo's file as the
// dialog would leave them, T-states only from the file.
void startIn(DialogHarness& h, const CategoryState& state) {
    h.settings.scenes.fill(0);
    h.settings.scene(2) = state.r;
    h.settings.scene(7) = state.d1;
    h.settings.scene(8) = state.d2;
    ASSERT_TRUE(h.start());
}

void expectState(const DialogHarness& h, const CategoryState& expected, const std::string& how) {
    SCOPED_TRACE(how + " -> " + expected.name);
    const std::pair<int, bool> boxes[] = {{R, expected.r}, {D1, expected.d1}, {D2, expected.d2}};
    for (const auto& [id, selected] : boxes) {
        EXPECT_EQ(h.settings.sceneSelected(id - IDC_SCENE1 + 1), selected) << id;
        EXPECT_EQ(h.checked(id), selected) << id;
    }
    EXPECT_EQ(h.enabled(R), expected.rEnabled);
    EXPECT_TRUE(h.enabled(D1));
    EXPECT_TRUE(h.enabled(D2));
}

TEST(SceneSelection, EveryTransitionOfTheCategoryStateTable) {
    struct Transition {
        CategoryState from;
        int click;
        CategoryState to;
    };
    const Transition table[] = {
        {S0, R, S1}, {S0, D1, S2}, {S0, D2, S3}, {S1, R, S0}, {S1, D1, S2}, {S1, D2, S3},
        {S2, R, S2}, {S2, D1, S1}, {S2, D2, S4}, {S3, R, S3}, {S3, D1, S4}, {S3, D2, S1},
        {S4, R, S4}, {S4, D1, S3}, {S4, D2, S2}, {T1, R, T1}, {T1, D1, S0}, {T1, D2, S4},
        {T2, R, T2}, {T2, D1, S4}, {T2, D2, S0}, {T3, R, T3}, {T3, D1, T2}, {T3, D2, T1},
    };
    for (const Transition& t : table) {
        DialogHarness h;
        startIn(h, t.from);
        expectState(h, t.from, std::string("start ") + t.from.name);
        h.window.click(t.click);  // a disabled box ignores the click
        expectState(h, t.to, std::string(t.from.name) + " click " + std::to_string(t.click));
    }
}

TEST(SceneSelection, BulkButtonsLeadEveryStateToS4AndS0) {
    for (const CategoryState& from : {S0, S1, S2, S3, S4, T1, T2, T3}) {
        DialogHarness h;
        startIn(h, from);
        h.window.click(IDC_SELECT_ALL);
        expectState(h, S4, std::string(from.name) + " select all");
        for (int id = IDC_SCENE1; id <= IDC_SCENE12; ++id) EXPECT_TRUE(h.checked(id));
        for (int id = IDC_SCENE1; id <= IDC_SCENE4; ++id) EXPECT_FALSE(h.enabled(id));
        h.window.click(IDC_CLEAR_ALL);
        expectState(h, S0, std::string(from.name) + " clear all");
        for (int id = IDC_SCENE1; id <= IDC_SCENE12; ++id) EXPECT_FALSE(h.checked(id));
        for (int id = IDC_SCENE1; id <= IDC_SCENE4; ++id) EXPECT_TRUE(h.enabled(id));
    }
}

TEST(SceneSelection, DependentScenesSelectOnlyTheirOwnRequiredScene) {
    const std::pair<int, int> dependentToRequired[] = {{5, 3}, {6, 3},  {7, 2},  {8, 2},
                                                       {9, 1}, {12, 1}, {10, 4}, {11, 4}};
    for (const auto& [dependent, required] : dependentToRequired) {
        DialogHarness h;
        h.settings.scenes.fill(0);
        ASSERT_TRUE(h.start());
        h.window.click(IDC_SCENE1 + dependent - 1);
        for (int n = 1; n <= 12; ++n) {
            const bool selected = n == dependent || n == required;
            EXPECT_EQ(h.settings.scene(n), selected ? 1 : 0) << dependent << " " << n;
            EXPECT_EQ(h.checked(IDC_SCENE1 + n - 1), selected) << dependent << " " << n;
            if (n <= 4) {
                EXPECT_EQ(h.enabled(IDC_SCENE1 + n - 1), n != required);
            }
        }
    }
}

TEST(SceneSelection, OptionSwitchesFlipTheirFlags) {
    DialogHarness h;
    ASSERT_TRUE(h.start());
    h.window.click(IDC_AUTOMATIC);
    h.window.click(IDC_RESULTS_EACH);
    EXPECT_EQ(h.settings.automatic, 0);
    EXPECT_EQ(h.settings.resultsAfterEach, 1);
    EXPECT_FALSE(h.checked(IDC_AUTOMATIC));
    EXPECT_TRUE(h.checked(IDC_RESULTS_EACH));
    EXPECT_TRUE(h.window.messages.empty());
}

const char kWindowedWarning[] =
    "Warning: windowed mode will force the\nprogram to run at desktop color depth.\n"
    "This option may result in unaccurate\nperformance testing and thus is not\n"
    "recommended.\nProceed?";

TEST(SceneSelection, WindowedModeWarningNoRestoresAndAsksAgain) {
    DialogHarness h;
    ASSERT_TRUE(h.start());
    h.window.answers = {7, 7};
    for (int attempt = 0; attempt < 2; ++attempt) {
        h.window.click(IDC_FULLSCREEN);
        EXPECT_EQ(h.settings.fullscreen, 1);
        EXPECT_TRUE(h.checked(IDC_FULLSCREEN));
        EXPECT_EQ(h.settings.windowedModeWarning, 1);
    }
    ASSERT_EQ(h.window.messages.size(), 2u);
    EXPECT_EQ(h.window.messages[0], (ShownMessage{kWindowedWarning, "Solanthra v1.1a", 52}));
}

TEST(SceneSelection, WindowedModeWarningYesIsAskedOnce) {
    DialogHarness h;
    ASSERT_TRUE(h.start());
    h.window.answers = {6};
    h.window.click(IDC_FULLSCREEN);
    EXPECT_EQ(h.settings.fullscreen, 0);
    EXPECT_FALSE(h.checked(IDC_FULLSCREEN));
    h.window.click(IDC_FULLSCREEN);  // back on: never asks
    h.window.click(IDC_FULLSCREEN);  // off again: asked already
    EXPECT_EQ(h.settings.fullscreen, 0);
    EXPECT_EQ(h.window.messages.size(), 1u);
}

TEST(SceneSelection, EveryLoadRewritesNamesAndHiddenEdits) {
    DialogHarness h;
    ASSERT_TRUE(h.start());
    h.window.type(IDC_PROJECT_NAME, "Typed");
    h.window.selectListEntries({2});
    h.dialog.onHScroll(5, 255);  // nothing reaches the hidden edits yet
    EXPECT_EQ(h.window.itemText(IDC_GRAY_LEVEL), "42");
    EXPECT_EQ(h.window.itemText(IDC_CURRENT_RESOLUTION), "");

    const int before = h.window.controls[IDC_PROJECT_NAME].textLoads;
    h.window.click(IDC_SELECT_ALL);
    EXPECT_EQ(h.window.controls[IDC_PROJECT_NAME].textLoads, before + 1);
    EXPECT_EQ(h.window.itemText(IDC_PROJECT_NAME), "Typed");
    EXPECT_EQ(h.window.itemText(IDC_GRAY_LEVEL), "169");
    EXPECT_EQ(h.window.itemText(IDC_CURRENT_RESOLUTION), "1024x768 pixels - 32 bit");
}

}  // namespace
