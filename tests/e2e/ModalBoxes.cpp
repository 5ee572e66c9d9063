#include "ModalBoxes.h"

#include "Expect.h"
#include "MainDialog.h"
#include "RunningProgram.h"
#include "expected/ExpectedTexts.h"

namespace {
// Wine's message box puts its text in control 0xFFFF and its icon in 0x0440.
constexpr int kBoxTextId = 0xFFFF;
constexpr int kBoxIconId = 0x0440;

bool isMessageBox(HWND window) {
    char caption[256] = {};
    GetWindowTextA(window, caption, sizeof caption);
    const std::string title = caption;
    return title != expected::kDialogCaption && title != expected::kAboutCaption;
}

IconKind iconOnceDrawn(HWND box) {
    HWND icon = GetDlgItem(box, kBoxIconId);
    IconKind kind = IconKind::none;
    // The box may still be painting when it is found.
    waitUntil(
        [&] {
            kind = classifyIcon(icon);
            return kind != IconKind::unknown;
        },
        kReaction);
    return kind;
}
}  // namespace

ShownBox currentBox(const RunningProgram& program) {
    ShownBox box;
    for (HWND window : program.topLevelWindows("#32770")) {
        if (isMessageBox(window)) box.window = window;
    }
    if (box.window == nullptr) return box;
    char caption[256] = {};
    GetWindowTextA(box.window, caption, sizeof caption);
    box.title = caption;
    HWND text = GetDlgItem(box.window, kBoxTextId);
    box.text = text != nullptr ? windowText(text) : std::string();
    box.icon = iconOnceDrawn(box.window);
    box.hasOk = GetDlgItem(box.window, IDOK) != nullptr;
    box.hasYes = GetDlgItem(box.window, IDYES) != nullptr;
    box.hasNo = GetDlgItem(box.window, IDNO) != nullptr;
    box.owner = GetWindow(box.window, GW_OWNER);
    return box;
}

ShownBox waitForBox(const RunningProgram& program, Milliseconds timeout) {
    waitUntil(
        [&] {
            for (HWND window : program.topLevelWindows("#32770")) {
                if (isMessageBox(window)) return true;
            }
            return program.hasExited();
        },
        timeout);
    ShownBox box = currentBox(program);
    if (box.window == nullptr) {
        fail(program.hasExited() ? "the program ended instead of showing a message box"
                                 : "no message box appeared");
    }
    return box;
}

void answerModal(HWND modal, int buttonId) {
    HWND button = GetDlgItem(modal, buttonId);
    if (button == nullptr) fail("the window has no button " + std::to_string(buttonId));
    PostMessageA(button, BM_CLICK, 0, 0);
    if (!waitUntilClosed(modal)) {
        fail("the window stayed open after button " + std::to_string(buttonId));
    }
}

bool waitUntilClosed(HWND window) {
    return waitUntil([&] { return !IsWindow(window); }, kReaction) && repaintDesktop(kReaction);
}

namespace {
void expectStyle(const ShownBox& box, unsigned style) {
    const IconKind icon = style == kStopStyle       ? IconKind::stop
                          : style == kQuestionStyle ? IconKind::exclamation
                                                    : IconKind::information;
    const bool yesNo = style == kQuestionStyle;
    expect(box.icon == icon, "box \"" + printable(box.text) + "\" shows the " +
                                 iconKindName(box.icon) + ", expected the " + iconKindName(icon));
    expect(box.hasYes == yesNo && box.hasNo == yesNo && box.hasOk == !yesNo,
           "box \"" + printable(box.text) + "\" has the wrong buttons");
}
}  // namespace

void expectBoxAndAnswer(const MainDialog& dialog, const std::string& title, const std::string& text,
                        unsigned style, int answer) {
    const ShownBox box = waitForBox(dialog.program());
    expectEqual(box.title, title, "message box title");
    expectEqual(box.text, text, "message box text");
    expectStyle(box, style);
    expect(box.owner == dialog.window(),
           "box \"" + printable(box.text) + "\" is not owned by the main dialog");
    answerModal(box.window, answer);
    dialog.settle();
}

void expectBoxAndAnswer(const MainDialog& dialog, const std::string& text, unsigned style,
                        int answer) {
    expectBoxAndAnswer(dialog, expected::kMessageTitle, text, style, answer);
}

void expectNoBox(const RunningProgram& program, const std::string& when) {
    const ShownBox box = currentBox(program);
    if (box.window != nullptr) {
        fail("unexpected message box " + when + ": \"" + printable(box.text) + "\"");
    }
}
