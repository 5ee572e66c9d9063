#include "Layout.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vsstyle.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "Expect.h"
#include "Screen.h"
#include "layout/DialogTemplate.h"

namespace {
// The check box mark of the visual style that is on, as the program's Common
// Controls 6 draw it at that DPI; nothing in the classic look.
std::optional<int> themedCheckMarkWidth(HWND window, int dpi) {
    if (!IsThemeActive()) return std::nullopt;
    using OpenForDpi = HTHEME(WINAPI*)(HWND, LPCWSTR, UINT);
    const auto openForDpi = reinterpret_cast<OpenForDpi>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("uxtheme.dll"), "OpenThemeDataForDpi")));
    HTHEME theme = openForDpi ? openForDpi(window, L"BUTTON", static_cast<UINT>(dpi))
                              : OpenThemeData(window, L"BUTTON");
    if (!theme) return std::nullopt;
    HDC dc = GetDC(window);
    SIZE mark{};
    const bool measured = SUCCEEDED(
        GetThemePartSize(theme, dc, BP_CHECKBOX, CBS_UNCHECKEDNORMAL, nullptr, TS_DRAW, &mark));
    ReleaseDC(window, dc);
    CloseThemeData(theme);
    if (!measured || mark.cx <= 0) return std::nullopt;
    return mark.cx;
}

