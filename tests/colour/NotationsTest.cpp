#include "colour/Notations.h"

#include <gtest/gtest.h>

namespace {

struct Example {
    Colour colour;
    char const* decimal;
    char const* web;
    char const* hex;
    char const* percentage;
};

// The worked examples every build must reproduce exactly.
Example const Examples[] = {
    { 0, "0,0,0", "#000000", "&H0", "0%,0%,0%,100%" },
    { 255, "255,0,0", "#FF0000", "&HFF", "0%,100%,100%,0%" },
    { 16777215, "255,255,255", "#FFFFFF", "&HFFFFFF", "0%,0%,0%,0%" },
    { 16777083, "123,255,255", "#7BFFFF", "&HFFFF7B", "51%,0%,0%,0%" },
    { 13139978, "10,128,200", "#0A80C8", "&HC8800A", "74%,28%,0%,21%" },
    { 197121, "1,2,3", "#010203", "&H30201", "0%,0%,0%,98%" },
    { 2113664, "128,64,32", "#804020", "&H204080", "0%,25%,37%,49%" },
    { 16711680, "0,0,255", "#0000FF", "&HFF0000", "100%,100%,0%,0%" },
    { 0x808080, "128,128,128", "#808080", "&H808080", "0%,0%,0%,49%" },
};

class NotationExamples : public ::testing::TestWithParam<Example> { };

TEST_P(NotationExamples, AllFourTexts)
{
    Example const& e = GetParam();
    ASSERT_EQ(GG::RgbText(e.colour), e.decimal);
    auto const r = static_cast<std::int16_t>(RedOf(e.colour));
    auto const g = static_cast<std::int16_t>(GreenOf(e.colour));
    auto const b = static_cast<std::int16_t>(BlueOf(e.colour));
    EXPECT_EQ(GG::WebText(r, g, b), e.web);
    EXPECT_EQ(GG::HexText(r, g, b), e.hex);
    EXPECT_EQ(GG::CmykText(r, g, b), e.percentage);
}

INSTANTIATE_TEST_SUITE_P(Worked, NotationExamples, ::testing::ValuesIn(Examples),
    [](auto const& example) { return "Colour" + std::to_string(example.param.colour); });

TEST(RgbText, GivesNoTextOutsideTheColourRange)
{
    EXPECT_FALSE(GG::RgbText(-1));
    EXPECT_FALSE(GG::RgbText(16777216)) << "blue part 256 is not reduced";
    EXPECT_FALSE(GG::RgbText(-16777216));
    EXPECT_FALSE(GG::RgbText(INT32_MAX));
    EXPECT_FALSE(GG::RgbText(INT32_MIN));
    EXPECT_TRUE(GG::RgbText(MaxColour));
}

}
