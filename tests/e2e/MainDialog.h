// Drives the program's main dialog from outside, as a user would, with window
// messages sent or posted to its controls by id.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class RunningProgram;

class MainDialog {
   public:
    MainDialog(const RunningProgram& program, HWND window);

    HWND window() const { return window_; }
    const RunningProgram& program() const { return program_; }
    HWND item(int id) const;  // fails the case when the control is missing

    bool isChecked(int id) const;
    bool isEnabled(int id) const;
    std::string text(int id) const;
    void setText(int id, const std::string& text) const;
    // As typed on the NT line: Unicode, whatever the Windows code page holds.
    void setUnicodeText(int id, const std::wstring& text) const;

    // Posts a click (so that a message box it opens cannot block the driver)
    // and waits until the program has handled it.
    void click(int id) const;
    void postClick(int id) const;
    // Posts a command or a scroll request and waits until handled.
    void systemCommand(WPARAM command) const;
    void postSystemCommand(WPARAM command) const;
    void scroll(int requestCode, int position = 0) const;
    // A key pressed and released where the focus is now.
    void pressKey(WPARAM virtualKey) const;
    void postKey(WPARAM virtualKey) const;
    // A key pressed and released on that control, wherever the focus is.
    void pressKeyOn(int id, WPARAM virtualKey) const;
    // A left mouse click inside the control (an edit box takes the focus so).
    void clickInto(int id) const;

    int sliderPosition() const;
    int textLimit(int id) const;  // of an edit box

    // Returns once every message posted so far has been handled, or once a modal
    // box that it opened is running its own loop.
    void settle() const;

    int listCount() const;
    std::string listText(int index) const;
    std::vector<std::string> listTexts() const;
    bool listSelected(int index) const;
    // Selects exactly these entries, then tells the dialog as a click would.
    void selectEntries(const std::vector<int>& indices) const;

    HWND focusWindow() const;  // the control of the program's thread with the focus
    bool isOpen() const;

   private:
    LRESULT send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const;
    void postKeyTo(HWND target, WPARAM virtualKey) const;
    const RunningProgram& program_;
    HWND window_;
    DWORD threadId_;
};
