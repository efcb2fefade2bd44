// The screen as the overlays will see it: a snapshot that holds a window we showed, the pointer
// moved and read back, and a system cursor for every shape.

#include "win32/Win32Screen.h"
#include "PumpMessages.h"
#include "win32/Handles.h"
#include "win32/Win32Pointer.h"

#include <gtest/gtest.h>

using namespace platform::win32;

namespace {

constexpr COLORREF Known = RGB(0x12, 0x9A, 0x56);
constexpr gfx::Pixel KnownPixel = gfx::MakePixel(0x12, 0x9A, 0x56);

// A topmost window whose whole client area is the known colour.
class ColouredWindow {
public:
    ColouredWindow(int x, int y, int width, int height)
        : m_brush(CreateSolidBrush(Known))
    {
        WNDCLASSW windowClass {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = m_brush.Get();
        windowClass.lpszClassName = L"SnapshotTarget";
        RegisterClassW(&windowClass);
        m_window = OwnedWindow(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"SnapshotTarget", L"",
            WS_POPUP | WS_VISIBLE, x, y, width, height, nullptr, nullptr, windowClass.hInstance, nullptr));
        UpdateWindow(m_window.Get());
    }
    ~ColouredWindow()
    {
        m_window = OwnedWindow();
        UnregisterClassW(L"SnapshotTarget", GetModuleHandleW(nullptr));
    }
    ColouredWindow(ColouredWindow const&) = delete;
    ColouredWindow& operator=(ColouredWindow const&) = delete;

    bool Shown() const { return m_window.Get() != nullptr; }

private:
    OwnedBrush m_brush;
    OwnedWindow m_window;
};

}

TEST(Win32Screen, SnapshotHoldsTheWindowsOnTheScreenInOpaquePixels)
{
    ColouredWindow const window(100, 120, 60, 40);
    ASSERT_TRUE(window.Shown());
    Win32Screen screen;
    std::optional<gfx::Image> snapshot;
    // The X server shows the window a moment after Windows has painted it.
    PumpMessagesUntil(
        [&] {
            snapshot = screen.Snapshot();
            return snapshot && snapshot->PixelAt(130, 140) == KnownPixel;
        },
        std::chrono::milliseconds(3000));
    ASSERT_TRUE(snapshot);
    EXPECT_EQ(snapshot->Size(), screen.Layout().bounds.Size());
    EXPECT_EQ(snapshot->PixelAt(100, 120), KnownPixel);
    EXPECT_EQ(snapshot->PixelAt(159, 159), KnownPixel);
    EXPECT_NE(snapshot->PixelAt(160, 159), KnownPixel);
    EXPECT_EQ(gfx::AlphaOfPixel(*snapshot->PixelAt(0, 0)), 255);
}

TEST(Win32Pointer, MovesWhereToldAndHasACursorForEveryShape)
{
    Win32Pointer pointer;
    pointer.MoveTo({ 200, 210 });
    EXPECT_EQ(pointer.Position(), (gfx::Point { 200, 210 }));

    using platform::PointerShape;
    for (auto const shape :
        { PointerShape::Arrow, PointerShape::Cross, PointerShape::Hand, PointerShape::Move, PointerShape::SizeWestEast,
            PointerShape::SizeNorthSouth, PointerShape::SizeNorthWestSouthEast, PointerShape::SizeNorthEastSouthWest })
        EXPECT_NE(SystemCursor(shape), nullptr) << static_cast<int>(shape);
    EXPECT_NE(SystemCursor(PointerShape::Cross), SystemCursor(PointerShape::Arrow));
}
