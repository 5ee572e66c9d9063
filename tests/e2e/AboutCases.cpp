// The About dialog, from its button and from the system menu.
#include "CaseHelpers.h"
#include "E2eCases.h"
#include "Expect.h"
#include "Layout.h"
#include "ModalBoxes.h"
#include "resource.h"

namespace {
// The picture's rectangle in the About dialog's template, in dialog units.
constexpr TemplatePicture kPictureInTemplate{7, 7, 43, 40};

// The About dialog that the last action opened, checked for owner and text.
HWND expectAboutDialog(const Session& session) {
    HWND about = session.program().waitForWindow("#32770", expected::kAboutCaption, kReaction);
    expect(GetWindow(about, GW_OWNER) == session.dialog().window(),
           "the About dialog is not owned by the main dialog");
    HWND disclaimer = GetDlgItem(about, IDC_DISCLAIMER);
    expect(disclaimer != nullptr, "the About dialog has no disclaimer box");
    expectEqual(windowText(disclaimer), expected::disclaimer(), "disclaimer");
    return about;
}

void closeWithEscape(const MainDialog& dialog, HWND about) {
    dialog.postKey(VK_ESCAPE);
    expect(waitUntilClosed(about), "Escape did not close the About dialog");
    dialog.settle();
}

void aboutButtonShowsDisclaimer(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    dialog.click(IDC_ABOUT);
    HWND about = expectAboutDialog(session);
    expectLayoutFitsTheScreen(about, context.payload.program, IDD_ABOUT, kPictureInTemplate);
    saveShot(context, about, "e2e-about");
    if (screenDpi() == 96) {
        int from = 96;
        for (const int dpi : kMovedDpis) {
            moveToDpi(about, from, dpi);
            from = dpi;
            expectLayoutFitsTheScreen(about, context.payload.program, IDD_ABOUT, kPictureInTemplate,
                                      dpi);
            saveShot(context, about, "e2e-about-moved-" + std::to_string(dpi));
        }
    }
    answerModal(about, IDOK);
    dialog.settle();
    expect(dialog.isOpen(), "the main dialog closed with the About dialog");
    dialog.click(IDC_ABOUT);
    closeWithEscape(dialog, expectAboutDialog(session));
    expect(dialog.isOpen(), "the main dialog closed with the About dialog");
    session.closeWithCancel();
}

// The menu entry's command, and every id that differs only in the low four bits.
void systemMenuEntryShowsAbout(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    dialog.systemCommand(IDM_ABOUTBOX);
    answerModal(expectAboutDialog(session), IDOK);
    dialog.settle();
    dialog.systemCommand(IDM_ABOUTBOX | 0xF);
    closeWithEscape(dialog, expectAboutDialog(session));
    dialog.systemCommand(0x0020);
    expect(session.program().findWindow("#32770", expected::kAboutCaption) == nullptr,
           "system command 0x0020 opened the About dialog");
    expect(dialog.isOpen(), "the main dialog closed");
    session.closeWithCancel();
}

void typedTextIsForgotten(const CaseContext& context) {
    Session session(context);
    const MainDialog& dialog = session.dialog();
    dialog.click(IDC_ABOUT);
    HWND about = expectAboutDialog(session);
    SendMessageA(GetDlgItem(about, IDC_DISCLAIMER), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>("12345"));
    answerModal(about, IDOK);
    dialog.settle();
    dialog.click(IDC_ABOUT);
    answerModal(expectAboutDialog(session), IDOK);
    session.closeWithCancel();
}
}  // namespace

std::vector<E2eCase> aboutCases() {
    return {
        {"about_button_shows_disclaimer", aboutButtonShowsDisclaimer},
        {"system_menu_entry_shows_about", systemMenuEntryShowsAbout},
        {"about_typed_text_is_forgotten", typedTextIsForgotten},
    };
}
