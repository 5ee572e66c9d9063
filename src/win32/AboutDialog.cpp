#include "win32/AboutDialog.h"

#include "resource.h"

void AboutDialog::run(HWND owner) {
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), owner, procedure,
                    reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK AboutDialog::procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            auto* self = reinterpret_cast<AboutDialog*>(lParam);
            SetDlgItemTextA(dialog, IDC_DISCLAIMER, self->disclaimerBoxText_.c_str());
            return TRUE;  // the focus goes to OK, the first tab stop
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            break;
    }
    return FALSE;
}
