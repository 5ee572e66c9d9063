#include "fakes/FakeDialogWindow.h"

#include "dialog/ScriptGenDialog.h"
#include "platform/Notifications.h"
#include "resource.h"

namespace {
bool isNameEdit(int id) { return id == IDC_PROJECT_NAME || id == IDC_SCRIPT_NAME; }
}  // namespace

bool FakeDialogWindow::isAutoCheckBox(int id) const {
    return id == IDC_FULLSCREEN || id == IDC_AUTOMATIC || id == IDC_RESULTS_EACH ||
           (id >= IDC_SCENE1 && id <= IDC_SCENE12);
}

bool FakeDialogWindow::isEnabled(int id) const {
    auto it = controls.find(id);
    return it == controls.end() || it->second.enabled;
}

void FakeDialogWindow::focus(int id) {
    if (focus_ == id) return;
    const int previous = focus_;
    focus_ = id;
    if (isNameEdit(previous) && dialog_) dialog_->onCommand(notify::kEditKillFocus, previous);
}

void FakeDialogWindow::click(int id) {
    if (!isEnabled(id)) return;
    focus(id);
    if (isAutoCheckBox(id)) controls[id].check = controls[id].check != 0 ? 0 : 1;
    dialog_->onCommand(notify::kButtonClicked, id);
}

void FakeDialogWindow::type(int id, const std::string& text) {
    focus(id);
    Control& edit = controls[id];
    const auto limit = static_cast<std::size_t>(edit.textLimit);
    edit.text = limit > 0 && text.size() > limit ? text.substr(0, limit) : text;
    edit.unicodeText.reset();
}

void FakeDialogWindow::type(int id, const std::u16string& text, const CodePages& pages) {
    type(id, pages.unicodeToWindows(text));
    controls[id].unicodeText = text;
}

void FakeDialogWindow::pressEnter() { dialog_->onCommand(notify::kButtonClicked, command::kOk); }

void FakeDialogWindow::pressEscape() {
    dialog_->onCommand(notify::kButtonClicked, command::kCancel);
}

void FakeDialogWindow::selectListEntries(const std::vector<int>& clickedInOrder) {
    focus(IDC_RESOLUTION_LIST);
    listSelection.clear();
    for (int index : clickedInOrder) {
        listSelection.insert(index);
        listCaret = index;
        dialog_->onCommand(notify::kListSelectionChange, IDC_RESOLUTION_LIST);
    }
}

int FakeDialogWindow::showMessageBox(const std::string& text, const std::string& caption,
                                     unsigned style) {
    focus(0);  // a message box takes the focus from the dialog's controls
    messages.push_back({text, caption, style});
    events.push_back("message");
    if (answers.empty()) return msg::kOk;
    int answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakeDialogWindow::setItemText(int id, const std::string& text) {
    controls[id].text = text;
    controls[id].unicodeText.reset();
    ++controls[id].textLoads;
    events.push_back("text " + std::to_string(id) + " " + text);
}

std::string FakeDialogWindow::itemText(int id) const {
    auto it = controls.find(id);
    return it == controls.end() ? std::string() : it->second.text;
}

std::optional<std::u16string> FakeDialogWindow::unicodeItemText(int id) const {
    auto it = controls.find(id);
    return it == controls.end() ? std::nullopt : it->second.unicodeText;
}

void FakeDialogWindow::setCheck(int id, int state) { controls[id].check = state; }

int FakeDialogWindow::checkState(int id) const {
    auto it = controls.find(id);
    return it == controls.end() ? 0 : it->second.check;
}

void FakeDialogWindow::enableItem(int id, bool enable) { controls[id].enabled = enable; }

void FakeDialogWindow::limitText(int id, int maxCharacters) {
    controls[id].textLimit = maxCharacters;
}

void FakeDialogWindow::listAddString(int, const std::string& text) {
    listEntries.push_back(text);
    events.push_back("list add");
}

void FakeDialogWindow::listSetSelection(int, int index, bool select) {
    if (index < 0 || index >= static_cast<int>(listEntries.size())) return;
    if (select)
        listSelection.insert(index);
    else
        listSelection.erase(index);
    events.push_back("list select " + std::to_string(index));
}

int FakeDialogWindow::listCurrentSelection(int) const { return listCaret; }

int FakeDialogWindow::listSelectionCount(int) const {
    return static_cast<int>(listSelection.size());
}

std::vector<int> FakeDialogWindow::listSelectedItems(int, int maxItems) const {
    std::vector<int> items(listSelection.begin(), listSelection.end());
    if (static_cast<int>(items.size()) > maxItems) items.resize(std::size_t(maxItems));
    return items;
}

std::string FakeDialogWindow::listText(int, int index) const {
    if (index < 0 || index >= static_cast<int>(listEntries.size())) return {};
    return listEntries[std::size_t(index)];
}

void FakeDialogWindow::trackbarSetRangeMin(int, int minimum, bool) { trackbarMin = minimum; }
void FakeDialogWindow::trackbarSetRangeMax(int, int maximum, bool) { trackbarMax = maximum; }

void FakeDialogWindow::trackbarSetPosition(int, int position, bool) {
    trackbarPosition = position;
    events.push_back("slider " + std::to_string(position));
}

void FakeDialogWindow::bindColorListBox(int id, ColorListBox& box) {
    boundColorListBoxes[id] = &box;
    auto state = std::make_shared<FakeColorWindowState>();
    swatchWindows[id] = state;
    box.bind(std::make_unique<FakeColorWindow>(state), swatchGdi);
    events.push_back("bind " + std::to_string(id));
}

bool FakeDialogWindow::appendToSystemMenu(const std::string& caption, unsigned command) {
    if (!hasSystemMenu) return false;
    systemMenu.push_back({"", 0});
    systemMenu.push_back({caption, command});
    return true;
}

std::string FakeDialogWindow::loadString(unsigned id) const {
    return id == IDS_ABOUTBOX ? aboutBoxString : std::string();
}

void FakeDialogWindow::setWindowIcons() { ++iconsSet; }

void FakeDialogWindow::runAboutDialog(const std::string& disclaimer) {
    aboutShown.push_back(disclaimer);
}

AdministratorStart FakeDialogWindow::startAgainAsAdministrator(const std::string& arguments) {
    startedAsAdministrator.push_back(arguments);
    return administratorStart;
}

void FakeDialogWindow::endDialog(int result) { endResult = result; }
