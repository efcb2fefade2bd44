// The drawing and file helpers under the skin: tiny pictures, exact pixels.

#include "gfx/ImageDecoder.h"
#include "tools/skingen/DefaultSkin.h"
#include "tools/skingen/Glyphs.h"
#include "tools/skingen/ImageFiles.h"
#include "tools/skingen/Preview.h"
#include "tools/skingen/Shapes.h"
#include "tools/skingen/SharedPictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace skingen;

namespace {

gfx::Image Make(int width, int height, gfx::Pixel fill = 0) { return *gfx::Image::Create(width, height, fill); }

TEST(ImageFiles, EveryFormatKeepsRedGreenAndBlueInTheirPlaces)
{
    gfx::Image image = Make(2, 2);
    image.SetPixel(0, 0, gfx::MakePixel(255, 0, 0));
    image.SetPixel(1, 0, gfx::MakePixel(0, 255, 0));
    image.SetPixel(0, 1, gfx::MakePixel(0, 0, 255));
    image.SetPixel(1, 1, gfx::MakePixel(200, 100, 50));
    for (FileFormat format : { FileFormat::Png, FileFormat::Bmp, FileFormat::Jpeg }) {
        auto const decoded = gfx::DecodeImage(EncodeImage(image, format));
        ASSERT_TRUE(decoded);
        ASSERT_EQ(decoded->Size(), image.Size());
        // JPEG is lossy; a swapped channel is off by far more than this.
        int const tolerance = format == FileFormat::Jpeg ? 40 : 0;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x)
                for (int shift : { 0, 8, 16 }) {
                    int const want = static_cast<int>((*image.PixelAt(x, y) >> shift) & 0xFF);
                    int const got = static_cast<int>((*decoded->PixelAt(x, y) >> shift) & 0xFF);
                    EXPECT_LE(std::abs(want - got), tolerance) << static_cast<int>(format) << " at " << x << "," << y;
                }
    }
}

TEST(ImageFiles, PngKeepsAlphaExactly)
{
    gfx::Image image = Make(3, 1);
    image.SetPixel(0, 0, gfx::MakePixel(64, 0, 64, 0));
    image.SetPixel(1, 0, gfx::MakePixel(10, 20, 30, 128));
    image.SetPixel(2, 0, gfx::MakePixel(1, 2, 3, 255));
    auto const decoded = gfx::DecodeImage(EncodeImage(image, FileFormat::Png));
    ASSERT_TRUE(decoded);
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(*decoded->PixelAt(x, 0), *image.PixelAt(x, 0)) << x;
}

TEST(Shapes, EdgesOnPixelBoundariesAreCrispAndOthersBlend)
{
    gfx::Image image = Make(6, 4);
    Fill(image, RoundedRect(1, 1, 3, 2, 0), gfx::MakePixel(255, 255, 255));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            bool const inside = x >= 1 && x < 4 && y >= 1 && y < 3;
            EXPECT_EQ(gfx::AlphaOfPixel(*image.PixelAt(x, y)), inside ? 255 : 0) << x << "," << y;
        }

    gfx::Image half = Make(2, 1);
    Fill(half, RoundedRect(0, 0, 1.5, 1, 0), gfx::MakePixel(255, 255, 255));
    EXPECT_EQ(gfx::AlphaOfPixel(*half.PixelAt(0, 0)), 255);
    EXPECT_EQ(gfx::AlphaOfPixel(*half.PixelAt(1, 0)), 127);
}

TEST(Shapes, OverUsesStraightAlpha)
{
    gfx::Pixel const red = gfx::MakePixel(255, 0, 0);
    gfx::Pixel const blue = gfx::MakePixel(0, 0, 255);
    // Onto nothing, the colour stays whole however faint it is.
    EXPECT_EQ(Over(0, WithAlpha(red, 10)), WithAlpha(red, 10));
    EXPECT_EQ(Over(blue, WithAlpha(red, 0)), blue);
    EXPECT_EQ(Over(blue, red), red);
    gfx::Pixel const mixed = Over(blue, WithAlpha(red, 128));
    EXPECT_EQ(gfx::AlphaOfPixel(mixed), 255);
    EXPECT_EQ(gfx::ColourFromPixel(mixed), MakeColour(128, 0, 127));
    // Half over half covers three quarters, and the colours share it two to one.
    gfx::Pixel const faint = Over(WithAlpha(blue, 128), WithAlpha(red, 128));
    EXPECT_NEAR(gfx::AlphaOfPixel(faint), 192, 1);
    EXPECT_NEAR(RedOf(gfx::ColourFromPixel(faint)), 170, 1);
}

TEST(SharedPictures, ShrinkAveragesAreasAndKeepsFlatColoursExact)
{
    gfx::Image stripes = Make(4, 1);
    for (int x = 0; x < 4; ++x)
        stripes.SetPixel(x, 0, x % 2 ? gfx::MakePixel(200, 100, 0) : gfx::MakePixel(0, 100, 200));
    gfx::Image const two = Shrink(stripes, { 2, 1 });
    EXPECT_EQ(*two.PixelAt(0, 0), gfx::MakePixel(100, 100, 100));
    EXPECT_EQ(*two.PixelAt(1, 0), gfx::MakePixel(100, 100, 100));

    // Sizes that do not divide evenly, as the logo's 306 x 72 into 111 x 63.
    gfx::Image const flat = Make(306, 72, gfx::MakePixel(45, 127, 249));
    gfx::Image const small = Shrink(flat, LogoSize);
    for (int y = 0; y < small.Height(); ++y)
        for (int x = 0; x < small.Width(); ++x)
            ASSERT_EQ(*small.PixelAt(x, y), gfx::MakePixel(45, 127, 249)) << x << "," << y;
}

TEST(Glyphs, CaptionsReachingPastTheEdgeAreClipped)
{
    gfx::Image tiny = Make(8, 8);
    DrawCaption(tiny, { -10, -3, 20, 10 }, "保存", gfx::MakePixel(255, 255, 255));
    int inked = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            inked += gfx::AlphaOfPixel(*tiny.PixelAt(x, y)) > 0;
    EXPECT_GT(inked, 0);
}

TEST(Preview, ComposesTheDefaultSkinAndRefusesASkinWithAMissingPicture)
{
    auto files = DefaultSkinPackage();
    auto const preview = ComposePreview(files);
    ASSERT_TRUE(preview);
    // The window's see-through corner shows the desktop, not the key colour.
    EXPECT_NE(gfx::ColourFromPixel(*preview->PixelAt(16, 16)), TransparentKeyColour);

    std::erase_if(files, [](PackageFile const& file) { return file.path.ends_with("/field.png"); });
    EXPECT_FALSE(ComposePreview(files));
}

}
