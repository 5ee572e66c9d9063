#include "MainDialog.h"

#include <commctrl.h>

#include <cstdio>

#include "Expect.h"
#include "RunningProgram.h"
#include "Wait.h"
#include "resource.h"

MainDialog::MainDialog(const RunningProgram& program, HWND window)
    : program_(program), window_(window), threadId_(GetWindowThreadProcessId(window, nullptr)) {}

LRESULT MainDialog::send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(target, message, wParam, lParam, SMTO_NORMAL, 5000, &result)) {
        char name[16];
        std::snprintf(name, sizeof name, "0x%04X", message);
        fail(std::string("the program did not answer message ") + name +
             (program_.hasExited() ? " (it ended)" : ""));
    }
    return static_cast<LRESULT>(result);
}

HWND MainDialog::item(int id) const {
    HWND control = GetDlgItem(window_, id);
    if (control == nullptr) fail("the dialog has no control " + std::to_string(id));
    return control;
}

bool MainDialog::isChecked(int id) const {
    return send(item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool MainDialog::isEnabled(int id) const { return IsWindowEnabled(item(id)) != FALSE; }

std::string MainDialog::text(int id) const { return windowText(item(id)); }

void MainDialog::setText(int id, const std::string& text) const {
    send(item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void MainDialog::setUnicodeText(int id, const std::wstring& text) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                             SMTO_NORMAL, 5000, &result))
        fail("the program did not take a Unicode text");
}

void MainDialog::postClick(int id) const { PostMessageA(item(id), BM_CLICK, 0, 0); }

void MainDialog::click(int id) const {
    postClick(id);
    settle();
}

void MainDialog::systemCommand(WPARAM command) const {
    postSystemCommand(command);
    settle();
}

void MainDialog::postSystemCommand(WPARAM command) const {
    PostMessageA(window_, WM_SYSCOMMAND, command, 0);
}

void MainDialog::scroll(int requestCode, int position) const {
    const auto request = static_cast<WPARAM>(MAKEWPARAM(requestCode, position));
    PostMessageA(window_, WM_HSCROLL, request,
                 reinterpret_cast<LPARAM>(item(IDC_BRIGHTNESS_SLIDER)));
    settle();
}

void MainDialog::pressKey(WPARAM virtualKey) const {
    postKey(virtualKey);
    settle();
}

void MainDialog::postKey(WPARAM virtualKey) const {
    HWND target = focusWindow();
    postKeyTo(target != nullptr ? target : window_, virtualKey);
}

void MainDialog::pressKeyOn(int id, WPARAM virtualKey) const {
    postKeyTo(item(id), virtualKey);
    settle();
}

void MainDialog::clickInto(int id) const {
    HWND control = item(id);
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    settle();
}

int MainDialog::sliderPosition() const {
    return static_cast<int>(send(item(IDC_BRIGHTNESS_SLIDER), TBM_GETPOS, 0, 0));
}

int MainDialog::textLimit(int id) const {
    return static_cast<int>(send(item(id), EM_GETLIMITTEXT, 0, 0));
}

void MainDialog::postKeyTo(HWND target, WPARAM virtualKey) const {
    const UINT scanCode = MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
    PostMessageA(target, WM_KEYDOWN, virtualKey, static_cast<LPARAM>(1 | (scanCode << 16)));
    PostMessageA(target, WM_KEYUP, virtualKey,
                 static_cast<LPARAM>(1 | (scanCode << 16) | (3u << 30)));
}

void MainDialog::settle() const {
    // A marker posted behind the earlier messages: the hidden gray-level edit's
    // left margin, which nothing of the program looks at. When it has arrived,
    // every earlier message has been handled, or a modal loop that one of them
    // started is running and so has its window up.
    HWND hiddenEdit = item(IDC_GRAY_LEVEL);
    const auto marker = static_cast<WORD>(LOWORD(send(hiddenEdit, EM_GETMARGINS, 0, 0)) % 16 + 1);
    PostMessageA(hiddenEdit, EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(marker, 0));
    const bool arrived = waitUntil(
        [&] {
            DWORD_PTR margins = 0;
            if (!SendMessageTimeoutA(hiddenEdit, EM_GETMARGINS, 0, 0, SMTO_NORMAL, 1000,
                                     &margins)) {
                return program_.hasExited();
            }
            return LOWORD(margins) == marker;
        },
        kReaction);
    if (program_.hasExited()) fail("the program ended unexpectedly");
    if (!arrived) fail("the program stopped handling messages");
}

int MainDialog::listCount() const {
    return static_cast<int>(send(item(IDC_RESOLUTION_LIST), LB_GETCOUNT, 0, 0));
}

std::string MainDialog::listText(int index) const {
    HWND list = item(IDC_RESOLUTION_LIST);
    const auto length = send(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0 || length > 1000) fail("no list entry " + std::to_string(index));
    // Wine converts list texts across processes only in the Unicode message.
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(wide.data()), SMTO_NORMAL, 5000, &copied)) {
        fail("the program did not answer LB_GETTEXT");
    }
    wide.resize(static_cast<std::size_t>(copied));
    std::string narrow;
    for (wchar_t c : wide) narrow += c < 128 ? static_cast<char>(c) : '?';
    return narrow;
}

std::vector<std::string> MainDialog::listTexts() const {
    std::vector<std::string> texts;
    const int count = listCount();
    for (int i = 0; i < count; ++i) texts.push_back(listText(i));
    return texts;
}

bool MainDialog::listSelected(int index) const {
    return send(item(IDC_RESOLUTION_LIST), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void MainDialog::selectEntries(const std::vector<int>& indices) const {
    HWND list = item(IDC_RESOLUTION_LIST);
    send(list, LB_SETSEL, FALSE, -1);
    for (int index : indices) send(list, LB_SETSEL, TRUE, index);
    if (!indices.empty()) send(list, LB_SETCARETINDEX, static_cast<WPARAM>(indices.back()), FALSE);
    // LB_SETSEL does not notify; a click would.
    PostMessageA(window_, WM_COMMAND, MAKEWPARAM(IDC_RESOLUTION_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    settle();
}

HWND MainDialog::focusWindow() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId_, &info)) return nullptr;
    return info.hwndFocus;
}

bool MainDialog::isOpen() const { return IsWindow(window_) && IsWindowVisible(window_); }
