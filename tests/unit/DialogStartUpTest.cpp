// Start-up of the main dialog: the registry lookup, the working directory, the
// demo's settings file, the results page and the order the controls are filled.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/DialogHarness.h"
#include "platform/Notifications.h"
#include "resource.h"

namespace {

std::ptrdiff_t firstEvent(const std::vector<std::string>& events, const std::string& prefix) {
    auto it = std::find_if(events.begin(), events.end(),
                           [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
    return it == events.end() ? -1 : it - events.begin();
}

TEST(DialogStartUp, MissingRegistryValueIsFatalAndTouchesNothing) {
    DialogHarness h;
    h.registry.value.reset();
    h.installation.write("rumo11.cfg", std::string("\xC8\x00\x00\x00\x00", 5));

    EXPECT_FALSE(h.start());

    ASSERT_EQ(h.window.messages.size(), 1u);
    EXPECT_EQ(h.window.messages[0],
              (ShownMessage{"Some registry keys are missing.\nPlease reinstall Solanthra.",
                            "Fatal error", 16}));
    EXPECT_EQ(h.window.endResult, command::kCancel);
    EXPECT_EQ(h.window.events, std::vector<std::string>{"message"});
    EXPECT_TRUE(h.window.controls.empty());
    EXPECT_FALSE(h.installation.exists("results.htm"));
    EXPECT_EQ(h.settings.brightness, 128);
}

TEST(DialogStartUp, EntersTheInstallationDirectoryBeforeTouchingFiles) {
    DialogHarness h;
    ScratchDirectory startedIn;  // the program is started somewhere else
    h.installation.write("rumo11.cfg", "\x64");

    ASSERT_TRUE(h.start());

    EXPECT_EQ(std::filesystem::current_path(), h.installation.path());
    EXPECT_TRUE(h.installation.exists("results.htm"));
    EXPECT_FALSE(startedIn.exists("results.htm"));
    EXPECT_EQ(h.settings.brightness, 100);
}

TEST(DialogStartUp, UnenterablePathKeepsTheStartDirectory) {
    DialogHarness h;
    h.registry.value = (h.installation.path() / "missing").string();
    ASSERT_TRUE(h.start());
    EXPECT_TRUE(h.installation.exists("results.htm"));
}

TEST(DialogStartUp, DefaultsWithoutDemoSettingsFile) {
    DialogHarness h;
    ASSERT_TRUE(h.start());

    for (int id = IDC_SCENE1; id <= IDC_SCENE12; ++id)
        EXPECT_EQ(h.checked(id), id <= IDC_SCENE4) << id;
    EXPECT_TRUE(h.checked(IDC_FULLSCREEN));
    EXPECT_TRUE(h.checked(IDC_AUTOMATIC));
    EXPECT_FALSE(h.checked(IDC_RESULTS_EACH));
    EXPECT_EQ(h.window.itemText(IDC_PROJECT_NAME), "(Enter the name of your project here)");
    EXPECT_EQ(h.window.itemText(IDC_SCRIPT_NAME), "SLscript.bat");
    EXPECT_EQ(h.window.itemText(IDC_GRAY_LEVEL), "42");
    EXPECT_EQ(h.window.trackbarMin, 0);
    EXPECT_EQ(h.window.trackbarMax, 255);
    EXPECT_EQ(h.window.trackbarPosition, 128);
    EXPECT_EQ(h.window.iconsSet, 1);
}

TEST(DialogStartUp, DemoSettingsFileIsReadBeforeTheControlsAreFilled) {
    DialogHarness h;
    // brightness 200, saved index 1, three ignored bytes, scene 7 on and scene 2 off
    std::string cfg("\xC8\x01\x00\x00\x00\x01\x00\x01\x01\x00\x00\x02\x00\x00\x00\x00\x00\x00", 18);
    h.installation.write("rumo11.cfg", cfg + "MyCard");

    ASSERT_TRUE(h.start());

    EXPECT_EQ(h.window.itemText(IDC_PROJECT_NAME), "MyCard");
    EXPECT_EQ(h.window.trackbarPosition, 200);
    EXPECT_EQ(h.window.itemText(IDC_GRAY_LEVEL), "104");
    EXPECT_TRUE(h.checked(IDC_SCENE7));  // the byte 2 shows checked
    EXPECT_FALSE(h.checked(IDC_SCENE2));
    EXPECT_FALSE(h.enabled(IDC_SCENE2));  // locked, yet not selected
    EXPECT_EQ(h.settings.scene(2), 0);
    EXPECT_EQ(h.settings.scene(7), 2);
    EXPECT_EQ(h.settings.savedResolutionIndex, 1);
}

TEST(DialogStartUp, FirstLoadCarriesConstructionValuesAndTheFinalLoadTheSettings) {
    DialogHarness h;
    ASSERT_TRUE(h.start());
    const auto& events = h.window.events;

    // The base initialisation loads the construction values and binds the swatches once.
    EXPECT_EQ(events.front(), "text 1000 ");
    EXPECT_EQ(std::count(events.begin(), events.end(), "bind 1007"), 1);
    EXPECT_EQ(std::count(events.begin(), events.end(), "bind 1008"), 1);
    EXPECT_LT(firstEvent(events, "text 1020 "), firstEvent(events, "slider"));
    EXPECT_LT(firstEvent(events, "slider"), firstEvent(events, "list add"));
    EXPECT_LT(firstEvent(events, "list add"), firstEvent(events, "text 1020 (Enter"));
    EXPECT_EQ(h.window.controls[IDC_PROJECT_NAME].textLoads, 2);
}

TEST(DialogStartUp, SwatchesShowGrayAndBlack) {
    DialogHarness h;
    ASSERT_TRUE(h.start());
    EXPECT_EQ(h.dialog.graySwatch().backgroundColorValue(), 42u * 65793u);
    EXPECT_EQ(h.dialog.blackSwatch().backgroundColorValue(), 0u);
    // Both were bound before their colours were set, so both repaint.
    EXPECT_GE(h.window.swatchWindows[IDC_GRAY_SWATCH]->erasingInvalidations, 1);
    EXPECT_GE(h.window.swatchWindows[IDC_BLACK_SWATCH]->erasingInvalidations, 1);
}

TEST(DialogStartUp, SystemMenuGetsSeparatorAndAboutEntry) {
    DialogHarness h;
    ASSERT_TRUE(h.start());
    using Item = std::pair<std::string, unsigned>;
    EXPECT_EQ(h.window.systemMenu,
              (std::vector<Item>{{"", 0u}, {"&About Solanthra...", unsigned(IDM_ABOUTBOX)}}));

    DialogHarness empty;
    empty.window.aboutBoxString.clear();
    ASSERT_TRUE(empty.start());
    EXPECT_TRUE(empty.window.systemMenu.empty());
}

TEST(DialogStartUp, SystemCommandsOfTheAboutEntryOpenAboutOthersGoOn) {
    DialogHarness h;
    ASSERT_TRUE(h.start());
    for (unsigned command = 0x0010; command <= 0x001F; ++command)
        EXPECT_TRUE(h.dialog.onSysCommand(command)) << command;
    EXPECT_EQ(h.window.aboutShown.size(), 16u);
    EXPECT_FALSE(h.dialog.onSysCommand(0xF060));  // SC_CLOSE
    EXPECT_FALSE(h.dialog.onSysCommand(0x0020));
    EXPECT_EQ(h.window.aboutShown.size(), 16u);
}

TEST(DialogStartUp, CancelAndEscapeEndTheDialogWritingNothing) {
    for (bool escape : {false, true}) {
        DialogHarness h;
        ASSERT_TRUE(h.start());
        h.window.type(IDC_SCRIPT_NAME, "other.bat");
        if (escape)
            h.window.pressEscape();
        else
            h.window.click(command::kCancel);
        EXPECT_EQ(h.window.endResult, command::kCancel);
        EXPECT_TRUE(h.window.messages.empty());
        EXPECT_FALSE(h.installation.exists("SLscript.bat"));
        EXPECT_FALSE(h.installation.exists("other.bat"));
    }
}

TEST(DialogStartUp, NameEditsStoreTheirTextWhenTheyLoseTheFocus) {
    DialogHarness h;
    ASSERT_TRUE(h.start());

    h.window.type(IDC_PROJECT_NAME, "Rig 1");
    EXPECT_EQ(h.settings.projectName, "(Enter the name of your project here)");
    h.window.type(IDC_SCRIPT_NAME, "run");
    EXPECT_EQ(h.settings.projectName, "Rig 1");
    h.window.click(IDC_AUTOMATIC);
    EXPECT_EQ(h.settings.scriptName, "run");  // the ".bat" comes only when writing
    EXPECT_EQ(h.window.itemText(IDC_SCRIPT_NAME), "run");

    h.window.type(IDC_PROJECT_NAME, "");
    h.window.focus(IDC_RESOLUTION_LIST);
    EXPECT_EQ(h.settings.projectName, "");
}

}  // namespace
