#include "win32/ScreenFit.h"

#include <cstdint>
#include <string>
#include <vector>

#include "layout/DialogLayout.h"
#include "layout/DialogTemplate.h"
#include "win32/LateFunctions.h"
#include "win32/VisualStyle.h"
#include "win32/Win32Services.h"

namespace {

// Mark the bitmap and the font that the fitting made, which the dialog deletes when it goes.
constexpr char kPictureProperty[] = "ScriptGen.Picture";
constexpr char kFontProperty[] = "ScriptGen.Font";
// Counts the DPI changes the dialog has begun to follow.
constexpr char kDpiChangeProperty[] = "ScriptGen.DpiChanges";

// Functions of newer Windows than the program's floor, looked up at run time.
template <typename Function>
Function user32(const char* name) {
    return loadedFunction<Function>("user32.dll", name);
}

int screenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// A system metric at a DPI: the system's own answer from Windows 10 1607 on;
// before, every window has the system's DPI.
int systemMetricAt(int index, UINT dpi) {
    using ForDpi = int(WINAPI*)(int, UINT);
    const auto forDpi = user32<ForDpi>("GetSystemMetricsForDpi");
    if (forDpi) return forDpi(index, dpi);
    return mulDiv(GetSystemMetrics(index), int(dpi), screenDpi());
}

struct Child {
    HWND window = nullptr;
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

// Measures texts as the controls draw them: the dialog's font at its DPI.
class TextRuler {
   public:
    TextRuler(HWND dialog, HFONT font, UINT dpi) : dialog_(dialog), dc_(GetDC(dialog)), dpi_(dpi) {
        previous_ = font ? SelectObject(dc_, font) : nullptr;
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc_, &metrics);
        facts_.averageCharWidth = metrics.tmAveCharWidth;
        facts_.checkMarkWidth = systemMetricAt(SM_CXMENUCHECK, dpi);
        // The dialog manager's base units of the font.
        SIZE alphabet{};
        GetTextExtentPoint32A(dc_, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52,
                              &alphabet);
        units_ = baseUnitsOf(alphabet.cx, metrics.tmHeight);
    }
    ~TextRuler() {
        if (previous_) SelectObject(dc_, previous_);
        ReleaseDC(dialog_, dc_);
    }
    TextRuler(const TextRuler&) = delete;
    TextRuler& operator=(const TextRuler&) = delete;

    const TextFacts& facts() const { return facts_; }
    BaseUnits units() const { return units_; }
    UINT dpi() const { return dpi_; }

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
    UINT dpi_;
    HGDIOBJ previous_;
    TextFacts facts_;
    BaseUnits units_;
};

// A visual style draws a mark of its own size before a check box's text.
TextFacts withThemedCheckMark(TextFacts facts, const std::vector<Child>& children, UINT dpi) {
    for (const Child& child : children) {
        if (!child.what.checkMark) continue;
        facts.checkMarkWidth =
            themedCheckMarkWidth(child.window, dpi).value_or(facts.checkMarkWidth);
        break;
    }
    return facts;
}

void place(HWND window, const Box& box) {
    SetWindowPos(window, nullptr, box.left, box.top, box.width(), box.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void fitTextsOf(HWND dialog, const std::vector<Child>& children, const TextRuler& ruler,
                BaseUnits units) {
    const TextFacts facts = withThemedCheckMark(ruler.facts(), children, ruler.dpi());
    // A hidden control takes no room: it stands as nothing, nowhere.
    std::vector<LaidControl> controls(children.size());
    std::vector<std::string> texts(children.size());
    for (std::size_t i = 0; i < children.size(); ++i) {
        const Child& child = children[i];
        if (!(GetWindowLongA(child.window, GWL_STYLE) & WS_VISIBLE)) continue;
        controls[i] = {child.what.kind, boxOf(dialog, child.window),
                       textPadding(child.what, facts)};
        if (child.what.kind != ControlKind::kOther) texts[i] = textOf(child.window);
    }
    RECT client;
    GetClientRect(dialog, &client);
    // A character's width (4 dialog units) from the edge of a group or the dialog.
    const auto boxes = fitTexts(
        controls, {client.left, client.top, client.right, client.bottom}, units.x,
        [&](std::size_t i, int width) { return ruler.measure(children[i].what, texts[i], width); });
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (!(boxes[i] == controls[i].box)) place(children[i].window, boxes[i]);
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
        if (windowsNtLine() && SetStretchBltMode(target, HALFTONE)) {
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

// Shows the version of the art that fits the frame, in its middle.
void showPicture(HWND dialog, HWND picture, const DialogArt& art, Box frame) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    std::vector<Size> versions(3);
    for (std::size_t v = 0; v < versions.size(); ++v)
        versions[v] = bitmapSize(instance, art.bitmaps[v]);
    const PictureChoice choice = choosePicture(versions, {frame.width(), frame.height()});
    // The template's own, not replaced yet: the control shows it already.
    const bool templateOwn = choice.version == 0 && choice.shown == versions[0] &&
                             GetPropA(dialog, kPictureProperty) == nullptr;
    if (!templateOwn) {
        HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(
            instance, MAKEINTRESOURCEA(art.bitmaps[choice.version]), IMAGE_BITMAP, 0, 0, 0));
        if (bitmap && !(choice.shown == versions[choice.version])) {
            HBITMAP scaled = scaledDown(dialog, bitmap, versions[choice.version], choice.shown);
            DeleteObject(bitmap);
            bitmap = scaled;
        }
        if (!bitmap) return;
        HGDIOBJ old = reinterpret_cast<HGDIOBJ>(
            SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
        if (old) DeleteObject(old);
        SetPropA(dialog, kPictureProperty, bitmap);
    }
    // The control has taken the bitmap's size; it goes to the middle of its frame.
    place(picture, centredIn(frame, choice.shown));
}

// The dialog's controls in template order, or none when they are not the template's count.
std::vector<Child> childrenOf(HWND dialog, std::size_t count) {
    std::vector<Child> children(count);
    std::size_t found = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (found == count) return {};
        children[found++] = describe(child);
    }
    if (found != count) return {};
    return children;
}

DialogTemplate templateOf(WORD id) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));  // RT_DIALOG
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const auto* bytes = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
    if (!bytes) return {};
    return readDialogTemplate(bytes, SizeofResource(instance, found));
}

