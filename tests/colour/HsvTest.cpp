#include "colour/Hsv.h"

#include <gtest/gtest.h>

namespace {

struct Worked {
    int hue, saturation, value;
    int red, green, blue;
};

TEST(HsvToColour, WorkedValuesIncludingHuesOutsideTheCircle)
{
    Worked const cases[] = {
        { 0, 100, 100, 255, 0, 0 }, { 30, 100, 100, 255, 128, 0 }, { 60, 100, 100, 255, 255, 0 },
        { 90, 100, 100, 128, 255, 0 }, { 120, 100, 100, 0, 255, 0 }, { 180, 100, 100, 0, 255, 255 },
        { 240, 100, 100, 0, 0, 255 }, { 300, 100, 100, 255, 0, 255 }, { 360, 100, 100, 255, 0, 0 },
        { 1, 100, 100, 255, 4, 0 }, { 359, 100, 100, 255, 0, 4 }, { 0, 50, 50, 128, 64, 64 },
        { 200, 0, 37, 94, 94, 94 }, { 180, 30, 70, 125, 178, 178 }, { -1, 100, 100, 255, 0, 4 },
        { 361, 100, 100, 255, 0, 251 },
    };
    for (Worked const& w : cases) {
        Colour const colour = GG::HsvToColour(static_cast<std::int16_t>(w.hue), static_cast<std::int16_t>(w.saturation),
            static_cast<std::int16_t>(w.value));
        EXPECT_EQ(colour, MakeColour(w.red, w.green, w.blue)) << w.hue << "," << w.saturation << "," << w.value;
    }
}

TEST(HsvToColour, EveryBoxColourIsValid)
{
    for (int hue = -1; hue <= 361; hue += 9)
        for (int s = 0; s <= 100; s += 5)
            for (int v = 0; v <= 100; v += 5)
                ASSERT_TRUE(IsValidColour(GG::HsvToColour(static_cast<std::int16_t>(hue), static_cast<std::int16_t>(s),
                    static_cast<std::int16_t>(v))));
}

}
