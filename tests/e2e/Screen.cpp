#include "Screen.h"

#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {
std::size_t indexOf(int x, int y, int width) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(x);
}

// A 32-bit top-down bitmap of that size, selected into a memory DC.
class Canvas {
   public:
    Canvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (dc_ && bitmap_) previous_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        if (previous_) SelectObject(dc_, previous_);
        if (bitmap_) DeleteObject(bitmap_);
        if (dc_) DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool ready() const { return previous_ != nullptr && bits_ != nullptr; }
    HDC dc() const { return dc_; }
    std::vector<COLORREF> pixels() const {
        GdiFlush();
        std::vector<COLORREF> colours(indexOf(0, height_, width_));
        const auto* bgrx = static_cast<const BYTE*>(bits_);
        for (std::size_t i = 0; i < colours.size(); ++i)
            colours[i] = RGB(bgrx[4 * i + 2], bgrx[4 * i + 1], bgrx[4 * i]);
        return colours;
    }

   private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

int channelDistance(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

RECT clientOnScreen(HWND window) {
    RECT client{};
    if (!GetClientRect(window, &client)) return {};
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}
}  // namespace

ScreenArea::ScreenArea(HWND window) : ScreenArea(clientOnScreen(window)) {}

ScreenArea::ScreenArea(const RECT& onScreen) {
    const int width = onScreen.right - onScreen.left, height = onScreen.bottom - onScreen.top;
    if (width <= 0 || height <= 0) return;
    Canvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    const bool copied =
        canvas.ready() && screen &&
        BitBlt(canvas.dc(), 0, 0, width, height, screen, onScreen.left, onScreen.top, SRCCOPY);
    if (screen) ReleaseDC(nullptr, screen);
    if (!copied) return;
    width_ = width;
    height_ = height;
    pixels_ = canvas.pixels();
}

bool ScreenArea::oneColour() const {
    for (const COLORREF colour : pixels_)
        if (colour != pixels_.front()) return false;
    return true;
}

COLORREF ScreenArea::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    return pixels_[indexOf(x, y, width_)];
}

COLORREF pixelAtClientCentre(HWND window) {
    const ScreenArea area(window);
    return area.at(area.width() / 2, area.height() / 2);
}

namespace {
BOOL CALLBACK findUnpaintedChild(HWND child, LPARAM unpainted) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(unpainted) = true;
        return FALSE;
    }
    return TRUE;
}

bool hasUnpaintedParts(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return true;
    bool unpainted = false;
    EnumChildWindows(window, findUnpaintedChild, reinterpret_cast<LPARAM>(&unpainted));
    return unpainted;
}
}  // namespace

bool waitUntilPainted(HWND window, Milliseconds timeout) {
    // Wine shows a painted window on the X screen a little later.
    return waitUntil([&] { return !hasUnpaintedParts(window) && !ScreenArea(window).oneColour(); },
                     timeout);
}

bool repaintDesktop(Milliseconds timeout) {
    HWND desktop = GetDesktopWindow();
    RedrawWindow(desktop, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    return waitUntil([&] { return !GetUpdateRect(desktop, nullptr, FALSE); }, timeout);
}

bool waitUntilScreenIsClear(Milliseconds timeout) {
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    // A window that closes meanwhile (a script's console a moment after the
    // script) leaves its picture too: the desktop paints again each time.
    return waitUntil([&] { return repaintDesktop(timeout) && ScreenArea(screen).oneColour(); },
                     timeout, Milliseconds{100});
}

const char* iconKindName(IconKind kind) {
    switch (kind) {
        case IconKind::none:
            return "no icon";
        case IconKind::stop:
            return "stop icon";
        case IconKind::exclamation:
            return "exclamation icon";
        case IconKind::information:
            return "information icon";
        case IconKind::question:
            return "question icon";
        case IconKind::unknown:
            break;
    }
    return "unrecognised icon";
}

namespace {
// The system's icon drawn at that size over a plain background.
std::vector<COLORREF> drawnIcon(HICON icon, int width, int height, COLORREF background) {
    Canvas canvas(width, height);
    if (!canvas.ready()) return {};
    HBRUSH brush = CreateSolidBrush(background);
    RECT all{0, 0, width, height};
    FillRect(canvas.dc(), &all, brush);
    DeleteObject(brush);
    if (!DrawIconEx(canvas.dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL)) return {};
    return canvas.pixels();
}

// How far the shown pixels are from the icon's own, on average per channel,
// over the pixels the icon covers fully (the same over black and over white);
// INT_MAX when the icon covers too little of the area to tell.
int distanceFromIcon(const ScreenArea& shown, WORD iconId) {
    const int width = shown.width(), height = shown.height();
    auto* icon = static_cast<HICON>(
        LoadImageA(nullptr, MAKEINTRESOURCEA(iconId), IMAGE_ICON, width, height, 0));
    if (icon == nullptr) return INT_MAX;
    const std::vector<COLORREF> overBlack = drawnIcon(icon, width, height, RGB(0, 0, 0));
    const std::vector<COLORREF> overWhite = drawnIcon(icon, width, height, RGB(255, 255, 255));
    DestroyIcon(icon);
    if (overBlack.empty() || overWhite.size() != overBlack.size()) return INT_MAX;
    long long total = 0;
    long long covered = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t i = indexOf(x, y, width);
            if (overBlack[i] != overWhite[i]) continue;
            ++covered;
            total += channelDistance(overBlack[i], shown.at(x, y));
        }
    }
    if (covered * 4 < static_cast<long long>(width) * height) return INT_MAX;
    return static_cast<int>(total / (3 * covered));
}
}  // namespace

IconKind classifyIcon(HWND iconControl) {
    if (iconControl == nullptr || !IsWindowVisible(iconControl)) return IconKind::none;
    const ScreenArea shown(iconControl);
    if (shown.empty()) return IconKind::unknown;
    // IDI_HAND, IDI_EXCLAMATION, IDI_ASTERISK and IDI_QUESTION.
    const struct {
        IconKind kind;
        WORD id;
    } systemIcons[] = {{IconKind::stop, 32513},
                       {IconKind::exclamation, 32515},
                       {IconKind::information, 32516},
                       {IconKind::question, 32514}};
    // The icon the box shows matches its own drawing exactly under Wine 8 and
    // 10; the nearest other, the question mark for the information icon, is 9
    // levels away on average, the rest 70 and more.
    constexpr int kSameDrawing = 3;
    IconKind best = IconKind::unknown;
    int bestDistance = kSameDrawing + 1;
    for (const auto& candidate : systemIcons) {
        const int distance = distanceFromIcon(shown, candidate.id);
        if (distance < bestDistance) {
            best = candidate.kind;
            bestDistance = distance;
        }
    }
    return best;
}

bool saveScreenBitmap(const std::string& path) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        ReleaseDC(nullptr, screen);
        return false;
    }
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const bool copied = BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY) != FALSE;
    GdiFlush();
    ReleaseDC(nullptr, screen);
    const auto stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD imageSize = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
    fileHeader.bfSize = fileHeader.bfOffBits + imageSize;
    bool written = false;
    if (copied) {
        if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
            written = std::fwrite(&fileHeader, sizeof fileHeader, 1, file) == 1 &&
                      std::fwrite(&header, sizeof header, 1, file) == 1 &&
                      std::fwrite(bits, imageSize, 1, file) == 1;
            written = std::fclose(file) == 0 && written;
        }
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return written;
}
