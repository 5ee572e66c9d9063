#include "win32/Win32ColorListBox.h"

#include <cstdint>
#include <memory>

namespace {

// Marks a bound list box and finds its object, so that its parent can tell
// whom to hand a colour request and the window procedure whom to ask.
constexpr char kBoundProperty[] = "ScriptGen.ColorListBox";

LRESULT CALLBACK colorListBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

HDC asDc(GdiHandle dc) { return reinterpret_cast<HDC>(dc); }
GdiHandle asHandle(HGDIOBJ object) { return reinterpret_cast<GdiHandle>(object); }

class Win32ColorGdi : public ColorGdi {
   public:
    ColorRef sysColor(int index) override { return GetSysColor(index); }
    ColorRef nearestColor(GdiHandle dc, ColorRef color) override {
        return GetNearestColor(asDc(dc), color);
    }
    void setBackgroundMode(GdiHandle dc, BackgroundMode mode) override {
        SetBkMode(asDc(dc), mode == BackgroundMode::kOpaque ? OPAQUE : TRANSPARENT);
    }
    void setTextColor(GdiHandle dc, ColorRef color) override { SetTextColor(asDc(dc), color); }
    void setBackgroundColor(GdiHandle dc, ColorRef color) override { SetBkColor(asDc(dc), color); }
    GdiHandle createSolidBrush(ColorRef color) override {
        return asHandle(CreateSolidBrush(color));
    }
    GdiHandle createPatternBrush(GdiHandle bitmap) override {
        return asHandle(CreatePatternBrush(reinterpret_cast<HBITMAP>(bitmap)));
    }
    void deleteObject(GdiHandle object) override {
        DeleteObject(reinterpret_cast<HGDIOBJ>(object));
    }
};

ColorGdi& win32ColorGdi() {
    // Never destroyed: controls that outlive static destruction still delete through it.
    static Win32ColorGdi* gdi = new Win32ColorGdi();
    return *gdi;
}

// The subclassed list box of one bound control. The control owns it, so the
// subclass goes with whichever of window and control goes first. Subclassing
// is the classic kind, which every Windows has: COMCTL32 exports its subclass
// functions by name only from XP SP1 on.
class SubclassedListBox : public ColorControlWindow {
   public:
    SubclassedListBox(HWND window, ColorListBox& box) : window_(window), box_(box) {}
    ~SubclassedListBox() override { detach(); }
    SubclassedListBox(const SubclassedListBox&) = delete;
    SubclassedListBox& operator=(const SubclassedListBox&) = delete;

    bool attach() {
        // A later binding of the same window takes it over: the procedure stays
        // ours and only the object changes; the list box's own one is kept.
        SubclassedListBox* earlier = boundTo(window_);
        if (!SetPropA(window_, kBoundProperty, this)) return false;
        listBoxProcedure_ =
            earlier != nullptr
                ? earlier->listBoxProcedure_
                : reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
                      window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(colorListBoxProcedure)));
        if (listBoxProcedure_ == nullptr) {
            RemovePropA(window_, kBoundProperty);
            return false;
        }
        attached_ = true;
        return true;
    }
    void detach() {
        // A later binding of the same window took it over: leave that one be.
        if (attached_ && boundTo(window_) == this) {
            RemovePropA(window_, kBoundProperty);
            SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listBoxProcedure_));
        }
        attached_ = false;
    }
    LRESULT passOn(UINT message, WPARAM wParam, LPARAM lParam) const {
        return CallWindowProcA(listBoxProcedure_, window_, message, wParam, lParam);
    }
    static SubclassedListBox* boundTo(HWND window) {
        return static_cast<SubclassedListBox*>(GetPropA(window, kBoundProperty));
    }
    ColorListBox& box() { return box_; }

    bool exists() const override { return attached_ && IsWindow(window_); }
    void invalidateWithErase() override { InvalidateRect(window_, nullptr, TRUE); }
    std::uint32_t setTimer(std::uint32_t eventId, std::uint32_t intervalMs) override {
        return static_cast<std::uint32_t>(SetTimer(window_, eventId, intervalMs, nullptr));
    }
    void killTimer(std::uint32_t eventId) override { KillTimer(window_, eventId); }

   private:
    HWND window_;
    ColorListBox& box_;
    WNDPROC listBoxProcedure_ = nullptr;
    bool attached_ = false;
};

bool isColorRequest(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}
int ctlColorTypeOf(UINT message) { return static_cast<int>(message - WM_CTLCOLORMSGBOX); }

LRESULT CALLBACK colorListBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SubclassedListBox* bound = SubclassedListBox::boundTo(window);
    if (bound == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    SubclassedListBox& listBox = *bound;
    ColorListBox& box = listBox.box();
    if (message == kReflectedColorRequest) {
        return static_cast<LRESULT>(box.onColorRequest(wParam, static_cast<int>(lParam)));
    }
    if (isColorRequest(message)) {
        // One of the list box's own children asks: the control's colours answer it.
        GdiHandle brush = box.onColorRequest(wParam, ctlColorTypeOf(message));
        if (brush != 0) return static_cast<LRESULT>(brush);
        return listBox.passOn(message, wParam, lParam);
    }
    switch (message) {
        case WM_TIMER:
            if (wParam <= UINT32_MAX && box.onTimer(static_cast<std::uint32_t>(wParam))) return 0;
            break;
        case WM_CREATE:
            return box.onCreate(listBox.passOn(message, wParam, lParam) == -1 ? -1 : 0);
        case WM_DESTROY: {
            box.onDestroy();
            LRESULT result = listBox.passOn(message, wParam, lParam);
            listBox.detach();
            return result;
        }
        default:
            break;
    }
    return listBox.passOn(message, wParam, lParam);
}

}  // namespace

void bindColorListBox(HWND listBox, ColorListBox& box) {
    if (!IsWindow(listBox)) return;
    auto window = std::make_unique<SubclassedListBox>(listBox, box);
    if (!window->attach()) return;
    box.bind(std::move(window), win32ColorGdi());
}

bool reflectColorRequest(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& brush) {
    if (!isColorRequest(message)) return false;
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control == nullptr || SubclassedListBox::boundTo(control) == nullptr) return false;
    brush = SendMessageA(control, kReflectedColorRequest, wParam,
                         static_cast<LPARAM>(ctlColorTypeOf(message)));
    return true;
}