// Lays the dialog out with this font: with moveControls, every control and
// the client area where the template puts them in its base units, as the
// dialog manager would; then the picture and the texts' room.
void layOut(HWND dialog, const DialogArt& art, HFONT font, UINT dpi, bool moveControls) {
    const DialogTemplate plan = templateOf(art.templateId);
    const std::vector<Child> children = childrenOf(dialog, plan.controls.size());
    if (!plan.valid || children.empty()) return;
    const TextRuler ruler(dialog, font, dpi);
    BaseUnits units = ruler.units();
    if (moveControls) {
        for (std::size_t i = 0; i < children.size(); ++i)
            place(children[i].window, controlBox(plan.controls[i], units));
    } else {
        RECT scale{0, 0, 4, 8};  // the units the dialog manager laid the dialog out in
        MapDialogRect(dialog, &scale);
        units = {scale.right, scale.bottom};
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i].what.picture)
            showPicture(dialog, children[i].window, art, mappedRect(plan.controls[i], units));
    }
    fitTextsOf(dialog, children, ruler, units);
}

// The template's font at this DPI, as the dialog manager makes it.
HFONT templateFontAt(const DialogTemplate& plan, UINT dpi) {
    return CreateFontA(fontHeightAt(plan.pointSize, int(dpi)), 0, 0, 0, plan.weight, plan.italic,
                       FALSE, FALSE, DEFAULT_CHARSET, 0, 0, PROOF_QUALITY, FF_DONTCARE,
                       plan.faceName);
}

// The template's client area in the base units of this font.
Size clientSizeWith(HWND dialog, const DialogTemplate& plan, HFONT font, UINT dpi) {
    const TextRuler ruler(dialog, font, dpi);
    return clientSize(plan, ruler.units());
}

// Whether Windows scales the window's caption and frame when its DPI changes:
// per-monitor v2 (Windows 10 1703 on) does, per-monitor v1 does not.
bool framesScaleWithDpi(HWND window) {
    using ContextOf = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND);
    using SameContext = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT, DPI_AWARENESS_CONTEXT);
    const auto contextOf = user32<ContextOf>("GetWindowDpiAwarenessContext");
    const auto same = user32<SameContext>("AreDpiAwarenessContextsEqual");
    return contextOf && same && same(contextOf(window), DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
}

// The frame around the client area once the dialog is at this DPI: the system's
// frame there where Windows scales it; otherwise the frame the window has now,
// which Wine, taking every program for per-monitor v1, keeps as well.
Size frameAt(HWND dialog, UINT dpi) {
    using Adjust = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    const auto adjust = user32<Adjust>("AdjustWindowRectExForDpi");
    RECT rect{};
    if (framesScaleWithDpi(dialog) && adjust &&
        adjust(&rect, DWORD(GetWindowLongA(dialog, GWL_STYLE)), FALSE,
               DWORD(GetWindowLongA(dialog, GWL_EXSTYLE)), dpi))
        return {rect.right - rect.left, rect.bottom - rect.top};
    RECT client{};
    GetWindowRect(dialog, &rect);
    GetClientRect(dialog, &client);
    return {rect.right - rect.left - client.right, rect.bottom - rect.top - client.bottom};
}

