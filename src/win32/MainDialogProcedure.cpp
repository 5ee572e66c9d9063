// The thin Win32 side of the main dialog: window messages in, calls on the
// portable dialog out. Everything worth testing happens in ScriptGenDialog.
#include "win32/MainDialogProcedure.h"

#include <memory>

#include "resource.h"
#include "win32/LateFunctions.h"
#include "win32/ScreenFit.h"
#include "win32/Win32ColorListBox.h"
#include "win32/Win32DialogWindow.h"
#include "win32/Win32Services.h"

namespace {

struct MainDialogHost {
    ScriptGenDialog& dialog;
    HINSTANCE instance;
    HICON icon = nullptr;       // the icon size at the dialog's DPI: the big window icon,
                                // minimised and dragged
    HICON smallIcon = nullptr;  // the caption's
    std::unique_ptr<Win32DialogWindow> window;
    ~MainDialogHost() {
        if (icon) DestroyIcon(icon);
        if (smallIcon) DestroyIcon(smallIcon);
    }

    // Takes the icons in the sizes of this DPI, gives them to the window, if
    // there is one yet, and then lets the old ones go.
    void loadIcons(UINT dpi) {
        const HICON oldIcon = icon, oldSmallIcon = smallIcon;
        icon = loadIconAtDpi(instance, IDI_APPICON, false, dpi);
        smallIcon = loadIconAtDpi(instance, IDI_APPICON, true, dpi);
        if (window) {
            window->replaceIcons(icon, smallIcon);
            window->setWindowIcons();
        }
        if (oldIcon) DestroyIcon(oldIcon);
        if (oldSmallIcon) DestroyIcon(oldSmallIcon);
    }
};

// The main dialog's template and the logo's art at 1x, 1.5x and 2x.
constexpr DialogArt kLogo{IDD_MAIN, {IDB_LOGO, IDB_LOGO_150, IDB_LOGO_200}};

// A minimised dialog draws its icon centred in the client area.
void paintIconic(HWND dialogWindow, HICON icon) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialogWindow, &paint);
    SendMessageA(dialogWindow, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    int iconWidth = GetSystemMetrics(SM_CXICON);
    int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(dialogWindow, &client);
    int x = (client.right - client.left - iconWidth + 1) / 2;
    int y = (client.bottom - client.top - iconHeight + 1) / 2;
    DrawIcon(dc, x, y, icon);
    EndPaint(dialogWindow, &paint);
}

INT_PTR CALLBACK mainDialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* host = reinterpret_cast<MainDialogHost*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        fitToScreen(window, kLogo);
        host->loadIcons(dpiOfWindow(window));
        host->window = std::make_unique<Win32DialogWindow>(window, host->icon, host->smallIcon);
        return host->dialog.onInitDialog(*host->window) ? TRUE : FALSE;
    }
    auto* host = reinterpret_cast<MainDialogHost*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!host || !host->window) return FALSE;

    switch (message) {
        case WM_DESTROY:
            releaseFit(window);
            return FALSE;
        case kGetDpiScaledSize:
            // A dialog procedure gives such a message's result through DWLP_MSGRESULT.
            SetWindowLongPtrA(window, DWLP_MSGRESULT,
                              answerDpiScaledSize(window, kLogo, wParam, lParam));
            return TRUE;
        case kDpiChanged:
            if (fitToNewDpi(window, kLogo, wParam, lParam)) host->loadIcons(LOWORD(wParam));
            return TRUE;
        case WM_COMMAND:
            host->dialog.onCommand(HIWORD(wParam), LOWORD(wParam));
            return TRUE;
        case WM_SYSCOMMAND:
            return host->dialog.onSysCommand(unsigned(wParam)) ? TRUE : FALSE;
        case WM_HSCROLL:
            host->dialog.onHScroll(LOWORD(wParam), short(HIWORD(wParam)));
            return FALSE;  // the default handling runs afterwards, handled or not
        case WM_PAINT:
            if (!IsIconic(window)) return FALSE;
            paintIconic(window, host->icon);
            return TRUE;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<INT_PTR>(host->icon);
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC: {
            // The control answers its own colour request; no brush means default colours.
            LRESULT brush = 0;
            if (reflectColorRequest(message, wParam, lParam, brush) && brush)
                return static_cast<INT_PTR>(brush);
            return FALSE;
        }
    }
    return FALSE;
}

}  // namespace

INT_PTR runMainDialog(HINSTANCE instance, ScriptGenDialog& dialog) {
    MainDialogHost host{dialog, instance, nullptr, nullptr, nullptr};
    const auto lParam = reinterpret_cast<LPARAM>(&host);
    // On the NT line the dialog is a Unicode window: an edit box made so keeps what
    // the user types in Unicode, where the ANSI one would have lost what the
    // Windows code page lacks before anyone could tell. Every call of the
    // program stays ANSI, converted by the system.
    using UnicodeDialog = INT_PTR(WINAPI*)(HINSTANCE, LPCWSTR, HWND, DLGPROC, LPARAM);
    const auto unicodeDialog = loadedFunction<UnicodeDialog>("user32.dll", "DialogBoxParamW");
    if (windowsNtLine() && unicodeDialog)
        return unicodeDialog(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, mainDialogProcedure,
                             lParam);
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, mainDialogProcedure,
                           lParam);
}
