// The capture's frames: the darkening, what a frame shows where, and that repainting only the
// changed areas always leaves the same picture as painting the whole frame.

#include "gfx/Painter.h"
#include "screen/CaptureOverlay.h"
#include "screen/Darken.h"
#include "tests/fake/FakeOverlayWindow.h"
#include "tests/fake/FakeScreen.h"
#include "tests/fake/FakeTextRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

using platform::LeftButton;
using screen::SelRect;

constexpr gfx::Size FrameScreen { 640, 480 };
constexpr Colour Desktop = MakeColour(123, 255, 255);
platform::Desktop const Single = platform::Desktop::Single({ 0, 0, FrameScreen.width, FrameScreen.height });

gfx::Image Plain(Colour colour)
{
    return *gfx::Image::Create(FrameScreen.width, FrameScreen.height, gfx::PixelFromColour(colour));
}

Colour At(gfx::Image const& image, int x, int y) { return gfx::ColourFromPixel(*image.PixelAt(x, y)); }

TEST(CaptureFrame, TheDarkCopyIsEveryChannelTimesFiftyOver255)
{
    gfx::Image dark = Plain(0);
    screen::DarkenInto(Plain(Desktop), dark);
    EXPECT_EQ(At(dark, 3, 3), MakeColour(123 * 50 / 255, 50, 50));
    screen::DarkenInto(Plain(MakeColour(254, 1, 0)), dark);
    EXPECT_EQ(At(dark, 0, 0), MakeColour(49, 0, 0));
}

class CaptureFrames : public ::testing::Test {
protected:
    platform::fake::FakeTextRenderer m_text;
    platform::fake::FakePointer m_pointer;
    platform::fake::FakeOverlayWindow m_window { FrameScreen };
    gfx::Image const m_snapshot = Plain(Desktop);
    screen::JTK m_capture { m_window, m_text, m_pointer, m_snapshot, Single };
    screen::CaptureAssets const m_assets = screen::CaptureAssets::Make(m_snapshot, m_text);

    void Move(int x, int y, int buttons = 0) { m_window.Input()->PointerMove({ x, y }, buttons, 0); }
    void Down(int x, int y, int button = LeftButton) { m_window.Input()->PointerDown({ x, y }, button, 0); }
    void Up(int x, int y) { m_window.Input()->PointerUp({ x, y }, LeftButton, 0); }
};

TEST_F(CaptureFrames, ASelectionShowsBrightInItsFrameWithHandlesAndTheSizeInTheTipBox)
{
    m_capture.Frame();
    gfx::Image const& shown = m_window.Pixels();
    Colour const dim = MakeColour(24, 50, 50);
    EXPECT_EQ(At(shown, 600, 400), dim);

    Down(107, 200);
    Move(300, 250, LeftButton);
    Move(100, 300, LeftButton); // drawn up and left of nothing: X = 100, W = 7, Y = 200, H = 100
    m_capture.Frame();
    EXPECT_EQ(m_capture.CurrentSelection().Rect(), (SelRect { 100, 200, 7, 100 }));
    EXPECT_EQ(At(shown, 103, 250), Desktop) << "bright inside";
    EXPECT_EQ(At(shown, 100, 250), screen::SelectionFrameColour) << "the left line on the first column";
    EXPECT_EQ(At(shown, 107, 230), screen::SelectionFrameColour) << "the right line just outside";
    EXPECT_EQ(At(shown, 108, 230), dim);
    // Handles are 3 x 3; the middle ones start at cx = X + W / 2 - 1 = 102.5, which goes to 102.
    EXPECT_EQ(At(shown, 99, 199), screen::SelectionFrameColour) << "top-left handle";
    EXPECT_EQ(At(shown, 104, 199), screen::SelectionFrameColour) << "top-middle handle ends at cx + 2";
    EXPECT_EQ(At(shown, 102, 301), screen::SelectionFrameColour) << "bottom-middle handle";
    EXPECT_EQ(At(shown, 103, 298), Desktop) << "handles are 3 high";
    // The tip box is above the selection, and the magnifier below it, right-aligned with it.
    gfx::Size const box = m_assets.tipBox;
    EXPECT_EQ(At(shown, 100, 200 - box.height), screen::TipBoxColour);
    EXPECT_EQ(At(shown, 7, 301), 0) << "the magnifier's outline";
    EXPECT_EQ(At(shown, 50, 303), screen::MagnifierBoxColour);
    EXPECT_EQ(screen::SizeLabel({ 1, 2, 300, 200 }), " 所选区域大小：300 X 200" + std::string(20, ' '));
}

