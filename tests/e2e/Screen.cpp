#include "Screen.h"

#include <cstdio>
#include <vector>

namespace {
// The screen DC is shared by every read; released when the driver ends.
HDC screen() {
    static HDC dc = GetDC(nullptr);
    return dc;
}
}  // namespace

COLORREF pixelAtClientCentre(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT centre{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
    ClientToScreen(window, &centre);
    return GetPixel(screen(), centre.x, centre.y);
}

COLORREF pixelInWindow(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return GetPixel(screen(), point.x, point.y);
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
    return waitUntil([&] { return !hasUnpaintedParts(window); }, timeout);
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
        case IconKind::unknown:
            break;
    }
    return "unrecognised icon";
}

IconKind classifyIcon(HWND iconControl) {
    if (iconControl == nullptr || !IsWindowVisible(iconControl)) return IconKind::none;
    RECT client{};
    GetClientRect(iconControl, &client);
    POINT origin{0, 0};
    ClientToScreen(iconControl, &origin);
    int red = 0, yellow = 0, blue = 0;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            const COLORREF c = GetPixel(screen(), origin.x + x, origin.y + y);
            const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
            if (r > 150 && g < 100 && b < 100) ++red;
            if (r > 180 && g > 150 && b < 100) ++yellow;
            if (b > 150 && r < 120) ++blue;
        }
    }
    // An eighth of the icon is plenty: the three icons share little colour.
    const int enough = client.right * client.bottom / 8;
    if (red > enough && yellow < red / 4 && blue < red / 4) return IconKind::stop;
    if (yellow > enough && blue < yellow / 4) return IconKind::exclamation;
    if (blue > enough && red < blue / 4 && yellow < blue / 4) return IconKind::information;
    return IconKind::unknown;
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
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen(), reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) return false;
    HDC memory = CreateCompatibleDC(screen());
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const bool copied = BitBlt(memory, 0, 0, width, height, screen(), 0, 0, SRCCOPY) != FALSE;
    GdiFlush();
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
