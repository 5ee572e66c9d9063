// What the main dialog needs from its window. The Win32 adapter turns each call
// into a control message; the tests' fake window behaves like the real one.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/MessageBoxes.h"

class ColorListBox;

// How starting again as administrator went.
struct AdministratorStart {
    enum class Outcome { kStarted, kDeclined, kFailed };
    Outcome outcome = Outcome::kStarted;
    std::string systemText;  // kFailed: why, in the system's words
};

class DialogWindow : public MessageBoxes {
   public:
    // Texts, checks and enabling, by control id.
    virtual void setItemText(int id, const std::string& text) = 0;
    virtual std::string itemText(int id) const = 0;
    // The box's own Unicode text on the NT line, before the Windows code page
    // has had its say; nothing on Windows 95, 98 and ME, whose boxes hold that
    // code page's text.
    virtual std::optional<std::u16string> unicodeItemText(int id) const = 0;
    virtual void setCheck(int id, int state) = 0;
    virtual int checkState(int id) const = 0;  // 0 clear, 1 checked
    virtual void enableItem(int id, bool enable) = 0;
    // The most characters an edit box takes from typing or pasting.
    virtual void limitText(int id, int maxCharacters) = 0;

    // List box.
    virtual void listAddString(int id, const std::string& text) = 0;
    virtual void listSetSelection(int id, int index, bool select) = 0;
    virtual int listCurrentSelection(int id) const = 0;  // the caret entry, or -1
    virtual int listSelectionCount(int id) const = 0;
    virtual std::vector<int> listSelectedItems(int id, int maxItems) const = 0;
    virtual std::string listText(int id, int index) const = 0;

    // Trackbar.
    virtual void trackbarSetRangeMin(int id, int minimum, bool redraw) = 0;
    virtual void trackbarSetRangeMax(int id, int maximum, bool redraw) = 0;
    virtual void trackbarSetPosition(int id, int position, bool redraw) = 0;

    // Binds a colour list box object to the list box control of that id.
    virtual void bindColorListBox(int id, ColorListBox& box) = 0;

    // System menu: appends a separator and the item; false when there is no menu.
    virtual bool appendToSystemMenu(const std::string& caption, unsigned command) = 0;
    virtual std::string loadString(unsigned id) const = 0;
    // Sets the application icon as the big, then the small window icon.
    virtual void setWindowIcons() = 0;

    // Runs the About dialog modally with the given disclaimer in its edit box.
    virtual void runAboutDialog(const std::string& disclaimer) = 0;

    // Starts this program again as administrator, with these arguments, the
    // system's prompt owned by this window.
    virtual AdministratorStart startAgainAsAdministrator(const std::string& arguments) = 0;

    // Ends the modal run with this result (IDOK 1, IDCANCEL 2).
    virtual void endDialog(int result) = 0;
};