TEST_F(CaptureFrames, TheTipBoxNearTheCornerSitsLeftOfAndAboveThePointer)
{
    Move(FrameScreen.width - 1, FrameScreen.height - 1);
    screen::CaptureMemory memory;
    auto const layout = screen::LayOutCaptureFrame(m_capture.CurrentSelection(), Single, m_assets, m_text, memory);
    EXPECT_EQ(layout.tipAt,
        (gfx::Point { FrameScreen.width - m_assets.tipBox.width - 2, FrameScreen.height - 1 - m_assets.tipBox.height }));
}

TEST_F(CaptureFrames, AMagnifierAboveKeepsTheNextTipBoxFromThere)
{
    Down(200, 200);
    Move(300, FrameScreen.height - 10, LeftButton);
    screen::CaptureMemory memory;
    auto const first = screen::LayOutCaptureFrame(m_capture.CurrentSelection(), Single, m_assets, m_text, memory);
    EXPECT_EQ(first.magnifierAt, (gfx::Point { 200, 200 - 121 }));
    auto const next = screen::LayOutCaptureFrame(m_capture.CurrentSelection(), Single, m_assets, m_text, memory);
    EXPECT_NE(next.tipAt.y, 200 - m_assets.tipBox.height) << "not above once the magnifier is";
}

// The information box's texts at the scale of a monitor: the box and the step to the second line
// grow with the font, never below the 14 pixels of a 96-DPI screen.
TEST_F(CaptureFrames, TheTipBoxIsMeasuredInTheFontItIsDrawnIn)
{
    EXPECT_EQ(m_assets.lineStep, 14);
    screen::CaptureAssets const scaled = screen::CaptureAssets::Make(m_snapshot, m_text, 144);
    platform::Font font;
    font.dpi = 144;
    gfx::Size const cell = platform::fake::FakeTextRenderer::Cell(font);
    EXPECT_EQ(scaled.tipBox.height, 2 * cell.height + 6);
    EXPECT_EQ(scaled.lineStep, cell.height);
    screen::CaptureMemory memory;
    auto const layout = screen::LayOutCaptureFrame(m_capture.CurrentSelection(), Single, scaled, m_text, memory);
    EXPECT_EQ(layout.line2Box.y, layout.line1Box.y + cell.height);
    EXPECT_LE(layout.line2Box.Bottom(), layout.tipAt.y + scaled.tipBox.height);
}

// Before: with a negative width the handles were painted where the changed areas did not reach,
// and stale pixels stayed on the screen.
TEST_F(CaptureFrames, ChangedAreasCoverTheSelectionAsPaintedWhateverTheSignOfItsSize)
{
    screen::CaptureMemory memory;
    auto const before = screen::LayOutCaptureFrame(m_capture.CurrentSelection(), Single, m_assets, m_text, memory);
    screen::CaptureLayout after = before;
    after.rect = { 300, 200, -40, 30 };
    after.bright = after.handles = true;
    auto const changed = screen::ChangedAreas(before, after, FrameScreen, m_assets);
    // The top-right handle's first pixel, at X + W - 1, Y - 1.
    EXPECT_TRUE(std::any_of(changed.begin(), changed.end(), [](gfx::Rect r) { return r.Contains({ 259, 199 }); }));
}

// Whatever happens, the picture built from changed areas is the picture of the whole frame.
TEST_F(CaptureFrames, RepaintingChangedAreasAlwaysMatchesAFullRepaint)
{
    std::mt19937 random(7);
    auto const coordinate = [&](int limit) { return std::uniform_int_distribution<int>(-5, limit + 5)(random); };
    screen::CaptureMemory memory;
    for (int step = 0; step < 150; ++step) {
        int const x = coordinate(FrameScreen.width);
        int const y = coordinate(FrameScreen.height);
        switch (random() % 6) {
        case 0:
            Down(x, y);
            break;
        case 1:
            Up(x, y);
            break;
        case 2:
            Down(x, y, platform::RightButton);
            break;
        case 3:
            m_window.Input()->KeyDown(screen::VirtualKeyLeft + static_cast<int>(random() % 4), 0);
            break;
        default:
            Move(x, y, (random() % 3) ? LeftButton : 0);
            break;
        }
        m_capture.Frame();
        auto const layout = screen::LayOutCaptureFrame(m_capture.CurrentSelection(), Single, m_assets, m_text, memory);
        gfx::Image full = Plain(0);
        gfx::Painter painter(full);
        auto const source = screen::MagnifierSource(layout, m_assets, m_text);
        screen::PaintCaptureFrame(painter, layout, m_assets, m_text, source ? &*source : nullptr);
        for (int py = 0; py < FrameScreen.height; ++py)
            for (int px = 0; px < FrameScreen.width; ++px)
                ASSERT_EQ(*m_window.Pixels().PixelAt(px, py), *full.PixelAt(px, py)) << "step " << step << " at " << px
                                                                                      << "," << py;
    }
}

}
