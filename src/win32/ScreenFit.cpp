#include "win32/ScreenFit.h"

#include <cstdint>
#include <string>
#include <vector>

#include "layout/DialogLayout.h"
#include "win32/VisualStyle.h"

namespace {

// Marks the bitmap that fitToScreen made, which the dialog deletes when it goes.
constexpr char kPictureProperty[] = "ScriptGen.Picture";

struct Child {
    HWND window;
    ControlClass what;
};

Child describe(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    const auto style = static_cast<std::uint32_t>(GetWindowLongA(window, GWL_STYLE));
    return {window, classifyControl(className, style)};
}

Box boxOf(HWND dialog, HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

std::string textOf(HWND window) {
    std::string text(std::size_t(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(std::size_t(GetWindowTextA(window, text.data(), int(text.size()))));
    return text;
}

// Measures texts as the controls draw them: the dialog's font on the screen.
class TextRuler {
   public:
    explicit TextRuler(HWND dialog) : dialog_(dialog), dc_(GetDC(dialog)) {
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
        previous_ = font ? SelectObject(dc_, font) : nullptr;
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc_, &metrics);
        facts_.averageCharWidth = metrics.tmAveCharWidth;
        facts_.checkMarkWidth = GetSystemMetrics(SM_CXMENUCHECK);
    }
    ~TextRuler() {
        if (previous_) SelectObject(dc_, previous_);
        ReleaseDC(dialog_, dc_);
    }
    TextRuler(const TextRuler&) = delete;
    TextRuler& operator=(const TextRuler&) = delete;

    const TextFacts& facts() const { return facts_; }

    Size measure(const ControlClass& control, const std::string& text, int width) const {
        UINT format = DT_CALCRECT | DT_EXPANDTABS;
        format |= control.kind == ControlKind::kWrappingText ? DT_WORDBREAK : DT_SINGLELINE;
        if (control.noPrefix) format |= DT_NOPREFIX;
        RECT rect{0, 0, width, 0};
        DrawTextA(dc_, text.c_str(), int(text.size()), &rect, format);
        return {rect.right - rect.left, rect.bottom - rect.top};
    }

   private:
    HWND dialog_;
    HDC dc_;
    HGDIOBJ previous_;
    TextFacts facts_;
};

// A visual style draws a mark of its own size before a check box's text.
TextFacts withThemedCheckMark(TextFacts facts, HWND dialog, const std::vector<Child>& children) {
    for (const Child& child : children) {
        if (!child.what.checkMark) continue;
        HDC screen = GetDC(dialog);
        const UINT dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSX));
        ReleaseDC(dialog, screen);
        facts.checkMarkWidth =
            themedCheckMarkWidth(child.window, dpi).value_or(facts.checkMarkWidth);
        break;
    }
    return facts;
}

void fitTextsOf(HWND dialog, const std::vector<Child>& children) {
    const TextRuler ruler(dialog);
    const TextFacts facts = withThemedCheckMark(ruler.facts(), dialog, children);
    std::vector<LaidControl> controls;
    std::vector<std::string> texts;
    for (const Child& child : children) {
        const ControlKind kind = child.what.kind;
        controls.push_back({kind, boxOf(dialog, child.window), textPadding(child.what, facts)});
        texts.push_back(kind == ControlKind::kOther ? std::string() : textOf(child.window));
    }
    RECT client;
    GetClientRect(dialog, &client);
    RECT margin{0, 0, 4, 4};  // a character's width from the edge of a group or the dialog
    MapDialogRect(dialog, &margin);
    const auto boxes = fitTexts(
        controls, {client.left, client.top, client.right, client.bottom}, margin.right,
        [&](std::size_t i, int width) { return ruler.measure(children[i].what, texts[i], width); });
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (boxes[i] == controls[i].box) continue;
        SetWindowPos(children[i].window, nullptr, boxes[i].left, boxes[i].top, boxes[i].width(),
                     boxes[i].height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// The size of a bitmap resource, read from its header without loading it.
Size bitmapSize(HINSTANCE instance, WORD id) {
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));  // RT_BITMAP
    if (!found) return {};
    HGLOBAL loaded = LoadResource(instance, found);
    const auto* header =
        loaded ? static_cast<const BITMAPINFOHEADER*>(LockResource(loaded)) : nullptr;
    if (!header) return {};
    return {header->biWidth, header->biHeight < 0 ? -header->biHeight : header->biHeight};
}

// The bitmap scaled down to that size, as smoothly as the system can.
HBITMAP scaledDown(HWND dialog, HBITMAP original, Size from, Size to) {
    HDC screen = GetDC(dialog);
    HDC source = CreateCompatibleDC(screen);
    HDC target = CreateCompatibleDC(screen);
    HBITMAP scaled = CreateCompatibleBitmap(screen, to.width, to.height);
    if (source && target && scaled) {
        HGDIOBJ oldSource = SelectObject(source, original);
        HGDIOBJ oldTarget = SelectObject(target, scaled);
        // Halftone averages the pixels it drops (NT only). Elsewhere the default mode
        // would AND the dropped pixels together and darken the art: drop them instead.
        OSVERSIONINFOA version{};
        version.dwOSVersionInfoSize = sizeof version;
        const bool windowsNt =
            GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
        if (windowsNt && SetStretchBltMode(target, HALFTONE)) {
            SetBrushOrgEx(target, 0, 0, nullptr);
        } else {
            SetStretchBltMode(target, COLORONCOLOR);
        }
        StretchBlt(target, 0, 0, to.width, to.height, source, 0, 0, from.width, from.height,
                   SRCCOPY);
        SelectObject(source, oldSource);
        SelectObject(target, oldTarget);
    }
    if (scaled && !(source && target)) {
        DeleteObject(scaled);
        scaled = nullptr;
    }
    if (source) DeleteDC(source);
    if (target) DeleteDC(target);
    ReleaseDC(dialog, screen);
    return scaled;
}

void showPictureVersion(HWND dialog, HWND picture, const PictureArt& art) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    std::vector<Size> versions;
    for (WORD id : art.bitmaps) versions.push_back(bitmapSize(instance, id));
    RECT frame = art.templateRect;
    frame.right += frame.left;
    frame.bottom += frame.top;
    MapDialogRect(dialog, &frame);
    const PictureChoice choice =
        choosePicture(versions, {frame.right - frame.left, frame.bottom - frame.top});
    if (choice.version == 0 && choice.shown == versions[0]) return;  // the template's own
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(art.bitmaps[choice.version]), IMAGE_BITMAP, 0, 0, 0));
    if (!bitmap) return;
    if (!(choice.shown == versions[choice.version])) {
        HBITMAP scaled = scaledDown(dialog, bitmap, versions[choice.version], choice.shown);
        DeleteObject(bitmap);
        bitmap = scaled;
        if (!bitmap) return;
    }
    HGDIOBJ old = reinterpret_cast<HGDIOBJ>(
        SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    if (old) DeleteObject(old);
    SetPropA(dialog, kPictureProperty, bitmap);
    // The control has taken the bitmap's size; it goes to the middle of its frame.
    const Box place = centredIn({frame.left, frame.top, frame.right, frame.bottom}, choice.shown);
    SetWindowPos(picture, nullptr, place.left, place.top, place.width(), place.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

std::vector<Child> visibleChildren(HWND dialog) {
    std::vector<Child> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) children.push_back(describe(child));
    }
    return children;
}

}  // namespace

void fitToScreen(HWND dialog, const PictureArt& art) {
    const std::vector<Child> children = visibleChildren(dialog);
    for (const Child& child : children) {
        if (child.what.picture) showPictureVersion(dialog, child.window, art);
    }
    fitTextsOf(dialog, children);
}

void releasePicture(HWND dialog) {
    HGDIOBJ bitmap = RemovePropA(dialog, kPictureProperty);
    if (bitmap) DeleteObject(bitmap);
}

HICON loadIconAtSystemSize(HINSTANCE instance, WORD id, bool small) {
    const int width = GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
    const int height = GetSystemMetrics(small ? SM_CYSMICON : SM_CYICON);
    return static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, width, height, 0));
}