// A system metric at a DPI, where Windows (or Wine) can tell it.
int systemMetricAt(int index, int dpi) {
    using ForDpi = int(WINAPI*)(int, UINT);
    const auto forDpi = reinterpret_cast<ForDpi>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "GetSystemMetricsForDpi")));
    return forDpi ? forDpi(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

RECT boxIn(HWND dialog, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool inside(const RECT& outer, const RECT& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

std::vector<HWND> childrenOf(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::string classOf(HWND window) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

enum class TextKind { none, wrapping, oneLine, checkBox, pushButton, groupBox };

TextKind textKindOf(HWND window) {
    const std::string name = classOf(window);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    if (lstrcmpiA(name.c_str(), "Static") == 0) {
        const LONG type = style & SS_TYPEMASK;
        if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) return TextKind::wrapping;
        if (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE) return TextKind::oneLine;
        return TextKind::none;
    }
    if (lstrcmpiA(name.c_str(), "Button") == 0) {
        switch (style & BS_TYPEMASK) {
            case BS_PUSHBUTTON:
            case BS_DEFPUSHBUTTON:
                return TextKind::pushButton;
            case BS_GROUPBOX:
                return TextKind::groupBox;
            case BS_CHECKBOX:
            case BS_AUTOCHECKBOX:
            case BS_RADIOBUTTON:
            case BS_AUTORADIOBUTTON:
            case BS_3STATE:
            case BS_AUTO3STATE:
                return TextKind::checkBox;
            default:
                return TextKind::none;
        }
    }
    return TextKind::none;
}

bool isPicture(HWND window) {
    return lstrcmpiA(classOf(window).c_str(), "Static") == 0 &&
           (GetWindowLongA(window, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
}

INT_PTR CALLBACK quietProcedure(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// The template's dialog, made here from the program's own resources and never
// shown, as the dialog manager makes it at this DPI: at another DPI than the
// screen's, its font is that many times larger.
class TemplateDialog {
   public:
    TemplateDialog(const std::string& program, int templateId, int dpi) {
        InitCommonControls();
        module_ = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (module_ == nullptr) fail("cannot read the resources of " + program);
        HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));
        HGLOBAL loaded = found ? LoadResource(module_, found) : nullptr;
        const auto* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
        if (bytes == nullptr)
            fail("the program has no dialog template " + std::to_string(templateId));
        std::vector<BYTE> copy(bytes, bytes + SizeofResource(module_, found));
        if (dpi != screenDpi()) {
            const DialogTemplate plan = readDialogTemplate(copy.data(), copy.size());
            const int points = plan.pointSize * dpi / screenDpi();
            if (!plan.valid || plan.pointSize == 0 || points * screenDpi() != plan.pointSize * dpi)
                fail("cannot make the template's font for " + std::to_string(dpi) + " DPI");
            copy[plan.pointSizeOffset] = static_cast<BYTE>(points);
            copy[plan.pointSizeOffset + 1] = static_cast<BYTE>(points >> 8);
        }
        // DLGTEMPLATEEX (version 1, signature 0xFFFF) keeps its style at byte 12, DLGTEMPLATE at 0.
        const bool extended =
            copy.size() > 16 && copy[0] == 1 && copy[1] == 0 && copy[2] == 0xFF && copy[3] == 0xFF;
        DWORD style = 0;
        std::memcpy(&style, copy.data() + (extended ? 12 : 0), sizeof style);
        style &= ~static_cast<DWORD>(WS_VISIBLE);
        std::memcpy(copy.data() + (extended ? 12 : 0), &style, sizeof style);
        window_ = CreateDialogIndirectParamA(reinterpret_cast<HINSTANCE>(module_),
                                             reinterpret_cast<LPCDLGTEMPLATEA>(copy.data()),
                                             nullptr, quietProcedure, 0);
        if (window_ == nullptr) fail("cannot make the template's dialog");
    }
    ~TemplateDialog() {
        if (window_) DestroyWindow(window_);
        if (module_) FreeLibrary(module_);
    }
    TemplateDialog(const TemplateDialog&) = delete;
    TemplateDialog& operator=(const TemplateDialog&) = delete;

    HWND window() const { return window_; }
    RECT inPixels(const TemplatePicture& units) const {
        RECT rect{units.left, units.top, units.left + units.width, units.top + units.height};
        MapDialogRect(window_, &rect);
        return rect;
    }

   private:
    HMODULE module_ = nullptr;
    HWND window_ = nullptr;
};

// Measures a text as its control draws it: the template's font at this DPI.
class Ruler {
   public:
    Ruler(HWND templateDialog, int dpi) : window_(templateDialog), dc_(GetDC(templateDialog)) {
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(templateDialog, WM_GETFONT, 0, 0));
        previous_ = SelectObject(dc_, font);
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc_, &metrics);
        averageWidth_ = metrics.tmAveCharWidth;
        // What Windows' own drawing may take of a check box: the mark and half a
        // character; a visual style draws a mark of its own size.
        markRoom_ = themedCheckMarkWidth(templateDialog, dpi)
                        .value_or(systemMetricAt(SM_CXMENUCHECK, dpi)) +
                    averageWidth_ / 2;
    }
    ~Ruler() {
        SelectObject(dc_, previous_);
        ReleaseDC(window_, dc_);
    }
    Ruler(const Ruler&) = delete;
    Ruler& operator=(const Ruler&) = delete;

    SIZE measure(const std::string& text, UINT format, int width) const {
        RECT rect{0, 0, width, 0};
        DrawTextA(dc_, text.c_str(), static_cast<int>(text.size()), &rect,
                  format | DT_CALCRECT | DT_EXPANDTABS);
        return {rect.right - rect.left, rect.bottom - rect.top};
    }
    int averageWidth() const { return averageWidth_; }
    int markRoom() const { return markRoom_; }

   private:
    HWND window_;
    HDC dc_;
    HGDIOBJ previous_;
    int averageWidth_ = 0;
    int markRoom_ = 0;
};

// What is clipped of this control's text, or empty when all of it shows.
std::string clipped(const Ruler& ruler, HWND control) {
    const TextKind kind = textKindOf(control);
    if (kind == TextKind::none) return {};
    char text[512] = {};
    GetWindowTextA(control, text, sizeof text);
    if (text[0] == '\0') return {};
    RECT client{};
    GetClientRect(control, &client);
    SIZE room{client.right, client.bottom};
    SIZE needed{};
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    switch (kind) {
        case TextKind::wrapping:
            needed = ruler.measure(text, DT_WORDBREAK | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0),
                                   room.cx);
            break;
        case TextKind::oneLine:
            needed = ruler.measure(text, DT_SINGLELINE, room.cx);
            break;
        case TextKind::checkBox:
            needed = ruler.measure(text, DT_SINGLELINE, room.cx);
            needed.cx += ruler.markRoom();
            break;
        case TextKind::pushButton:
            needed = ruler.measure(text, DT_SINGLELINE, room.cx);
            room.cx -= 4;  // the button's raised edges
            room.cy -= 4;
            break;
        case TextKind::groupBox:
            needed = ruler.measure(text, DT_SINGLELINE, room.cx);
            room.cx -= ruler.averageWidth();  // the frame's line before and after the caption
            needed.cy = 0;
            break;
        case TextKind::none:
            break;
    }
    if (needed.cx <= room.cx && needed.cy <= room.cy) return {};
    return "\"" + printable(text) + "\" needs " + std::to_string(needed.cx) + "x" +
           std::to_string(needed.cy) + " px, has " + std::to_string(room.cx) + "x" +
           std::to_string(room.cy);
}

// Whether the picture control shows the art's deep blue in most of its top left quarter.
bool showsTheArt(HWND picture) {
    const ScreenArea shown(picture);
    int blue = 0, samples = 0;
    for (int y = 0; y < shown.height() / 2; y += 3) {
        for (int x = 0; x < shown.width() / 2; x += 3) {
            const COLORREF c = shown.at(x, y);
            ++samples;
            if (GetBValue(c) > GetRValue(c) + 40) ++blue;
        }
    }
    return samples > 0 && blue * 2 > samples;
}

// The smallest group box of the template around this control, or the dialog's client area.
RECT roomIn(const std::vector<HWND>& controls, std::size_t index, HWND templateDialog) {
    RECT room{};
    GetClientRect(templateDialog, &room);
    const RECT own = boxIn(templateDialog, controls[index]);
    for (std::size_t other = 0; other < controls.size(); ++other) {
        if (other == index || textKindOf(controls[other]) != TextKind::groupBox) continue;
        const RECT group = boxIn(templateDialog, controls[other]);
        if (inside(group, own) && inside(room, group)) room = group;
    }
    return room;
}

}  // namespace

int screenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

void expectLayoutFitsTheScreen(HWND dialog, const std::string& program, int templateId,
                               const TemplatePicture& picture) {
    expectLayoutFitsTheScreen(dialog, program, templateId, picture, screenDpi());
}

void expectLayoutFitsTheScreen(HWND dialog, const std::string& program, int templateId,
                               const TemplatePicture& picture, int dpi) {
    expect(waitUntilPainted(dialog, kReaction), "the dialog did not finish painting");
    const TemplateDialog made(program, templateId, dpi);
    const std::vector<HWND> shown = childrenOf(dialog);
    const std::vector<HWND> planned = childrenOf(made.window());
    expectEqual(static_cast<long long>(shown.size()), static_cast<long long>(planned.size()),
                "controls in the dialog against its template");
    const bool atTemplateDpi = dpi == 96;
    std::string problems;
    auto report = [&](const std::string& problem) { problems += "; " + problem; };

    RECT shownClient{}, plannedClient{};
    GetClientRect(dialog, &shownClient);
    GetClientRect(made.window(), &plannedClient);
    if (!EqualRect(&shownClient, &plannedClient))
        report("the dialog is " + describe(shownClient) + ", its template " +
               describe(plannedClient));

    const Ruler ruler(made.window(), dpi);
    const RECT frame = made.inPixels(picture);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const std::string what = "control " + std::to_string(i) + " (" + classOf(planned[i]) + ")";
        const bool visible = (GetWindowLongA(planned[i], GWL_STYLE) & WS_VISIBLE) != 0;
        if (IsWindowVisible(shown[i]) != (visible ? TRUE : FALSE)) {
            report(what + (visible ? " is hidden" : " is shown"));
            continue;
        }
        if (!visible) continue;
        if (const std::string cut = clipped(ruler, shown[i]); !cut.empty())
            report(cut + " (clipped)");

        const RECT now = boxIn(dialog, shown[i]);
        const RECT was = boxIn(made.window(), planned[i]);
        if (isPicture(shown[i])) {
            const int w = now.right - now.left, h = now.bottom - now.top;
            const int fw = frame.right - frame.left, fh = frame.bottom - frame.top;
            const bool fills = std::abs(w - fw) * 50 <= fw || std::abs(h - fh) * 50 <= fh;
            const bool centred = std::abs(2 * (now.left - frame.left) - (fw - w)) <= 2 &&
                                 std::abs(2 * (now.top - frame.top) - (fh - h)) <= 2;
            if (!centred || !fills || w > fw || h > fh)
                report("the picture is " + describe(now) + " in its frame " + describe(frame));
            if (!waitUntil([&] { return showsTheArt(shown[i]); }, kReaction))
                report("the picture does not show the art");
        }
        // The swatches and the resolution list: lines as high as the template's font makes them.
        if (lstrcmpiA(classOf(shown[i]).c_str(), "ListBox") == 0) {
            const LRESULT height = SendMessageA(shown[i], LB_GETITEMHEIGHT, 0, 0);
            const LRESULT wanted = SendMessageA(planned[i], LB_GETITEMHEIGHT, 0, 0);
            if (height != wanted)
                report(what + " has lines of " + std::to_string(height) + " px, the template " +
                       std::to_string(wanted));
        }
        if (EqualRect(&now, &was)) continue;
        // A list box of whole lines drops the part line at its foot: the system's rule.
        if (lstrcmpiA(classOf(shown[i]).c_str(), "ListBox") == 0 &&
            (GetWindowLongA(shown[i], GWL_STYLE) & LBS_NOINTEGRALHEIGHT) == 0 &&
            now.left == was.left && now.top == was.top && now.right == was.right &&
            now.bottom <= was.bottom && now.bottom > was.top)
            continue;
        if (atTemplateDpi && !isPicture(shown[i])) {
            report(what + " is at " + describe(now) + ", the template at " + describe(was));
            continue;
        }
        if (!isPicture(shown[i])) {
            const bool grown = textKindOf(shown[i]) != TextKind::none && now.left == was.left &&
                               now.top == was.top && now.right >= was.right &&
                               now.bottom >= was.bottom;
            if (!grown) report(what + " moved to " + describe(now) + " from " + describe(was));
            const RECT room = roomIn(planned, i, made.window());
            if (!inside(room, now))
                report(what + " at " + describe(now) + " leaves its room " + describe(room));
        }
        for (std::size_t j = 0; j < shown.size(); ++j) {
            if (j == i || !IsWindowVisible(shown[j])) continue;
            const RECT other = boxIn(dialog, shown[j]);
            if (overlap(now, other) && !overlap(was, boxIn(made.window(), planned[j])))
                report(what + " at " + describe(now) + " overlaps control " + std::to_string(j) +
                       " at " + describe(other));
        }
    }
    if (!problems.empty()) fail("at " + std::to_string(dpi) + " DPI" + problems.substr(1));
}

