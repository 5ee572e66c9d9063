// The main dialog's window: each DialogWindow call becomes a control message.
#pragma once

#include <windows.h>

#include "platform/DialogWindow.h"

class Win32DialogWindow : public DialogWindow {
   public:
    Win32DialogWindow(HWND dialog, HICON icon, HICON smallIcon)
        : dialog_(dialog), icon_(icon), smallIcon_(smallIcon) {}

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
    // The icons of another size, after a DPI change.
    void replaceIcons(HICON icon, HICON smallIcon) {
        icon_ = icon;
        smallIcon_ = smallIcon;
    }
    void runAboutDialog(const std::string& disclaimer) override;
    AdministratorStart startAgainAsAdministrator(const std::string& arguments) override;
    void endDialog(int result) override;

   private:
    LRESULT send(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
        return SendDlgItemMessageA(dialog_, id, message, wParam, lParam);
    }

    HWND dialog_;
    HICON icon_;
    HICON smallIcon_;
};
