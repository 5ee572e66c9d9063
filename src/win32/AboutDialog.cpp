#include "win32/AboutDialog.h"

#include "resource.h"
#include "win32/ScreenFit.h"

namespace {
// The About box's template and its picture's art at 1x, 1.5x and 2x.
constexpr DialogArt kAboutPicture{IDD_ABOUT, {IDB_ABOUT, IDB_ABOUT_150, IDB_ABOUT_200}};
}  // namespace

void AboutDialog::run(HWND owner) {
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), owner, procedure,
                    reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK AboutDialog::procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            auto* self = reinterpret_cast<AboutDialog*>(lParam);
            fitToScreen(dialog, kAboutPicture);
            SetDlgItemTextA(dialog, IDC_DISCLAIMER, self->disclaimerBoxText_.c_str());
            return TRUE;  // the focus goes to OK, the first tab stop
        }
        case WM_DESTROY:
            releaseFit(dialog);
            break;
        case kGetDpiScaledSize:
            SetWindowLongPtrA(dialog, DWLP_MSGRESULT,
                              answerDpiScaledSize(dialog, kAboutPicture, wParam, lParam));
            return TRUE;
        case kDpiChanged:
            fitToNewDpi(dialog, kAboutPicture, wParam, lParam);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            break;
    }
    return FALSE;
}
