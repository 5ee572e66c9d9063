#include <gtest/gtest.h>
#include <windows.h>

#include "win32/Win32ColorListBox.h"

namespace {

constexpr char kParentClass[] = "ColorListBoxTestParent";
constexpr COLORREF kSwatchGray = RGB(42, 42, 42);

int reflectedAnswers = 0;

// Hands its children's colour requests back to them, as the main dialog does.
LRESULT CALLBACK reflectingParentProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    LRESULT brush = 0;
    if (reflectColorRequest(message, wParam, lParam, brush) && brush) {
        ++reflectedAnswers;
        return brush;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class ColorListBoxWin32 : public ::testing::Test {
   protected:
    void SetUp() override {
        static const bool registered = [] {
            WNDCLASSA parentClass{};
            parentClass.lpfnWndProc = reflectingParentProcedure;
            parentClass.hInstance = GetModuleHandleA(nullptr);
            parentClass.lpszClassName = kParentClass;
            return RegisterClassA(&parentClass) != 0;
        }();
        ASSERT_TRUE(registered);
        parent = CreateWindowExA(0, kParentClass, "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent, nullptr);
        // Like the swatches: an empty, disabled list box.
        listBox = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_DISABLED, 10, 10, 80,
                                  40, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(listBox, nullptr);
        reflectedAnswers = 0;
    }
    void TearDown() override {
        if (IsWindow(parent)) DestroyWindow(parent);
    }

    HWND parent = nullptr;
    HWND listBox = nullptr;
};

TEST_F(ColorListBoxWin32, ReflectedRequestGivesTheSwatchBrushAndColours) {
    ColorListBox box;
    bindColorListBox(listBox, box);
    box.setBackgroundColor(kSwatchGray);
    HDC dc = GetDC(listBox);

    LRESULT brush = 0;
    ASSERT_TRUE(reflectColorRequest(WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                                    reinterpret_cast<LPARAM>(listBox), brush));
    ASSERT_NE(brush, 0);
    EXPECT_EQ(static_cast<GdiHandle>(brush), box.currentBrush());
    LOGBRUSH made{};
    ASSERT_EQ(GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof made, &made), int{sizeof made});
    EXPECT_EQ(made.lbStyle, UINT{BS_SOLID});
    EXPECT_EQ(made.lbColor, kSwatchGray);
    EXPECT_EQ(GetBkColor(dc), kSwatchGray);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT));
    ReleaseDC(listBox, dc);
}

TEST_F(ColorListBoxWin32, OnlyColourRequestsOfBoundListBoxesAreReflected) {
    ColorListBox box;
    bindColorListBox(listBox, box);
    HWND plainListBox = CreateWindowExA(0, "LISTBOX", "", WS_CHILD, 0, 0, 10, 10, parent, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
    HDC dc = GetDC(listBox);
    const auto dcParam = reinterpret_cast<WPARAM>(dc);
    LRESULT brush = 1;

    EXPECT_FALSE(reflectColorRequest(WM_CTLCOLORLISTBOX, dcParam,
                                     reinterpret_cast<LPARAM>(plainListBox), brush));
    EXPECT_FALSE(reflectColorRequest(WM_PAINT, dcParam, reinterpret_cast<LPARAM>(listBox), brush));
    // Every colour default: the request is the box's, and the parent's default answers it.
    EXPECT_TRUE(
        reflectColorRequest(WM_CTLCOLORLISTBOX, dcParam, reinterpret_cast<LPARAM>(listBox), brush));
    EXPECT_EQ(brush, 0);
    ReleaseDC(listBox, dc);
}

TEST_F(ColorListBoxWin32, PaintingAsksTheParentWhichAsksTheBox) {
    ColorListBox box;
    bindColorListBox(listBox, box);
    box.setBackgroundColor(kSwatchGray);
    ShowWindow(parent, SW_SHOWNOACTIVATE);
    RedrawWindow(listBox, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_GT(reflectedAnswers, 0);
    HDC dc = GetDC(listBox);
    EXPECT_EQ(GetPixel(dc, 20, 15), kSwatchGray);
    ReleaseDC(listBox, dc);
}

TEST_F(ColorListBoxWin32, ChildColourRequestIsAnsweredByTheBoxItself) {
    ColorListBox box;
    bindColorListBox(listBox, box);
    box.setBackgroundColor(kSwatchGray);
    HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, listBox, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    HDC dc = GetDC(listBox);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
        listBox, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child)));
    LOGBRUSH made{};
    ASSERT_EQ(GetObjectA(brush, sizeof made, &made), int{sizeof made});
    EXPECT_EQ(made.lbColor, kSwatchGray);
    EXPECT_EQ(reinterpret_cast<GdiHandle>(brush), box.currentBrush());
    ReleaseDC(listBox, dc);
}

