#include "dialog/ScriptGenDialog.h"

#include "about/Disclaimer.h"
#include "app/AdministratorOffer.h"
#include "app/InstallPath.h"
#include "app/UserCopies.h"
#include "common/TextFile.h"
#include "platform/Notifications.h"
#include "resource.h"
#include "results/ResultsPage.h"
#include "settings/DemoConfig.h"

ScriptGenDialog::ScriptGenDialog(BenchmarkSettings& settings, DialogServices services)
    : settings_(settings), services_(services) {}

const std::vector<ScriptGenDialog::CommandRoute>& ScriptGenDialog::commandMap() {
    using D = ScriptGenDialog;
    constexpr unsigned kClick = notify::kButtonClicked;
    static const std::vector<CommandRoute> routes{
        {notify::kListSelectionChange, IDC_RESOLUTION_LIST,
         [](D& d) { d.onResolutionSelectionChange(); }},
        {kClick, IDC_GENERATE_SCRIPT, [](D& d) { d.generateScript(); }},
        {kClick, IDC_ABOUT, [](D& d) { d.showAboutDialog(); }},
        {kClick, IDC_FULLSCREEN, [](D& d) { d.onFullscreenClicked(); }},
        {kClick, IDC_RESULTS_EACH, [](D& d) { d.onResultsAfterEachClicked(); }},
        {kClick, IDC_AUTOMATIC, [](D& d) { d.onAutomaticClicked(); }},
        {kClick, IDC_SCENE1, [](D& d) { d.onSceneClicked(1); }},
        {kClick, IDC_SCENE2, [](D& d) { d.onSceneClicked(2); }},
        {kClick, IDC_SCENE3, [](D& d) { d.onSceneClicked(3); }},
        {kClick, IDC_SCENE4, [](D& d) { d.onSceneClicked(4); }},
        {kClick, IDC_SCENE5, [](D& d) { d.onSceneClicked(5); }},
        {kClick, IDC_SCENE6, [](D& d) { d.onSceneClicked(6); }},
        {kClick, IDC_SCENE7, [](D& d) { d.onSceneClicked(7); }},
        {kClick, IDC_SCENE8, [](D& d) { d.onSceneClicked(8); }},
        {kClick, IDC_SCENE9, [](D& d) { d.onSceneClicked(9); }},
        {kClick, IDC_SCENE10, [](D& d) { d.onSceneClicked(10); }},
        {kClick, IDC_SCENE11, [](D& d) { d.onSceneClicked(11); }},
        {kClick, IDC_SCENE12, [](D& d) { d.onSceneClicked(12); }},
        {kClick, IDC_CLEAR_RESULTS, [](D& d) { d.clearResults(); }},
        {notify::kEditKillFocus, IDC_PROJECT_NAME, [](D& d) { d.onProjectNameKillFocus(); }},
        {kClick, IDC_VIEW_RESULTS, [](D& d) { d.viewResults(); }},
        {kClick, IDC_SELECT_ALL, [](D& d) { d.selectAllTests(); }},
        {kClick, IDC_CLEAR_ALL, [](D& d) { d.clearAllTests(); }},
        {notify::kEditKillFocus, IDC_SCRIPT_NAME, [](D& d) { d.onScriptNameKillFocus(); }},
        // Enter and the default button; Escape, Cancel and the close box.
        {kClick, command::kOk, [](D& d) { d.OnOK(); }},
        {kClick, command::kCancel, [](D& d) { d.OnCancel(); }},
    };
    return routes;
}

std::vector<ScriptGenDialog::DataExchange> ScriptGenDialog::dataExchangeMap() {
    using X = DataExchange;
    std::vector<X> rows{
        {IDC_RESOLUTION_LIST, X::kAttach},
        {IDC_BRIGHTNESS_SLIDER, X::kAttach},
        {IDC_GRAY_LEVEL, X::kText, &grayLevelText_},
        {IDC_CURRENT_RESOLUTION, X::kText, &currentResolutionText_},
        {IDC_FULLSCREEN, X::kCheck, nullptr, &fullscreenCheck_},
        {IDC_AUTOMATIC, X::kCheck, nullptr, &automaticCheck_},
        {IDC_RESULTS_EACH, X::kCheck, nullptr, &resultsAfterEachCheck_},
    };
    for (int n = 1; n <= BenchmarkSettings::kSceneCount; ++n)
        rows.push_back({IDC_SCENE1 + n - 1, X::kCheck, nullptr, &sceneChecks_[std::size_t(n - 1)]});
    rows.push_back({IDC_PROJECT_NAME, X::kText, &projectNameText_});
    rows.push_back({IDC_GRAY_SWATCH, X::kAttach, nullptr, nullptr, &graySwatch_});
    rows.push_back({IDC_BLACK_SWATCH, X::kAttach, nullptr, nullptr, &blackSwatch_});
    rows.push_back({IDC_SCRIPT_NAME, X::kText, &scriptNameText_});
    return rows;
}

