// The tools on a desk of two monitors: a smaller one left of the primary, so the virtual screen
// starts at a negative x and has a gap below the smaller one. Boxes keep to one monitor; the pick
// and the capture read the very pixels under the pointer and the selection.

#include "gfx/Painter.h"
#include "screen/CaptureFrame.h"
#include "screen/Desk.h"
#include "screen/PickMagnifier.h"
#include "screen/ScreenTools.h"
#include "tests/fake/FakeClipboard.h"
#include "tests/fake/FakeEventLoop.h"
#include "tests/fake/FakeOverlayWindow.h"
#include "tests/fake/FakeScreen.h"
#include "tests/fake/FakeTextRenderer.h"

#include <gtest/gtest.h>

namespace {

using platform::LeftButton;

// In screen coordinates: 300 x 200 at (-300, 0) and the primary 400 x 260 at (0, 0).
platform::Desktop TwoMonitors()
{
    gfx::Rect const left { -300, 0, 300, 200 };
    gfx::Rect const primary { 0, 0, 400, 260 };
    return { { -300, 0, 700, 260 }, { { left, left, 96, false }, { primary, primary, 144, true } } };
}

// The same in overlay pixels: the left monitor at 0,0, the primary at 300,0, the gap below the left.
platform::Desktop const Desk = screen::InOverlayPixels(TwoMonitors());

gfx::Image Numbered()
{
    auto image = gfx::Image::Create(700, 260);
    for (int y = 0; y < 260; ++y)
        for (int x = 0; x < 700; ++x)
            image->SetPixel(x, y, gfx::MakePixel(x & 0xFF, y, x >> 8));
    return std::move(*image);
}

TEST(MultiMonitor, ThePickMagnifierFlipsAtItsMonitorsEdgesAndNeverHangsOverAnother)
{
    using screen::MagnifierCorner;
    ASSERT_EQ(Desk.monitors[1].bounds, (gfx::Rect { 300, 0, 400, 260 }));
    // Beside the primary: the rule of one screen, held one pixel back from the neighbour.
    EXPECT_EQ(MagnifierCorner({ 250, 100 }, Desk), (gfx::Point { 259, 110 }));
    EXPECT_EQ(MagnifierCorner({ 251, 100 }, Desk), (gfx::Point { 201, 110 }));
    // Above the gap: flipped up past 50 pixels from the bottom, held out of the gap before that.
    EXPECT_EQ(MagnifierCorner({ 100, 151 }, Desk), (gfx::Point { 110, 101 }));
    EXPECT_EQ(MagnifierCorner({ 100, 150 }, Desk), (gfx::Point { 110, 159 }));
    // The virtual screen's own edges behave as a single screen's.
    EXPECT_EQ(MagnifierCorner({ 650, 210 }, Desk), (gfx::Point { 660, 220 }));
}

TEST(MultiMonitor, CaptureBoxesKeepToTheMonitorShowingMostOfTheSelection)
{
    platform::fake::FakeTextRenderer text;
    gfx::Image const snapshot = Numbered();
    screen::CaptureAssets const assets = screen::CaptureAssets::Make(snapshot, text);
    gfx::Size const box = assets.tipBox;
    auto layOut = [&](screen::Selection const& selection) {
        screen::CaptureMemory memory;
        return screen::LayOutCaptureFrame(selection, Desk, assets, text, memory);
    };

    // The help box near the pointer stays above the gap.
    screen::Selection idle(Desk.bounds.Size());
    idle.MouseMove(0, 290, 190);
    EXPECT_EQ(layOut(idle).tipAt, (gfx::Point { 300 - box.width - 2, 190 - box.height }));

    // Mostly on the primary: the information box below it starts at the primary's left edge.
    screen::Selection across(Desk.bounds.Size());
    across.MouseDown(LeftButton, 280, 10);
    across.MouseMove(LeftButton, 680, 210);
    EXPECT_EQ(layOut(across).tipAt, (gfx::Point { 300, 210 }));

    // On the left monitor near its right edge: the magnifier inside the selection's corner is
    // lifted out of the gap below.
    screen::Selection left(Desk.bounds.Size());
    left.MouseDown(LeftButton, 20, 100);
    left.MouseMove(LeftButton, 290, 190);
    EXPECT_EQ(layOut(left).magnifierAt, (gfx::Point { 190, 200 - 121 }));
}

TEST(MultiMonitor, AKeyStepStopsAtTheEdgeOfTheMonitorItWouldLeaveForNone)
{
    using screen::SteppedOnDesk;
    // Across the boundary onto the other monitor.
    EXPECT_EQ(SteppedOnDesk({ 295, 100 }, 10, 0, Desk), (gfx::Point { 305, 100 }));
    // Into the gap below the left monitor, from below and beside it.
    EXPECT_EQ(SteppedOnDesk({ 120, 195 }, 0, 10, Desk), (gfx::Point { 120, 199 }));
    EXPECT_EQ(SteppedOnDesk({ 305, 250 }, -10, 0, Desk), (gfx::Point { 300, 250 }));
    // Past the virtual screen's own edges.
    EXPECT_EQ(SteppedOnDesk({ 0, 0 }, -1, 0, Desk), (gfx::Point { 0, 0 }));
    EXPECT_EQ(SteppedOnDesk({ 695, 255 }, 10, 0, Desk), (gfx::Point { 699, 255 }));
}

class MultiMonitorFlow : public ::testing::Test {
protected:
    MultiMonitorFlow()
    {
        m_screen.SetLayout(TwoMonitors());
        m_screen.Show(Numbered());
    }

