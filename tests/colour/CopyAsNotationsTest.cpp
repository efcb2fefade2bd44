#include "colour/CopyAsNotations.h"

#include <gtest/gtest.h>

namespace {

// Worked out apart from the program: exact fractions for the whole-number forms, Ottosson's
// published OKLab transform in double precision for oklch.
struct Expected {
    int web; // 0xRRGGBB
    char const* hsl;
    char const* hsv;
    char const* hwb;
    char const* oklch;
};

Expected const Spread[] = {
    { 0x7BFFFF, "hsl(180, 100%, 74%)", "hsv(180, 52%, 100%)", "hwb(180 48% 0%)", "oklch(92.60% 0.1165 195.33)" },
    { 0xFF0000, "hsl(0, 100%, 50%)", "hsv(0, 100%, 100%)", "hwb(0 0% 0%)", "oklch(62.80% 0.2577 29.23)" },
    { 0x123456, "hsl(210, 65%, 20%)", "hsv(210, 79%, 34%)", "hwb(210 7% 66%)", "oklch(31.92% 0.0725 251.17)" },
    { 0x000000, "hsl(0, 0%, 0%)", "hsv(0, 0%, 0%)", "hwb(0 0% 100%)", "oklch(0.00% 0.0000 0)" },
    { 0xFFFFFF, "hsl(0, 0%, 100%)", "hsv(0, 0%, 100%)", "hwb(0 100% 0%)", "oklch(100.00% 0.0000 0)" },
    { 0x808080, "hsl(0, 0%, 50%)", "hsv(0, 0%, 50%)", "hwb(0 50% 50%)", "oklch(59.99% 0.0000 0)" },
    { 0xC0C0C0, "hsl(0, 0%, 75%)", "hsv(0, 0%, 75%)", "hwb(0 75% 25%)", "oklch(80.78% 0.0000 0)" },
    { 0x00FF00, "hsl(120, 100%, 50%)", "hsv(120, 100%, 100%)", "hwb(120 0% 0%)", "oklch(86.64% 0.2948 142.50)" },
    { 0x0000FF, "hsl(240, 100%, 50%)", "hsv(240, 100%, 100%)", "hwb(240 0% 0%)", "oklch(45.20% 0.3132 264.05)" },
    { 0xFFFF00, "hsl(60, 100%, 50%)", "hsv(60, 100%, 100%)", "hwb(60 0% 0%)", "oklch(96.80% 0.2110 109.77)" },
    { 0x00FFFF, "hsl(180, 100%, 50%)", "hsv(180, 100%, 100%)", "hwb(180 0% 0%)", "oklch(90.54% 0.1546 194.77)" },
    { 0xFF00FF, "hsl(300, 100%, 50%)", "hsv(300, 100%, 100%)", "hwb(300 0% 0%)", "oklch(70.17% 0.3225 328.36)" },
    { 0x0A80C8, "hsl(203, 90%, 41%)", "hsv(203, 95%, 78%)", "hwb(203 4% 22%)", "oklch(57.94% 0.1428 244.90)" },
    // A hue of 359.76 rounds to 360, which is 0.
    { 0xFF0001, "hsl(0, 100%, 50%)", "hsv(0, 100%, 100%)", "hwb(0 0% 0%)", "oklch(62.80% 0.2576 29.18)" },
    // HSV saturation 12.5% exactly: a half goes up.
    { 0x080707, "hsl(0, 7%, 3%)", "hsv(0, 13%, 3%)", "hwb(0 3% 97%)", "oklch(13.01% 0.0021 17.43)" },
    { 0x010203, "hsl(210, 50%, 1%)", "hsv(210, 67%, 1%)", "hwb(210 0% 99%)", "oklch(8.23% 0.0080 240.75)" },
};

Colour FromWeb(int web) { return MakeColour(web >> 16, (web >> 8) & 0xFF, web & 0xFF); }

TEST(CopyAsNotations, HueBasedFormsOverASpreadOfColours)
{
    for (Expected const& e : Spread) {
        Colour const colour = FromWeb(e.web);
        SCOPED_TRACE(GG::CssHexText(colour));
        EXPECT_EQ(GG::CssHslText(colour), e.hsl);
        EXPECT_EQ(GG::HsvText(colour), e.hsv);
        EXPECT_EQ(GG::CssHwbText(colour), e.hwb);
        EXPECT_EQ(GG::CssOklchText(colour), e.oklch);
    }
}

TEST(CopyAsNotations, EveryEntryInMenuOrder)
{
    EXPECT_EQ(GG::CopyAsTexts(FromWeb(0x7BFFFF)),
        (std::vector<std::string> { "#7bffff", "rgb(123, 255, 255)", "hsl(180, 100%, 74%)", "hsv(180, 52%, 100%)",
            "hwb(180 48% 0%)", "oklch(92.60% 0.1165 195.33)", "0x7BFFFF", "RGB(123, 255, 255)",
            "Color.FromArgb(123, 255, 255)", "$00FFFF7B", "16777083", "0.482, 1.000, 1.000" }));
    // Padding where a component or the blue-first value is small.
    EXPECT_EQ(GG::CssHexText(FromWeb(0x010203)), "#010203");
    EXPECT_EQ(GG::CHexText(0), "0x000000");
    EXPECT_EQ(GG::DelphiText(PureRed), "$000000FF");
    EXPECT_EQ(GG::ColorrefText(0), "0");
    EXPECT_EQ(GG::FloatsText(FromWeb(0x010203)), "0.004, 0.008, 0.012");
    EXPECT_TRUE(GG::CopyAsTexts(NoColour).empty());
    EXPECT_TRUE(GG::CopyAsTexts(MaxColour + 1).empty());
}

}
