// Pictures resampled for a scaled screen: smooth without letting the colour of transparent pixels
// in, no pixel skipped when shrinking, and hard edges without ringing.

#include "gfx/Resample.h"

#include <gtest/gtest.h>

using namespace gfx;

namespace {

int Red(Pixel p) { return static_cast<int>((p >> 16) & 0xFF); }
int Green(Pixel p) { return static_cast<int>((p >> 8) & 0xFF); }

TEST(Resample, AtOneAndThreeQuartersEdgesBlendWithoutTheColourOfClearPixels)
{
    // Opaque red on the left half; on the right, pixels with no alpha whose colour is green.
    auto picture = Image::Create(8, 4, MakePixel(255, 0, 0));
    for (int y = 0; y < 4; ++y) {
        for (int x = 4; x < 8; ++x)
            picture->SetPixel(x, y, MakePixel(0, 255, 0, 0));
    }
    auto const shown = Resampled(*picture, picture->Bounds(), { 14, 7 });
    ASSERT_TRUE(shown);
    EXPECT_EQ(*shown->PixelAt(1, 3), MakePixel(255, 0, 0)) << "flat areas keep their colour";
    EXPECT_EQ(AlphaOfPixel(*shown->PixelAt(12, 3)), 0);
    int softened = 0;
    for (int x = 0; x < 14; ++x) {
        Pixel const p = *shown->PixelAt(x, 3);
        int const alpha = AlphaOfPixel(p);
        softened += alpha > 0 && alpha < 255;
        if (alpha > 0) {
            EXPECT_EQ(Green(p), 0) << "column " << x << " took colour from a clear pixel";
            EXPECT_EQ(Red(p), 255) << "column " << x;
        }
    }
    EXPECT_GE(softened, 1) << "the edge is blended, not stepped";

    EXPECT_EQ(*Resampled(*picture, picture->Bounds(), { 8, 4 })->PixelAt(3, 1), *picture->PixelAt(3, 1))
        << "at its own size a picture stays as it is";
}

TEST(Resample, ShrinkingAveragesEveryPixel)
{
    // Black and white columns: shrunk by 2.5, a narrow filter would hit only some of them.
    auto stripes = Image::Create(40, 2, MakePixel(0, 0, 0));
    for (int x = 0; x < 40; x += 2) {
        stripes->SetPixel(x, 0, MakePixel(255, 255, 255));
        stripes->SetPixel(x, 1, MakePixel(255, 255, 255));
    }
    auto const small = Resampled(*stripes, stripes->Bounds(), { 16, 1 });
    ASSERT_TRUE(small);
    for (int x = 2; x < 14; ++x)
        EXPECT_NEAR(Red(*small->PixelAt(x, 0)), 128, 24) << "column " << x;
}

// A sharper filter with negative lobes rang at hard edges, and lifted alpha past 255 beside
// transparent pixels, where the colour kept the overshoot (000078 came out as 000082).
TEST(Resample, HardEdgesDoNotRingAndAFlatColourWithHolesStaysFlat)
{
    auto edges = Image::Create(24, 12, MakePixel(60, 60, 60));
    auto flat = Image::Create(24, 12, MakePixel(0, 0, 0x78));
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 24; ++x) {
            if ((x / 3 + y / 2) % 2)
                edges->SetPixel(x, y, MakePixel(200, 200, 200));
            if ((x * 7 + y * 5) % 11 < 3)
                flat->SetPixel(x, y, MakePixel(255, 255, 0, 0));
        }
    }
    for (int percent : { 125, 150, 175, 225 }) {
        Size const size { 24 * percent / 100, 12 * percent / 100 };
        auto const shownEdges = Resampled(*edges, edges->Bounds(), size);
        auto const shownFlat = Resampled(*flat, flat->Bounds(), size);
        ASSERT_TRUE(shownEdges && shownFlat);
        for (int y = 0; y < size.height; ++y) {
            for (int x = 0; x < size.width; ++x) {
                int const grey = Red(*shownEdges->PixelAt(x, y));
                ASSERT_TRUE(grey >= 60 && grey <= 200) << percent << "%: " << grey << " at " << x << "," << y;
                Pixel const p = *shownFlat->PixelAt(x, y);
                if (AlphaOfPixel(p) > 0) {
                    ASSERT_EQ(p & 0xFFFFFF, 0x78u) << percent << "% at " << x << "," << y;
                }
            }
        }
    }
}

TEST(Resample, AtWholeNumberScalesEachPixelIsRepeated)
{
    auto picture = Image::Create(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            picture->SetPixel(x, y, MakePixel(x * 50, y * 100, 7, 128 + x * 20));
    }
    for (int times : { 2, 3 }) {
        auto const shown = Resampled(*picture, picture->Bounds(), { 5 * times, 3 * times });
        ASSERT_TRUE(shown);
        for (int y = 0; y < 3 * times; ++y) {
            for (int x = 0; x < 5 * times; ++x)
                ASSERT_EQ(*shown->PixelAt(x, y), *picture->PixelAt(x / times, y / times)) << times;
        }
    }
}

}
