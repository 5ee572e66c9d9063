// An in-memory dialog window that behaves like the real one where the dialog
// depends on it: automatic check boxes flip before the click reaches the
// handler, disabled controls ignore clicks, an edit box that loses the focus
// notifies first, and message boxes are answered from a queue and recorded.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fakes/FakeColorPorts.h"
#include "fakes/ScriptedMessageBoxes.h"
#include "platform/CodePages.h"
#include "platform/DialogWindow.h"

class ScriptGenDialog;

class FakeDialogWindow : public DialogWindow {
   public:
    struct Control {
        std::string text;
        // What the box holds in Unicode when the user typed beyond the Windows
        // code page (NT line); nothing: what its text reads as (9x, or set by the dialog).
        std::optional<std::u16string> unicodeText;
        int check = 0;
        bool enabled = true;
        int textLoads = 0;  // how often the dialog set the text
        int textLimit = 0;  // 0: none; typing stops at the limit
    };

    // What the dialog did to the window.
    std::map<int, Control> controls;
    std::vector<std::string> listEntries;
    std::set<int> listSelection;
    int listCaret = -1;
    int trackbarMin = 0, trackbarMax = 100, trackbarPosition = 0;
    std::vector<std::pair<std::string, unsigned>> systemMenu;  // separators as ""
    int iconsSet = 0;
    std::vector<std::string> aboutShown;
    std::optional<int> endResult;
    std::map<int, ColorListBox*> boundColorListBoxes;
    std::map<int, std::shared_ptr<FakeColorWindowState>> swatchWindows;
    FakeColorGdi swatchGdi;
    std::vector<ShownMessage> messages;
    std::deque<int> answers;          // an empty queue answers OK
    std::vector<std::string> events;  // "load <id>", "bind <id>", "list add", ...
    bool hasSystemMenu = true;
    std::vector<std::string> startedAsAdministrator;  // the arguments of each start
    AdministratorStart administratorStart;            // how each start goes
    std::string aboutBoxString = "&About Solanthra...";

    // What a user does.
    void attach(ScriptGenDialog& dialog) { dialog_ = &dialog; }
    void click(int id);                          // mouse click on a button or check box
    void type(int id, const std::string& text);  // focus the edit and type its new text
    // Typed in Unicode on the NT line: the box reads as the Windows code page makes it.
    void type(int id, const std::u16string& text, const CodePages& pages);
    void pressEnter();   // the default button, focus unchanged
    void pressEscape();  // IDCANCEL
    void selectListEntries(const std::vector<int>& clickedInOrder);
    void focus(int id);
    int focusedControl() const { return focus_; }

    // DialogWindow
    int showMessageBox(const std::string& text, const std::string& caption,
                       unsigned style) override;
    void setItemText(int id, const std::string& text) override;
    std::string itemText(int id) const override;
    std::optional<std::u16string> unicodeItemText(int id) const override;
    void setCheck(int id, int state) override;
    int checkState(int id) const override;
    void enableItem(int id, bool enable) override;
    void limitText(int id, int maxCharacters) override;
    void listAddString(int id, const std::string& text) override;
    void listSetSelection(int id, int index, bool select) override;
    int listCurrentSelection(int id) const override;
    int listSelectionCount(int id) const override;
    std::vector<int> listSelectedItems(int id, int maxItems) const override;
    std::string listText(int id, int index) const override;
    void trackbarSetRangeMin(int id, int minimum, bool redraw) override;
    void trackbarSetRangeMax(int id, int maximum, bool redraw) override;
    void trackbarSetPosition(int id, int position, bool redraw) override;
    void bindColorListBox(int id, ColorListBox& box) override;
    bool appendToSystemMenu(const std::string& caption, unsigned command) override;
    std::string loadString(unsigned id) const override;
    void setWindowIcons() override;
    void runAboutDialog(const std::string& disclaimer) override;
    AdministratorStart startAgainAsAdministrator(const std::string& arguments) override;
    void endDialog(int result) override;

    bool isEnabled(int id) const;
    bool isAutoCheckBox(int id) const;

   private:
    ScriptGenDialog* dialog_ = nullptr;
    int focus_ = 1;  // the dialog starts with the focus on "Generate and run"
};
