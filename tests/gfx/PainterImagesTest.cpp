// Pictures painted onto pictures: the magnifier's enlargement, skin images with alpha, the
// translucent overlay. Exact pixels, since rounding errors here show as visible seams.

#include "PaintedPicture.h"
#include "gfx/Painter.h"

#include <gtest/gtest.h>

using namespace gfx;

namespace {

// Every pixel different and half transparent, so a test sees which source pixel landed where and
// that its alpha came along. As letters: row 0 is "abcd", row 1 "efgh" and so on.
Image Letters(int width, int height)
{
    Image image = BlackImage(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.SetPixel(x, y, MakePixel(x, y, 0, 0x80));
    }
    return image;
}

std::string LetterPicture(Image const& image)
{
    std::map<Pixel, char> legend { { BlackPixel, '.' } };
    for (int i = 0; i < 16; ++i)
        legend[MakePixel(i % 4, i / 4, 0, 0x80)] = static_cast<char>('a' + i);
    return Picture(image, legend);
}

}

TEST(PainterImages, CopiesAreClippedToTheSourceAndTheTarget)
{
    Image const source = Letters(3, 3);
    Image target = BlackImage(4, 4);
    Painter painter(target);
    painter.Blit({ 2, -1 }, source, { -1, 0, 4, 3 });
    painter.Translate(-2, 2);
    painter.Blit({ 0, 0 }, source, source.Bounds());
    painter.Blit({ 0, 0 }, source, { 3, 0, 5, 5 });
    EXPECT_EQ(LetterPicture(target), "...e\n...i\nc...\ng...\n");

    // Within one image, downwards: no row may be overwritten before it is read.
    Image scroll = Letters(4, 4);
    Painter(scroll).Blit({ 1, 1 }, scroll, { 0, 0, 3, 3 });
    EXPECT_EQ(LetterPicture(scroll), "abcd\neabc\niefg\nmijk\n");
}

// The magnifier shows an 11 x 11 piece of the screen 5 times larger; each screen pixel must be an
// exact 5 x 5 block, also where the frame is cut off by the edge of the target.
TEST(PainterImages, WholeNumberMagnificationGivesExactBlocks)
{
    Image const screen = Letters(20, 20);
    for (Rect const frame : { Rect { 0, 0, 55, 55 }, Rect { -3, -7, 55, 55 } }) {
        Image target = BlackImage(50, 50);
        Painter(target).StretchBlit(frame, screen, { 4, 6, 11, 11 });
        for (int y = 0; y < 50; ++y) {
            for (int x = 0; x < 50; ++x) {
                auto const expected = frame.Contains({ x, y })
                    ? screen.PixelAt(4 + (x - frame.x) / 5, 6 + (y - frame.y) / 5)
                    : BlackPixel;
                ASSERT_EQ(target.PixelAt(x, y), expected) << x << "," << y;
            }
        }
    }
}

TEST(PainterImages, ShrinkingAndUnevenScalingPickWholePixels)
{
    Image const source = Letters(4, 4);
    Image target = BlackImage(9, 4);
    Painter painter(target);
    painter.StretchBlit({ 0, 0, 2, 2 }, source, source.Bounds());
    painter.StretchBlit({ 0, 2, 5, 1 }, source, { 0, 0, 3, 1 });
    // Columns whose source lies left of the picture are left alone.
    painter.StretchBlit({ 0, 3, 8, 1 }, source, { -1, 0, 4, 1 });
    painter.StretchBlendAlpha({ 4, 0, 4, 2 }, source, { 2, 0, 2, 1 });
    EXPECT_EQ(LetterPicture(target), "ac..????.\nik..????.\naabbc....\n..aabbcc.\n");
    // c and d at half alpha over black.
    EXPECT_EQ(target.PixelAt(5, 1), MakePixel(1, 0, 0));
    EXPECT_EQ(target.PixelAt(6, 0), MakePixel(2, 0, 0));
}

// Rounded to the nearest value, so that 128/255 of 1 is 1 but 127/255 of 1 is 0, and opacity or
// alpha 255 copies exactly and 0 keeps the target exactly.
TEST(PainterImages, BlendingFollowsTheExactFormulaForEveryValue)
{
    // Source pixel (a, s) has alpha a and colour s; the target is one colour d per round.
    Image source = BlackImage(256, 256);
    for (int s = 0; s < 256; ++s) {
        for (int a = 0; a < 256; ++a)
            source.SetPixel(a, s, MakePixel(s, 255 - s, s / 3, a));
    }
    auto const mixed = [](int s, int d, int a) { return (s * a + d * (255 - a) + 127) / 255; };
    for (int opacity : { 0, 1, 127, 128, 254, 255 }) {
        Image target = BlackImage(256, 256);
        target.Fill(MakePixel(1, 100, 254, 0));
        Painter(target).BlendConstant({ 0, 0 }, source, source.Bounds(), static_cast<std::uint8_t>(opacity));
        for (int s = 0; s < 256; ++s) {
            Pixel const expected = MakePixel(mixed(s, 1, opacity), mixed(255 - s, 100, opacity), mixed(s / 3, 254, opacity));
            ASSERT_EQ(target.Scanline(s)[s], expected) << "s " << s << " opacity " << opacity;
        }
    }
    for (int d = 0; d < 256; d += 5) {
        Image target = BlackImage(256, 256);
        target.Fill(MakePixel(d, d, 255 - d));
        Painter(target).BlendAlpha({ 0, 0 }, source, source.Bounds());
        for (int s = 0; s < 256; ++s) {
            for (int a = 0; a < 256; ++a) {
                Pixel const expected = MakePixel(mixed(s, d, a), mixed(255 - s, d, a), mixed(s / 3, 255 - d, a));
                ASSERT_EQ(target.Scanline(s)[a], expected) << "s " << s << " d " << d << " a " << a;
            }
        }
    }

    // Over a partly transparent target: alpha 255 copies, 0 keeps, and alpha adds up as layers of
    // glass do: 128 + 64 * 127 / 255.
    Image glass = BlackImage(3, 1);
    glass.Fill(MakePixel(1, 2, 3, 64));
    Painter painter(glass);
    painter.BlendAlpha({ 0, 0 }, source, { 0, 10, 1, 1 });
    painter.BlendAlpha({ 1, 0 }, source, { 255, 10, 5, 1 });
    painter.BlendAlpha({ 2, 0 }, source, { 128, 255, 1, 1 });
    EXPECT_EQ(glass.PixelAt(0, 0), MakePixel(1, 2, 3, 64));
    EXPECT_EQ(glass.PixelAt(1, 0), MakePixel(10, 245, 3, 255));
    EXPECT_EQ(glass.PixelAt(2, 0), MakePixel(128, 1, 44, 160));
}
