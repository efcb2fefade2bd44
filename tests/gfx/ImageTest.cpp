// The pixel buffer and the rectangles it is clipped with: sizes at the limits, wrapped memory,
// the pixel layout Windows expects, and coordinates far beyond any screen.

#include "PaintedPicture.h"
#include "gfx/Geometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

using namespace gfx;

TEST(Geometry, EdgesNearTheEndsOfTheIntRangeDoNotWrap)
{
    Rect const far { INT_MAX - 5, INT_MIN, 100, 100 };
    EXPECT_EQ(far.Right(), INT_MAX);
    EXPECT_TRUE(far.Contains({ INT_MAX - 1, INT_MIN + 99 }));
    EXPECT_FALSE(far.Contains({ INT_MAX - 6, INT_MIN }));
    EXPECT_EQ(far.Intersected({ INT_MAX - 10, INT_MIN, 7, 1 }), (Rect { INT_MAX - 5, INT_MIN, 2, 1 }));
    EXPECT_EQ((Rect { INT_MAX - 1, -5, 3, 3 }).Translated(10, -10), (Rect { INT_MAX, -15, 3, 3 }));
    EXPECT_EQ((Rect { 1, 1, 0, 5 }).Intersected({ 0, 0, 9, 9 }), Rect {});
    EXPECT_EQ((Rect { INT_MIN + 1, 0, INT_MAX - 1, 4 }).Inflated(2), (Rect { INT_MIN, -2, INT_MAX, 8 }));
    // Shrunk past nothing: empty, never a negative size.
    EXPECT_EQ((Rect { 0, 0, 5, 9 }).Inflated(-3), (Rect { 3, 3, 0, 3 }));
}

TEST(Image, SizesBeyondTheLimitsAreRefusedAndAnEmptyImageIgnoresEverything)
{
    EXPECT_FALSE(Image::Create(0, 5));
    EXPECT_FALSE(Image::Create(5, -1));
    EXPECT_FALSE(Image::Create(MaxImageSide + 1, 1));
    EXPECT_FALSE(Image::Create(MaxImageSide, MaxImageSide)) << "256 Mpixels";
    auto const image = Image::Create(3, 2, 0x12345678u);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->PixelAt(2, 1), 0x12345678u);
    EXPECT_EQ(image->PixelAt(3, 1), std::nullopt);
    EXPECT_EQ(image->PixelAt(-1, 0), std::nullopt);

    Image empty;
    empty.SetPixel(0, 0, 1);
    empty.Fill(1);
    EXPECT_EQ(empty.PixelAt(0, 0), std::nullopt);
    EXPECT_TRUE(empty.Clone().IsEmpty());
    EXPECT_TRUE(Image::Wrap(nullptr, 0, 10, 0).IsEmpty());
}

TEST(Image, WrappedMemoryIsPaintedInPlaceAndClonesOwnTheirs)
{
    // Two rows of three pixels, four apart, as in a DIB section with padding.
    Pixel memory[8] = {};
    Image wrapped = Image::Wrap(memory, 3, 2, 4);
    wrapped.SetPixel(2, 1, 7);
    wrapped.SetPixel(3, 0, 9);
    EXPECT_EQ(memory[6], 7u);
    EXPECT_EQ(memory[3], 0u) << "the padding is not part of the picture";

    Image copy = wrapped.Clone();
    copy.SetPixel(0, 0, 5);
    EXPECT_EQ(memory[0], 0u);
    EXPECT_EQ(copy.PixelAt(2, 1), 7u);
    Image moved = std::move(copy);
    EXPECT_TRUE(copy.IsEmpty()); // the moved-from state is part of the promise
    EXPECT_EQ(moved.PixelAt(0, 0), 5u);
    moved = BlackImage(1, 1);
    EXPECT_EQ(moved.PixelAt(0, 0), BlackPixel);
}

TEST(Image, PixelsAreLaidOutLikeADibAndColoursConvertBothWays)
{
    Colour const colour = MakeColour(0x11, 0x22, 0x33);
    Pixel const pixel = PixelFromColour(colour, 0x44);
    EXPECT_EQ(pixel, 0x44112233u);
    unsigned char bytes[4];
    std::memcpy(bytes, &pixel, 4);
    EXPECT_EQ(bytes[0], 0x33) << "blue first in memory, as GDI reads it";
    EXPECT_EQ(bytes[3], 0x44);
    EXPECT_EQ(ColourFromPixel(pixel), colour);
}
