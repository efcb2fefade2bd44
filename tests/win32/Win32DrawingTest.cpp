// The DIB that GDI and our painting share, and GDI text drawn onto our images.

#include "gfx/Painter.h"
#include "win32/DibImage.h"
#include "win32/Handles.h"
#include "win32/Win32TextRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace platform::win32;

namespace {

constexpr gfx::Pixel Paper = gfx::MakePixel(0xF0, 0xE0, 0xD0);

platform::TextStyle LargeText(Colour colour = 0)
{
    platform::TextStyle style;
    style.font.pointSize = 20;
    style.colour = colour;
    return style;
}

// The smallest rectangle holding every pixel that differs from `paper`.
gfx::Rect ChangedArea(gfx::Image const& image, gfx::Pixel paper = Paper)
{
    int left = image.Width(), top = image.Height(), right = -1, bottom = -1;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (*image.PixelAt(x, y) == paper)
                continue;
            left = std::min(left, x);
            top = std::min(top, y);
            right = std::max(right, x);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? gfx::Rect {} : gfx::Rect { left, top, right - left + 1, bottom - top + 1 };
}

int ChangedCount(gfx::Image const& image, gfx::Pixel paper = Paper)
{
    int count = 0;
    for (int y = 0; y < image.Height(); ++y)
        count += static_cast<int>(std::count_if(image.Scanline(y), image.Scanline(y) + image.Width(),
            [&](gfx::Pixel pixel) { return pixel != paper; }));
    return count;
}

gfx::Image Drawn(std::string_view text, platform::TextStyle const& style, gfx::Size size = { 200, 60 })
{
    Win32TextRenderer renderer;
    gfx::Image image = *gfx::Image::Create(size.width, size.height, Paper);
    renderer.DrawText(image, image.Bounds(), image.Bounds(), text, style);
    return image;
}

}

TEST(DibImage, SharesOnePixelLayoutWithGdi)
{
    auto dib = DibImage::Create(8, 4);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->Size(), (gfx::Size { 8, 4 }));
    EXPECT_EQ(*dib->Pixels().PixelAt(7, 3), 0u);
    HDC const dc = static_cast<HDC>(dib->DeviceContext());

    // Our colour value is the system's COLORREF; a pixel is 0xAARRGGBB.
    SetPixel(dc, 1, 2, static_cast<COLORREF>(MakeColour(0x12, 0x34, 0x56)));
    EXPECT_EQ(*dib->Pixels().PixelAt(1, 2) & 0xFFFFFF, 0x123456u);
    dib->Pixels().SetPixel(6, 0, gfx::MakePixel(0xAB, 0xCD, 0xEF));
    EXPECT_EQ(GetPixel(dc, 6, 0), static_cast<COLORREF>(MakeColour(0xAB, 0xCD, 0xEF)));
    // Top-down: row 0 is the top row for GDI as well.
    RECT const topRow { 0, 0, 8, 1 };
    OwnedBrush const white(CreateSolidBrush(RGB(255, 255, 255)));
    FillRect(dc, &topRow, white.Get());
    EXPECT_EQ(*dib->Pixels().PixelAt(3, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(*dib->Pixels().PixelAt(3, 1) & 0xFFFFFF, 0u);

    // Moving keeps the same bitmap and DC.
    void* const bitmap = dib->Bitmap();
    DibImage moved = std::move(*dib);
    EXPECT_EQ(moved.Bitmap(), bitmap);
    EXPECT_EQ(GetCurrentObject(static_cast<HDC>(moved.DeviceContext()), OBJ_BITMAP), bitmap);
    EXPECT_EQ(*moved.Pixels().PixelAt(1, 2) & 0xFFFFFF, 0x123456u);
}

TEST(Win32TextRenderer, ChangesOnlyPixelsInsideTheClipAndMakesThemOpaque)
{
    Win32TextRenderer renderer;
    // A plain image, not a DIB; the paper is see-through, as a skin picture's corner may be.
    gfx::Pixel const clearPaper = Paper & 0x00FFFFFF;
    gfx::Image image = *gfx::Image::Create(200, 60, clearPaper);
    gfx::Rect const clip { 10, 0, 30, 60 };
    renderer.DrawText(image, image.Bounds(), clip, "取色器 WWW", LargeText());

    int insideChanged = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            gfx::Pixel const pixel = *image.PixelAt(x, y);
            if (!clip.Contains({ x, y })) {
                ASSERT_EQ(pixel, clearPaper) << x << "," << y;
            } else if (pixel != clearPaper) {
                ++insideChanged;
                ASSERT_EQ(gfx::AlphaOfPixel(pixel), 255) << x << "," << y;
            }
        }
    }
    EXPECT_GT(insideChanged, 20);
}