    platform::fake::FakeScreen m_screen;
    platform::fake::FakePointer m_pointer;
    platform::fake::FakeEventLoop m_loop;
    platform::fake::FakeClipboard m_clipboard;
    platform::fake::FakeTextRenderer m_text;
    platform::fake::FakeOverlayWindow* m_overlay = nullptr;
    screen::ScreenServices const m_services { m_screen, m_pointer, m_loop, m_clipboard, m_text, [this](gfx::Rect area) {
                                                 EXPECT_EQ(area, TwoMonitors().bounds);
                                                 auto overlay = std::make_unique<platform::fake::FakeOverlayWindow>(area.Size());
                                                 m_overlay = overlay.get();
                                                 return std::unique_ptr<platform::OverlayWindow>(std::move(overlay));
                                             } };
    screen::ScreenTools m_tools;
};

TEST_F(MultiMonitorFlow, APickAndACaptureAcrossTheBoundaryTakeTheScreensOwnPixels)
{
    m_tools.Attach(&m_services);
    m_pointer.MoveTo({ -290, 7 });
    m_loop.OnServe = [this] { m_overlay->Input()->PointerUp({ 10, 7 }, LeftButton, 0); };
    EXPECT_EQ(m_tools.StartPick(), gfx::ColourFromPixel(gfx::MakePixel(10, 7, 0)));

    m_loop.OnServe = [this] {
        platform::InputEvents& input = *m_overlay->Input();
        input.PointerDown({ 290, 50 }, LeftButton, 0);
        input.PointerMove({ 310, 60 }, LeftButton, 0);
        input.PointerUp({ 310, 60 }, LeftButton, 0);
        // The arrow keys move the system's pointer in screen coordinates.
        input.KeyDown(screen::VirtualKeyRight, 0);
        EXPECT_EQ(m_pointer.Position(), (gfx::Point { 11, 60 }));
        input.PointerDoubleClick({ 300, 55 }, LeftButton, 0);
    };
    m_tools.StartCapture();
    gfx::Image const* picture = m_clipboard.Picture();
    ASSERT_NE(picture, nullptr);
    ASSERT_EQ(picture->Size(), (gfx::Size { 21, 10 }));
    EXPECT_EQ(*picture->PixelAt(0, 0), gfx::MakePixel(290, 50, 1));
    EXPECT_EQ(*picture->PixelAt(20, 9), gfx::MakePixel(310 & 0xFF, 59, 1));
}

}

namespace {

TEST_F(MultiMonitorFlow, APickFromTheKeyboardMovesThePointerOnTheMonitorsAndEndsWithEnter)
{
    m_tools.Attach(&m_services);
    // Near the bottom right corner of the left monitor, above the gap.
    m_pointer.MoveTo({ -5, 195 });
    std::vector<gfx::Point> seen;
    m_loop.OnServe = [&] {
        platform::InputEvents& input = *m_overlay->Input();
        using namespace screen;
        for (auto [key, shift] : { std::pair { VirtualKeyDown, platform::ShiftKey }, { VirtualKeyRight, platform::ShiftKey },
                 { VirtualKeyDown, 0 }, { VirtualKeyLeft, platform::ShiftKey }, { VirtualKeyUp, 0 } }) {
            input.KeyDown(key, shift);
            seen.push_back(*m_pointer.Position());
        }
        // Esc cancels nothing; the magnifier already shows the pixel under the pointer.
        EXPECT_TRUE(input.KeyDown(27, 0));
        EXPECT_TRUE(input.KeyPress(27));
        gfx::Point const corner = MagnifierCorner({ 300, 199 }, Desk);
        EXPECT_EQ(*m_overlay->Pixels().PixelAt(corner.x + 21, corner.y + 21), gfx::MakePixel(300 & 0xFF, 199, 1));
        input.KeyDown(VirtualKeyReturn, 0);
    };
    EXPECT_EQ(m_tools.StartPick(), gfx::ColourFromPixel(gfx::MakePixel(300 & 0xFF, 199, 1)));
    // Held above the gap, across onto the primary, held at its left edge beside the gap.
    EXPECT_EQ(seen, (std::vector<gfx::Point> { { -5, 199 }, { 5, 199 }, { 5, 200 }, { 0, 200 }, { 0, 199 } }));
    EXPECT_EQ(m_loop.Serves(), 1) << "Enter ends the pick at once";
}

TEST_F(MultiMonitorFlow, ACaptureOpenedFromTheKeyboardStepsFromThePointerNotFromTheCorner)
{
    m_tools.Attach(&m_services);
    m_pointer.MoveTo({ -290, 7 });
    m_loop.OnServe = [this] {
        m_overlay->Input()->KeyDown(screen::VirtualKeyDown, 0);
        m_overlay->Input()->KeyPress(27);
    };
    m_tools.StartCapture();
    EXPECT_EQ(m_pointer.Position(), (gfx::Point { -290, 8 }));
}

}