void moveToDpi(HWND dialog, int fromDpi, int toDpi) {
    RECT window{};
    GetWindowRect(dialog, &window);
    // Windows first asks for the size at the new DPI, offering the size scaled linearly.
    SIZE size{MulDiv(window.right - window.left, toDpi, fromDpi),
              MulDiv(window.bottom - window.top, toDpi, fromDpi)};
    DWORD processId = 0;
    GetWindowThreadProcessId(dialog, &processId);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    expect(process != nullptr, "cannot open the program's process");
    // The messages carry pointers, which must point into the program's own memory.
    void* remote = VirtualAllocEx(process, nullptr, sizeof window, MEM_COMMIT, PAGE_READWRITE);
    const UINT timeout = static_cast<UINT>(kReaction.count());
    DWORD_PTR sized = FALSE, result = 0;
    bool reached = remote && WriteProcessMemory(process, remote, &size, sizeof size, nullptr);
    const bool asked =
        reached &&
        SendMessageTimeoutA(dialog, 0x02E4 /* WM_GETDPISCALEDSIZE */, static_cast<WPARAM>(toDpi),
                            reinterpret_cast<LPARAM>(remote), SMTO_NORMAL, timeout, &sized) &&
        (reached = ReadProcessMemory(process, remote, &size, sizeof size, nullptr));
    // Then it suggests a rectangle of the answered size, where the window stands.
    const RECT suggested{window.left, window.top, window.left + size.cx, window.top + size.cy};
    reached = reached && WriteProcessMemory(process, remote, &suggested, sizeof suggested, nullptr);
    const bool answered =
        asked && reached &&
        SendMessageTimeoutA(dialog, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(toDpi, toDpi),
                            reinterpret_cast<LPARAM>(remote), SMTO_NORMAL, timeout, &result);
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    expect(reached, "cannot exchange the size and rectangle through the program's memory");
    expect(asked && sized == TRUE, "the dialog did not answer WM_GETDPISCALEDSIZE");
    expect(answered, "the dialog did not answer WM_DPICHANGED");
    GetWindowRect(dialog, &window);
    expect(EqualRect(&window, &suggested) != FALSE,
           "at " + std::to_string(toDpi) + " DPI the window is " + describe(window) +
               ", the suggested rectangle " + describe(suggested));
}