TEST_F(ColorListBoxWin32, BlinksOnAWindowTimerUntilTheWindowIsDestroyed) {
    ColorListBox box;
    box.setBlinkBackground(true);
    box.setBlinkInterval(500);
    bindColorListBox(listBox, box);
    ASSERT_EQ(box.runningTimerId(), 1u);

    SendMessageA(listBox, WM_TIMER, 1, 0);
    EXPECT_EQ(box.currentBlinkPhase(), 1);
    SendMessageA(listBox, WM_TIMER, 7, 0);  // the list box's own business
    EXPECT_EQ(box.currentBlinkPhase(), 1);

    DestroyWindow(parent);
    EXPECT_EQ(box.runningTimerId(), 0u);
    EXPECT_EQ(box.currentBlinkPhase(), 0);
    EXPECT_FALSE(KillTimer(listBox, 1));
    box.setBackgroundColor(kSwatchGray);  // no window any more: only stored
}

TEST_F(ColorListBoxWin32, BothBlinkSwitchesOffStartNoTimer) {
    ColorListBox box;
    bindColorListBox(listBox, box);
    EXPECT_EQ(box.runningTimerId(), 0u);
    EXPECT_FALSE(KillTimer(listBox, 1));
}

TEST_F(ColorListBoxWin32, ObjectGoneBeforeTheWindowTakesItsSubclassAndBrushAlong) {
    HDC dc = GetDC(listBox);
    LRESULT brush = 0;
    {
        ColorListBox box;
        bindColorListBox(listBox, box);
        box.setBackgroundColor(kSwatchGray);
        ASSERT_TRUE(reflectColorRequest(WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                                        reinterpret_cast<LPARAM>(listBox), brush));
        ASSERT_NE(GetObjectType(reinterpret_cast<HGDIOBJ>(brush)), 0u);
    }
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(brush)), 0u);
    LRESULT after = 0;
    EXPECT_FALSE(reflectColorRequest(WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(listBox), after));
    SendMessageA(listBox, WM_TIMER, 1, 0);  // reaches the plain list box, not a dead object
    ReleaseDC(listBox, dc);
}

TEST_F(ColorListBoxWin32, ALaterBindingTakesOverAndTheLastOneGivesTheListBoxBack) {
    const LONG_PTR listBoxProcedure = GetWindowLongPtrA(listBox, GWLP_WNDPROC);
    HDC dc = GetDC(listBox);
    {
        ColorListBox later;
        {
            ColorListBox earlier;
            bindColorListBox(listBox, earlier);
            bindColorListBox(listBox, later);
            later.setBackgroundColor(kSwatchGray);
        }  // the earlier object goes first and must leave the later binding alone
        LRESULT brush = 0;
        ASSERT_TRUE(reflectColorRequest(WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                                        reinterpret_cast<LPARAM>(listBox), brush));
        EXPECT_EQ(GetBkColor(dc), kSwatchGray);
    }
    EXPECT_EQ(GetWindowLongPtrA(listBox, GWLP_WNDPROC), listBoxProcedure);
    ReleaseDC(listBox, dc);
}

}  // namespace
