// The overlay over the virtual screen: exactly there, above everything, no taskbar button, its
// own pointer shape, and only the rectangles it was told about reach the screen.

#include "win32/Handles.h"
#include "win32/Win32OverlayWindow.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

using namespace platform::win32;

namespace {

void Settle(HWND window)
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    UpdateWindow(window);
}

COLORREF OnScreen(int x, int y)
{
    HDC const screen = GetDC(nullptr);
    COLORREF const colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

TEST(Win32OverlayWindow, CoversTheScreenOnTopAndRepaintsOnlyWhatChanged)
{
    gfx::Rect const desk { GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
        GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN) };
    auto overlay = Win32OverlayWindow::Create(desk);
    ASSERT_NE(overlay, nullptr);
    HWND const window = static_cast<HWND>(overlay->Handle());
    gfx::Image& pixels = overlay->Pixels();
    ASSERT_EQ(pixels.Size(), desk.Size());
    RECT placed {};
    GetWindowRect(window, &placed);
    EXPECT_EQ(placed.left, desk.x);
    EXPECT_EQ(placed.bottom, desk.Bottom()) << "no frame: the window is exactly the virtual screen";
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

    pixels.Fill(gfx::PixelFromColour(MakeColour(0, 0, 255)));
    overlay->Show();
    Settle(window);
    EXPECT_EQ(OnScreen(300, 300), RGB(0, 0, 255));

    // Both areas change in the buffer; only the first is said to have changed.
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            pixels.SetPixel(100 + x, 100 + y, gfx::PixelFromColour(MakeColour(255, 0, 0)));
            pixels.SetPixel(300 + x, 300 + y, gfx::PixelFromColour(MakeColour(255, 0, 0)));
        }
    }
    overlay->Invalidate({ 100, 100, 20, 20 });
    Settle(window);
    EXPECT_EQ(OnScreen(110, 110), RGB(255, 0, 0));
    EXPECT_EQ(OnScreen(310, 310), RGB(0, 0, 255)) << "an area nobody invalidated is not copied";

    overlay->SetPointerShape(platform::PointerShape::Cross);
    SetCursorPos(150, 150);
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_CROSS));
    // Alt+F4 does not close it: the tool ends by its own input.
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window));
}

TEST(Win32OverlayWindow, AKeyHeldFromBeforeItHadTheKeyboardDoesNotRepeatIntoIt)
{
    struct Keys final : platform::InputEvents {
        void PointerDown(gfx::Point, int, int) override { }
        void PointerMove(gfx::Point, int, int) override { }
        void PointerUp(gfx::Point, int, int) override { }
        void PointerDoubleClick(gfx::Point, int, int) override { }
        void PointerLeft() override { }
        void PointerCaptureLost() override { }
        bool KeyDown(int keyCode, int) override { return seen.push_back(keyCode), true; }
        bool KeyPress(char32_t) override { return true; }
        std::vector<int> seen;
    } keys;
    auto overlay = Win32OverlayWindow::Create({ 0, 0, 200, 100 });
    ASSERT_NE(overlay, nullptr);
    overlay->SetInput(&keys);
    HWND const window = static_cast<HWND>(overlay->Handle());
    // As Windows sends them: the previous-state bit marks a repeat.
    LPARAM const repeat = LPARAM { 1 } << 30;
    SendMessageW(window, WM_KEYDOWN, VK_RETURN, repeat | 1);
    SendMessageW(window, WM_KEYDOWN, VK_LEFT, 1);
    SendMessageW(window, WM_KEYDOWN, VK_LEFT, repeat | 1);
    SendMessageW(window, WM_KEYUP, VK_RETURN, (LPARAM { 3 } << 30) | 1);
    SendMessageW(window, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(keys.seen, (std::vector<int> { VK_LEFT, VK_LEFT, VK_RETURN }));
    overlay->SetInput(nullptr);
}

}
