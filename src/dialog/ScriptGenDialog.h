// The main dialog: everything it decides, with no window in sight. The Win32
// adapter feeds it window messages and it answers through DialogWindow.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/WriteReporter.h"
#include "display/ColorListBox.h"
#include "platform/CodePages.h"
#include "platform/DialogWindow.h"
#include "platform/Ports.h"
#include "settings/BenchmarkSettings.h"

// The system services the dialog uses besides its window.
struct DialogServices {
    InstallRegistry& registry;
    WorkingDirectory& workingDirectory;
    DisplayModes& displayModes;
    ProcessLauncher& launcher;
    ScriptHost& scriptHost;
    const CodePages& codePages;
    WriteFailures& writeFailures;
    AdministratorRights& administratorRights;
    VirtualStoreFiles& virtualStore;
    // Started by its own offer to start again as administrator: never asks again.
    bool startedByAdministratorOffer = false;
    // The user's store folder that the offer handed on, unchecked.
    std::optional<std::string> storeFolderHandedOn;
};

class ScriptGenDialog {
   public:
    ScriptGenDialog(BenchmarkSettings& settings, DialogServices services);
    ScriptGenDialog(const ScriptGenDialog&) = delete;
    ScriptGenDialog& operator=(const ScriptGenDialog&) = delete;

    // Window messages, as the adapter delivers them.
    bool onInitDialog(DialogWindow& window);  // false on the fatal path
    void onCommand(unsigned notifyCode, int id);
    bool onSysCommand(unsigned command);  // false: the default handling applies
    void onHScroll(int requestCode, int thumbPosition);

    ColorListBox& graySwatch() { return graySwatch_; }
    ColorListBox& blackSwatch() { return blackSwatch_; }

   private:
    struct CommandRoute {
        unsigned notifyCode;
        int id;
        void (*handler)(ScriptGenDialog&);
    };
    struct DataExchange {
        enum Kind { kAttach, kText, kCheck };
        int id;
        Kind kind;
        std::string* text = nullptr;
        int* check = nullptr;
        ColorListBox* colorListBox = nullptr;
    };
    static const std::vector<CommandRoute>& commandMap();
    std::vector<DataExchange> dataExchangeMap();

    // Data exchange: load (members to controls) or save (controls to members).
    void updateData(bool save);

    // Start-up.
    bool startedAgainAsAdministrator();
    void addAboutToSystemMenu();
    void copyChecksFromSettings();

    // Name edits.
    void takeProjectName(const std::string& text);
    void onProjectNameKillFocus();
    void onScriptNameKillFocus();

    // Scenes and options.
    void onSceneClicked(int scene);
    void selectAllTests();
    void clearAllTests();
    void lockRequiredScenes();
    void onFullscreenClicked();
    void onAutomaticClicked();
    void onResultsAfterEachClicked();
    void setRequiredScenesEnabled(bool enable);

    // Resolution list.
    void fillDisplayModeList();
    void onResolutionSelectionChange();
    void gatherSelectedResolutions();

    // Brightness.
    void setUpBrightnessSlider();
    void showGrayLevel(int brightness);

    // Commands.
    WriteReporter writeReporter();
    bool prepareBenchmarkScript(BatchInterpreter interpreter);
    void generateScript();
    void OnOK();
    void OnCancel();
    void showAboutDialog();
    void clearResults();
    void viewResults();

    BenchmarkSettings& settings_;
    DialogServices services_;
    DialogWindow* window_ = nullptr;
    bool controlsAttached_ = false;
    std::optional<std::string> userStore_;  // where the user's copies are, chosen at start-up

    // Data-exchange members, in declaration order of the dialog.
    ColorListBox graySwatch_;
    ColorListBox blackSwatch_;
    std::string grayLevelText_;
    std::string currentResolutionText_;
    int fullscreenCheck_ = 0;
    int automaticCheck_ = 0;
    int resultsAfterEachCheck_ = 0;
    std::array<int, BenchmarkSettings::kSceneCount> sceneChecks_{1, 1, 1, 1};
    std::string projectNameText_;
    std::string scriptNameText_;
};