void ScriptGenDialog::updateData(bool save) {
    for (const DataExchange& row : dataExchangeMap()) {
        switch (row.kind) {
            case DataExchange::kAttach:
                // Only the first call binds; the list and slider are reached by id.
                if (!controlsAttached_ && row.colorListBox)
                    window_->bindColorListBox(row.id, *row.colorListBox);
                break;
            case DataExchange::kText:
                if (save)
                    *row.text = window_->itemText(row.id);
                else
                    window_->setItemText(row.id, *row.text);
                break;
            case DataExchange::kCheck:
                // A scene byte other than 0 or 1 from the demo's file shows checked.
                if (save)
                    *row.check = window_->checkState(row.id) != 0 ? 1 : 0;
                else
                    window_->setCheck(row.id, *row.check != 0 ? 1 : 0);
                break;
        }
    }
    controlsAttached_ = true;
}

bool ScriptGenDialog::onInitDialog(DialogWindow& window) {
    window_ = &window;
    if (!lookUpInstallPath(services_.registry, settings_)) {
        window.showMessageBox(kMissingRegistryText, kMissingRegistryCaption, msg::kStop);
        OnCancel();
        return false;
    }
    services_.workingDirectory.change(settings_.installationPath);
    userStore_ =
        userStoreFolder(services_.virtualStore, services_.codePages, services_.storeFolderHandedOn);
    if (startedAgainAsAdministrator()) {
        OnCancel();
        return false;
    }
    TextReader demoConfig(latestCopyOf(services_.virtualStore, userStore_, "rumo11.cfg"));
    WriteReporter reporter = writeReporter();
    createResultsPageIfMissing(reporter);
    if (demoConfig.isOpen()) readDemoConfig(demoConfig, settings_, services_.codePages);

    updateData(false);  // the base initialisation's load, which also attaches
    window.limitText(IDC_PROJECT_NAME, BenchmarkSettings::kMaxProjectNameLength);
    addAboutToSystemMenu();
    window.setWindowIcons();
    setUpBrightnessSlider();
    fillDisplayModeList();
    projectNameText_ = settings_.projectName;
    scriptNameText_ = settings_.scriptName;
    showGrayLevel(settings_.brightness);
    blackSwatch_.setBackgroundColor(0);
    copyChecksFromSettings();
    lockRequiredScenes();
    updateData(false);
    return true;
}

bool ScriptGenDialog::startedAgainAsAdministrator() {
    return ::startedAgainAsAdministrator(*window_, services_.writeFailures,
                                         services_.administratorRights, services_.codePages,
                                         services_.startedByAdministratorOffer, userStore_);
}

WriteReporter ScriptGenDialog::writeReporter() {
    return {*window_, services_.writeFailures, services_.administratorRights, services_.codePages};
}

void ScriptGenDialog::addAboutToSystemMenu() {
    std::string caption = window_->loadString(IDS_ABOUTBOX);
    if (!caption.empty()) window_->appendToSystemMenu(caption, IDM_ABOUTBOX);
}

void ScriptGenDialog::copyChecksFromSettings() {
    fullscreenCheck_ = settings_.fullscreen;
    resultsAfterEachCheck_ = settings_.resultsAfterEach;
    automaticCheck_ = settings_.automatic;
    for (int n = 1; n <= BenchmarkSettings::kSceneCount; ++n)
        sceneChecks_[std::size_t(n - 1)] = settings_.scene(n);
}

void ScriptGenDialog::onCommand(unsigned notifyCode, int id) {
    for (const CommandRoute& route : commandMap()) {
        if (route.notifyCode == notifyCode && route.id == id) {
            route.handler(*this);
            return;
        }
    }
}

bool ScriptGenDialog::onSysCommand(unsigned command) {
    if ((command & 0xFFF0u) != IDM_ABOUTBOX) return false;
    showAboutDialog();
    return true;
}

// The box limits typing to kMaxProjectNameLength bytes on Windows 95 to ME
// but to as many characters on the NT line (its box is Unicode) and under
// Wine, and a pasted or set text to nothing: the name kept is cut here,
// between characters.
void ScriptGenDialog::takeProjectName(const std::string& text) {
    projectNameText_ = services_.codePages.windowsTextWithin(
        text, static_cast<std::size_t>(BenchmarkSettings::kMaxProjectNameLength));
    settings_.projectName = projectNameText_;
}

void ScriptGenDialog::onProjectNameKillFocus() {
    updateData(true);
    takeProjectName(projectNameText_);
}

void ScriptGenDialog::onScriptNameKillFocus() {
    updateData(true);
    settings_.scriptName = scriptNameText_;
}

void ScriptGenDialog::OnCancel() { window_->endDialog(command::kCancel); }

void ScriptGenDialog::showAboutDialog() { window_->runAboutDialog(disclaimerText()); }

void ScriptGenDialog::clearResults() {
    WriteReporter reporter = writeReporter();
    clearResultsPage(reporter, everyCopyOf(services_.virtualStore, userStore_, "results.htm"));
}

void ScriptGenDialog::viewResults() {
    viewResultsPage(services_.launcher,
                    latestCopyOf(services_.virtualStore, userStore_, "results.htm"));
}
