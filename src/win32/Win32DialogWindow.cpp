#include "win32/Win32DialogWindow.h"

#include <commctrl.h>
#include <shellapi.h>

#include "win32/AboutDialog.h"
#include "win32/LateFunctions.h"
#include "win32/Win32ColorListBox.h"
#include "win32/Win32Services.h"

int Win32DialogWindow::showMessageBox(const std::string& text, const std::string& caption,
                                      unsigned style) {
    return MessageBoxA(dialog_, text.c_str(), caption.c_str(), style);
}

void Win32DialogWindow::setItemText(int id, const std::string& text) {
    SetDlgItemTextA(dialog_, id, text.c_str());
}

std::string Win32DialogWindow::itemText(int id) const {
    HWND control = GetDlgItem(dialog_, id);
    std::string text(std::size_t(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(std::size_t(GetWindowTextA(control, text.data(), int(text.size()))));
    return text;
}

// The W function is a stub on Windows 95, 98 and ME: looked up, and asked on
// the NT line only. No file name is longer than the buffer, so a script name
// the buffer cuts is never written.
std::optional<std::u16string> Win32DialogWindow::unicodeItemText(int id) const {
    using Text = int(WINAPI*)(HWND, LPWSTR, int);
    const auto text = loadedFunction<Text>("user32.dll", "GetWindowTextW");
    if (!windowsNtLine() || !text) return std::nullopt;
    constexpr int kRoom = 32768;
    std::u16string read(kRoom, u'\0');
    const int length = text(GetDlgItem(dialog_, id), reinterpret_cast<LPWSTR>(read.data()), kRoom);
    read.resize(std::size_t(length > 0 ? length : 0));
    return read;
}

void Win32DialogWindow::setCheck(int id, int state) {
    CheckDlgButton(dialog_, id, state != 0 ? BST_CHECKED : BST_UNCHECKED);
}

int Win32DialogWindow::checkState(int id) const {
    return IsDlgButtonChecked(dialog_, id) == BST_CHECKED ? 1 : 0;
}

void Win32DialogWindow::enableItem(int id, bool enable) {
    EnableWindow(GetDlgItem(dialog_, id), enable ? TRUE : FALSE);
}

void Win32DialogWindow::limitText(int id, int maxCharacters) {
    send(id, EM_LIMITTEXT, WPARAM(maxCharacters), 0);
}

void Win32DialogWindow::listAddString(int id, const std::string& text) {
    send(id, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32DialogWindow::listSetSelection(int id, int index, bool select) {
    send(id, LB_SETSEL, select ? TRUE : FALSE, index);
}

int Win32DialogWindow::listCurrentSelection(int id) const {
    return int(send(id, LB_GETCURSEL, 0, 0));
}

int Win32DialogWindow::listSelectionCount(int id) const {
    return int(send(id, LB_GETSELCOUNT, 0, 0));
}

std::vector<int> Win32DialogWindow::listSelectedItems(int id, int maxItems) const {
    std::vector<int> items(std::size_t(maxItems > 0 ? maxItems : 0));
    LRESULT got =
        send(id, LB_GETSELITEMS, WPARAM(items.size()), reinterpret_cast<LPARAM>(items.data()));
    items.resize(got > 0 ? std::size_t(got) : 0);
    return items;
}

std::string Win32DialogWindow::listText(int id, int index) const {
    LRESULT length = send(id, LB_GETTEXTLEN, WPARAM(index), 0);
    if (length < 0) return {};
    std::string text(std::size_t(length) + 1, '\0');
    LRESULT got = send(id, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 ? std::size_t(got) : 0);
    return text;
}

void Win32DialogWindow::trackbarSetRangeMin(int id, int minimum, bool redraw) {
    send(id, TBM_SETRANGEMIN, redraw ? TRUE : FALSE, minimum);
}

void Win32DialogWindow::trackbarSetRangeMax(int id, int maximum, bool redraw) {
    send(id, TBM_SETRANGEMAX, redraw ? TRUE : FALSE, maximum);
}

void Win32DialogWindow::trackbarSetPosition(int id, int position, bool redraw) {
    send(id, TBM_SETPOS, redraw ? TRUE : FALSE, position);
}

void Win32DialogWindow::bindColorListBox(int id, ColorListBox& box) {
    ::bindColorListBox(GetDlgItem(dialog_, id), box);
}

bool Win32DialogWindow::appendToSystemMenu(const std::string& caption, unsigned command) {
    HMENU menu = GetSystemMenu(dialog_, FALSE);
    if (!menu) return false;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, command, caption.c_str());
    return true;
}

std::string Win32DialogWindow::loadString(unsigned id) const {
    char text[256] = {};
    int length = LoadStringA(GetModuleHandleA(nullptr), id, text, int(sizeof text));
    return std::string(text, std::size_t(length > 0 ? length : 0));
}

void Win32DialogWindow::setWindowIcons() {
    SendMessageA(dialog_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(dialog_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

void Win32DialogWindow::runAboutDialog(const std::string& disclaimer) {
    AboutDialog about(disclaimer);
    about.run(dialog_);
}

namespace {
// ShellExecuteEx asks for COM on the calling thread, for handlers that use it.
// CoInitializeEx is not on the first Windows 95: looked up, and only on the
// Windows that can start a program as administrator.
class ComForShellExecute {
   public:
    ComForShellExecute() : ole32_(LoadLibraryA("ole32.dll")) {
        using Initialize = HRESULT(WINAPI*)(LPVOID, DWORD);
        const auto initialize = functionOf<Initialize>(ole32_, "CoInitializeEx");
        initialized_ =
            initialize &&
            SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
    ~ComForShellExecute() {
        using Uninitialize = void(WINAPI*)();
        const auto uninitialize = functionOf<Uninitialize>(ole32_, "CoUninitialize");
        if (initialized_ && uninitialize) uninitialize();
        if (ole32_) FreeLibrary(ole32_);
    }
    ComForShellExecute(const ComForShellExecute&) = delete;
    ComForShellExecute& operator=(const ComForShellExecute&) = delete;

   private:
    HMODULE ole32_;
    bool initialized_ = false;
};
}  // namespace

// "runas" shows the UAC prompt on Vista and later and the "Run As" dialog on
// 2000 and XP, owned by the dialog so that it comes up in front. The new copy
// starts in the installation folder and finds it in the registry too, as every
// start does.
AdministratorStart Win32DialogWindow::startAgainAsAdministrator(const std::string& arguments) {
    using Outcome = AdministratorStart::Outcome;
    char program[MAX_PATH] = {};
    char folder[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    const DWORD folderLength = GetCurrentDirectoryA(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH || folderLength == 0 || folderLength >= MAX_PATH)
        return {Outcome::kFailed, windowsErrorText(GetLastError())};
    const ComForShellExecute com;
    SHELLEXECUTEINFOA start = {};
    start.cbSize = sizeof start;
    // Our own message says why a start failed; this program ends right after
    // the start, so the start must be complete when the call returns.
    start.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    start.hwnd = dialog_;
    start.lpVerb = "runas";
    start.lpFile = program;
    start.lpParameters = arguments.c_str();
    start.lpDirectory = folder;
    start.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExA(&start)) return {Outcome::kStarted, {}};
    const DWORD error = GetLastError();
    if (error == ERROR_CANCELLED) return {Outcome::kDeclined, {}};
    return {Outcome::kFailed, windowsErrorText(error)};
}

void Win32DialogWindow::endDialog(int result) { EndDialog(dialog_, result); }