// Whether a DPI change that came in later than this one has taken the dialog over.
bool overtaken(HWND dialog, HANDLE change) {
    return GetPropA(dialog, kDpiChangeProperty) != change;
}

}  // namespace

void fitToScreen(HWND dialog, const DialogArt& art) {
    // Windows 10 1703 and later would lay the dialog out again at a DPI change,
    // on top of fitToNewDpi: DDC_DISABLE_ALL.
    using ChangeBehavior = BOOL(WINAPI*)(HWND, int, int);
    if (const auto disable = user32<ChangeBehavior>("SetDialogDpiChangeBehavior"))
        disable(dialog, 1, 1);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    layOut(dialog, art, font, dpiOfWindow(dialog), false);
}

bool answerDpiScaledSize(HWND dialog, const DialogArt& art, WPARAM wParam, LPARAM lParam) {
    const UINT dpi = LOWORD(wParam);
    auto* size = reinterpret_cast<SIZE*>(lParam);
    const DialogTemplate plan = templateOf(art.templateId);
    if (!size || !plan.valid || plan.pointSize == 0 || dpi == 0) return false;
    HFONT font = templateFontAt(plan, dpi);
    if (!font) return false;
    const Size client = clientSizeWith(dialog, plan, font, dpi);
    DeleteObject(font);
    const Size frame = frameAt(dialog, dpi);
    *size = {client.width + frame.width, client.height + frame.height};
    return true;
}

bool fitToNewDpi(HWND dialog, const DialogArt& art, WPARAM wParam, LPARAM lParam) {
    const UINT dpi = LOWORD(wParam);
    const DialogTemplate plan = templateOf(art.templateId);
    if (!plan.valid || plan.pointSize == 0 || dpi == 0) return true;
    HFONT font = templateFontAt(plan, dpi);
    if (!font) return true;
    HANDLE change = reinterpret_cast<HANDLE>(
        reinterpret_cast<INT_PTR>(GetPropA(dialog, kDpiChangeProperty)) + 1);
    SetPropA(dialog, kDpiChangeProperty, change);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    HGDIOBJ oldFont = RemovePropA(dialog, kFontProperty);
    if (oldFont) DeleteObject(oldFont);
    SetPropA(dialog, kFontProperty, font);
    const Size client = clientSizeWith(dialog, plan, font, dpi);

    // The window where Windows suggests, at the size that gives the client area
    // its own size: the suggested one when the dialog's answer to
    // WM_GETDPISCALEDSIZE was right. A move onto a monitor of yet another DPI
    // that this brings is followed by its own call, which lays the dialog out
    // and deletes this font: this one then ends at once.
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    RECT window{};
    GetWindowRect(dialog, &window);
    if (suggested) window = *suggested;
    place(dialog, {window.left, window.top, window.right, window.bottom});
    if (overtaken(dialog, change)) return false;
    RECT now{};
    GetClientRect(dialog, &now);
    if (now.right != client.width || now.bottom != client.height) {
        place(dialog, {window.left, window.top, window.right + client.width - now.right,
                       window.bottom + client.height - now.bottom});
        if (overtaken(dialog, change)) return false;
    }
    layOut(dialog, art, font, dpi, true);
    RedrawWindow(dialog, nullptr, nullptr,
                 RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    return true;
}

void releaseFit(HWND dialog) {
    HGDIOBJ bitmap = RemovePropA(dialog, kPictureProperty);
    if (bitmap) DeleteObject(bitmap);
    HGDIOBJ font = RemovePropA(dialog, kFontProperty);
    if (font) DeleteObject(font);
    RemovePropA(dialog, kDpiChangeProperty);
}

UINT dpiOfWindow(HWND window) {
    using ForWindow = UINT(WINAPI*)(HWND);
    const auto forWindow = user32<ForWindow>("GetDpiForWindow");
    const UINT dpi = forWindow ? forWindow(window) : 0;
    return dpi != 0 ? dpi : UINT(screenDpi());
}

HICON loadIconAtDpi(HINSTANCE instance, WORD id, bool small, UINT dpi) {
    const int width = systemMetricAt(small ? SM_CXSMICON : SM_CXICON, dpi);
    const int height = systemMetricAt(small ? SM_CYSMICON : SM_CYICON, dpi);
    return static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, width, height, 0));
}
