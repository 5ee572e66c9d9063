#include "win32/VisualStyle.h"

#include "win32/LateFunctions.h"
namespace {
// uxtheme.dll is on XP and later only: every function is looked up.
class ThemeLibrary {
   public:
    ThemeLibrary() : module_(LoadLibraryA("uxtheme.dll")) {}
    ~ThemeLibrary() {
        if (module_) FreeLibrary(module_);
    }
    ThemeLibrary(const ThemeLibrary&) = delete;
    ThemeLibrary& operator=(const ThemeLibrary&) = delete;

    template <typename Function>
    Function function(const char* name) const {
        return functionOf<Function>(module_, name);
    }

   private:
    HMODULE module_;
};

using Theme = HANDLE;
constexpr int kCheckBoxPart = 3;     // BP_CHECKBOX
constexpr int kUncheckedNormal = 1;  // CBS_UNCHECKEDNORMAL
constexpr int kDrawingSize = 2;      // TS_DRAW
}  // namespace

std::optional<int> themedCheckMarkWidth(HWND checkBox, UINT dpi) {
    const ThemeLibrary uxtheme;
    using WindowTheme = Theme(WINAPI*)(HWND);
    using OpenForDpi = Theme(WINAPI*)(HWND, LPCWSTR, UINT);
    using PartSize = HRESULT(WINAPI*)(Theme, HDC, int, int, const RECT*, int, SIZE*);
    using Close = HRESULT(WINAPI*)(Theme);
    const auto windowTheme = uxtheme.function<WindowTheme>("GetWindowTheme");
    const auto partSize = uxtheme.function<PartSize>("GetThemePartSize");
    // A control drawn in a style has a theme of its own; a classic one has none.
    const Theme drawnWith = windowTheme ? windowTheme(checkBox) : nullptr;
    if (!drawnWith || !partSize) return std::nullopt;
    // Windows 10 1703 and later give a style's sizes at any DPI; before, the
    // system's DPI is the only one there is.
    const auto openForDpi = uxtheme.function<OpenForDpi>("OpenThemeDataForDpi");
    const auto close = uxtheme.function<Close>("CloseThemeData");
    const Theme atDpi = openForDpi && close ? openForDpi(checkBox, L"BUTTON", dpi) : nullptr;
    HDC screen = GetDC(checkBox);
    SIZE mark{};
    const bool measured = SUCCEEDED(partSize(atDpi ? atDpi : drawnWith, screen, kCheckBoxPart,
                                             kUncheckedNormal, nullptr, kDrawingSize, &mark));
    ReleaseDC(checkBox, screen);
    if (atDpi) close(atDpi);
    if (!measured || mark.cx <= 0) return std::nullopt;
    return mark.cx;
}