TEST(Win32TextRenderer, DrawsChineseGlyphsNotBoxes)
{
    gfx::Image const first = Drawn("取", LargeText());
    gfx::Image const second = Drawn("色", LargeText());
    // A missing glyph would be the same empty box for both characters.
    EXPECT_GT(ChangedCount(first), 30);
    EXPECT_GT(ChangedCount(second), 30);
    int differing = 0;
    for (int y = 0; y < first.Height(); ++y)
        for (int x = 0; x < first.Width(); ++x)
            differing += *first.PixelAt(x, y) != *second.PixelAt(x, y);
    EXPECT_GT(differing, 30);
}

TEST(Win32TextRenderer, FollowsColourAlignmentLinesAndWrapping)
{
    // The stems of large glyphs are solid: some pixels have exactly the text colour.
    Colour const red = MakeColour(200, 0, 0);
    gfx::Image const coloured = Drawn("HHH", LargeText(red));
    gfx::Rect const all { 0, 0, 200, 60 };
    int solid = 0;
    for (int y = 0; y < all.height; ++y)
        for (int x = 0; x < all.width; ++x)
            solid += *coloured.PixelAt(x, y) == gfx::PixelFromColour(red);
    EXPECT_GT(solid, 10);

    platform::TextStyle style = LargeText();
    gfx::Rect const left = ChangedArea(Drawn("ab", style));
    style.align = platform::TextAlign::Right;
    gfx::Rect const right = ChangedArea(Drawn("ab", style));
    style.align = platform::TextAlign::Centre;
    gfx::Rect const centre = ChangedArea(Drawn("ab", style));
    EXPECT_LT(left.x, 10);
    EXPECT_GT(right.Right(), 190);
    EXPECT_GT(centre.x, left.x + 40);
    EXPECT_LT(centre.Right(), right.Right() - 40);

    style.align = platform::TextAlign::Left;
    gfx::Rect const oneLine = ChangedArea(Drawn("ab", style, { 200, 120 }));
    gfx::Rect const twoLines = ChangedArea(Drawn("ab\nab", style, { 200, 120 }));
    EXPECT_GT(twoLines.height, oneLine.height * 3 / 2);
    EXPECT_EQ(twoLines.width, oneLine.width);

    // The same words in a narrow box: on one line, or wrapped when asked.
    gfx::Rect const unwrapped = ChangedArea(Drawn("ab cd ef", style, { 70, 120 }));
    style.wordWrap = true;
    gfx::Rect const wrapped = ChangedArea(Drawn("ab cd ef", style, { 70, 120 }));
    EXPECT_GT(wrapped.height, unwrapped.height * 2);
}

TEST(Win32TextRenderer, DrawsNothingForEmptyTextOrAnEmptyClip)
{
    Win32TextRenderer renderer;
    gfx::Image image = *gfx::Image::Create(50, 20, Paper);
    renderer.DrawText(image, image.Bounds(), image.Bounds(), "", LargeText());
    renderer.DrawText(image, image.Bounds(), { 60, 0, 10, 10 }, "取色器", LargeText());
    renderer.DrawText(image, { -100, -100, 50, 50 }, image.Bounds(), "取色器", LargeText());
    EXPECT_EQ(ChangedCount(image), 0);
}

TEST(Win32TextRenderer, MeasuresByFontAndLines)
{
    Win32TextRenderer renderer;
    platform::Font font;
    gfx::Size const title = renderer.MeasureText("取色器", font);
    EXPECT_GT(title.width, 0);
    EXPECT_GT(title.height, 0);

    font.pointSize = 18;
    gfx::Size const large = renderer.MeasureText("取色器", font);
    EXPECT_GT(large.width, title.width);
    EXPECT_GT(large.height, title.height);
    gfx::Size const twoLines = renderer.MeasureText("取色器\n取色器", font);
    EXPECT_EQ(twoLines.width, large.width);
    EXPECT_GE(twoLines.height, 2 * large.height - 1);

    // The same description gives the same font, made once.
    EXPECT_EQ(renderer.FontHandle(font), renderer.FontHandle(font));
    platform::Font bold = font;
    bold.bold = true;
    EXPECT_NE(renderer.FontHandle(bold), renderer.FontHandle(font));
    LOGFONTW description {};
    GetObjectW(renderer.FontHandle(bold), sizeof description, &description);
    EXPECT_EQ(description.lfWeight, FW_BOLD);
    WindowDc const screen(nullptr);
    EXPECT_EQ(description.lfHeight, -MulDiv(18, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72));
}
