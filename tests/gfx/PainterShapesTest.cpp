// Shapes painted into tiny images, compared pixel by pixel: what every control, the hue strip and
// the adjuster's markers are made of.

#include "PaintedPicture.h"
#include "gfx/Painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

using namespace gfx;

TEST(PainterShapes, RectanglesAreClippedAtEveryEdge)
{
    Image image = BlackImage(7, 5);
    Painter painter(image);
    painter.FillRect({ -3, -3, 5, 5 }, White);
    painter.FillRect({ 6, 4, 10, 10 }, White);
    painter.FillRect({ INT_MIN, 2, INT_MAX, 1 }, White); // ends just left of the image
    painter.FillRect({ 2, 0, 0, 9 }, White);
    painter.DrawRect({ 3, 1, 5, 3 }, White);
    painter.DrawRect({ -1, 4, 2, 9 }, White);
    EXPECT_EQ(Picture(image),
        "##.....\n"
        "##.####\n"
        "...#...\n"
        "...####\n"
        "#.....#\n");
}

TEST(PainterShapes, TranslationAndClipApplyToEveryCallAndTheSaverRestoresThem)
{
    Image image = BlackImage(6, 4);
    Painter painter(image);
    {
        Painter::StateSaver saver(painter);
        painter.Translate(2, 1);
        painter.AddClip({ 0, 0, 3, 2 });
        EXPECT_EQ(painter.ClipRect(), (Rect { 0, 0, 3, 2 }));
        painter.FillRect({ -1, -1, 10, 10 }, White);
        painter.Translate(-2, -1);
        painter.DrawLine({ 0, 3 }, { 5, 3 }, White);
    }
    painter.DrawLine({ 0, 3 }, { 5, 3 }, White);
    EXPECT_EQ(Picture(image), "......\n..###.\n..###.\n######\n");
}

TEST(PainterShapes, LinesIncludeBothEndsWhicheverWayTheyAreDrawn)
{
    Image shallow = BlackImage(5, 3);
    Painter(shallow).DrawLine({ 0, 0 }, { 4, 2 }, White);
    EXPECT_EQ(Picture(shallow), "#....\n.##..\n...##\n");
    Image steep = BlackImage(3, 5);
    Painter(steep).DrawLine({ 2, 0 }, { 0, 4 }, White);
    EXPECT_EQ(Picture(steep), "..#\n.#.\n.#.\n#..\n#..\n");

    Point const ends[][2] { { { 1, 1 }, { 8, 4 } }, { { 7, 0 }, { 2, 8 } }, { { 0, 5 }, { 8, 5 } },
        { { 3, 8 }, { 3, 0 } }, { { 8, 1 }, { 0, 7 } }, { { 4, 4 }, { 4, 4 } } };
    for (auto const& [a, b] : ends) {
        Image forwards = BlackImage(9, 9);
        Image backwards = BlackImage(9, 9);
        Painter(forwards).DrawLine(a, b, White);
        Painter(backwards).DrawLine(b, a, White);
        std::string const picture = Picture(forwards);
        EXPECT_EQ(picture, Picture(backwards));
        EXPECT_EQ(forwards.PixelAt(a), WhitePixel);
        EXPECT_EQ(forwards.PixelAt(b), WhitePixel);
        // One pixel per step along the longer axis: no gaps, nothing doubled.
        EXPECT_EQ(std::count(picture.begin(), picture.end(), '#'), std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)) + 1);
    }

    // The hue strip is one-pixel lines stacked row by row; a gap would show as a dark stripe.
    Image strip = BlackImage(20, 361);
    Painter painter(strip);
    for (int y = 0; y < 361; ++y)
        painter.DrawLine({ 0, y }, { 19, y }, White);
    EXPECT_EQ(Picture(strip).find('.'), std::string::npos);
}

TEST(PainterShapes, AClippedLineIsThePartOfTheWholeLineThatShows)
{
    Image whole = BlackImage(602, 202);
    Painter(whole).DrawLine({ 0, 0 }, { 601, 201 }, White);
    Image window = BlackImage(20, 10);
    Painter painter(window);
    painter.Translate(-290, -95);
    painter.DrawLine({ 0, 0 }, { 601, 201 }, White);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(window.PixelAt(x, y), whole.PixelAt(x + 290, y + 95)) << x << "," << y;
    }

    // End points at the ends of the int range: the diagonal through the image, no overflow.
    Image far = BlackImage(4, 4);
    Painter(far).DrawLine({ INT_MIN, INT_MIN }, { INT_MAX, INT_MAX }, White);
    EXPECT_EQ(Picture(far), "#...\n.#..\n..#.\n...#\n");
}

TEST(PainterShapes, CirclesAreRoundAndTheOutlineIsTheEdgeOfTheDisc)
{
    Image disc = BlackImage(5, 5);
    Image ring = BlackImage(5, 5);
    Painter(disc).FillCircle({ 2, 2 }, 2, White);
    Painter(ring).DrawCircle({ 2, 2 }, 2, White);
    EXPECT_EQ(Picture(disc), ".###.\n#####\n#####\n#####\n.###.\n");
    EXPECT_EQ(Picture(ring), ".###.\n#...#\n#...#\n#...#\n.###.\n");

    for (int radius = 0; radius <= 7; ++radius) {
        Image filled = BlackImage(17, 17);
        Image outline = BlackImage(17, 17);
        Painter(filled).FillCircle({ 8, 8 }, radius, White);
        Painter(outline).DrawCircle({ 8, 8 }, radius, White);
        EXPECT_EQ(filled.PixelAt(8 + radius, 8), WhitePixel);
        EXPECT_EQ(filled.PixelAt(9 + radius, 8), BlackPixel);
        for (int y = 0; y < 17; ++y) {
            for (int x = 0; x < 17; ++x) {
                // The same under both mirrors and the swap of axes, and the outline inside the disc.
                auto const pixel = outline.PixelAt(x, y);
                ASSERT_EQ(pixel, outline.PixelAt(16 - x, y)) << radius;
                ASSERT_EQ(pixel, outline.PixelAt(x, 16 - y)) << radius;
                ASSERT_EQ(pixel, outline.PixelAt(y, x)) << radius;
                ASSERT_EQ(filled.PixelAt(x, y), filled.PixelAt(y, 16 - x)) << radius;
                ASSERT_TRUE(pixel == BlackPixel || filled.PixelAt(x, y) == WhitePixel) << radius;
            }
        }
    }

    Image huge = BlackImage(4, 4);
    Painter(huge).DrawCircle({ 0, 0 }, INT_MAX, White);
    Painter(huge).FillCircle({ 0, 0 }, -1, White);
    EXPECT_EQ(Picture(huge), "....\n....\n....\n....\n") << "the ring passes far away";
    Painter(huge).FillCircle({ 0, 0 }, INT_MAX, White);
    EXPECT_EQ(Picture(huge), "####\n####\n####\n####\n");
}
