// The four notations of one colour must describe the same colour.

#include "colour/Notations.h"

#include <gtest/gtest.h>

#include <charconv>
#include <random>
#include <string>

namespace {

int Parse(std::string_view text, int base = 10)
{
    int value = -1;
    auto const [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    EXPECT_EQ(error, std::errc());
    EXPECT_EQ(end, text.data() + text.size()) << text;
    return value;
}

void CheckAgreement(Colour colour)
{
    auto const decimal = GG::RgbText(colour);
    ASSERT_TRUE(decimal) << colour;

    size_t const first = decimal->find(',');
    size_t const second = decimal->find(',', first + 1);
    int const red = Parse(std::string_view(*decimal).substr(0, first));
    int const green = Parse(std::string_view(*decimal).substr(first + 1, second - first - 1));
    int const blue = Parse(std::string_view(*decimal).substr(second + 1));
    ASSERT_EQ(MakeColour(red, green, blue), colour);

    auto const r = static_cast<std::int16_t>(red);
    auto const g = static_cast<std::int16_t>(green);
    auto const b = static_cast<std::int16_t>(blue);

    std::string const web = GG::WebText(r, g, b);
    ASSERT_EQ(web.size(), 7u);
    ASSERT_EQ(web[0], '#');
    EXPECT_EQ(Parse(std::string_view(web).substr(1, 2), 16), red);
    EXPECT_EQ(Parse(std::string_view(web).substr(3, 2), 16), green);
    EXPECT_EQ(Parse(std::string_view(web).substr(5, 2), 16), blue);
    EXPECT_EQ(web.find_first_of("abcdef"), std::string::npos);

    std::string const hex = GG::HexText(r, g, b);
    ASSERT_TRUE(hex.starts_with("&H"));
    EXPECT_TRUE(hex.size() == 3 || hex[2] != '0') << "no leading zeros: " << hex;
    EXPECT_EQ(Parse(std::string_view(hex).substr(2), 16), colour);

    std::string const cmyk = GG::CmykText(r, g, b);
    int parts[4];
    std::string_view rest = cmyk;
    for (int& part : parts) {
        size_t const percent = rest.find('%');
        ASSERT_NE(percent, std::string_view::npos) << cmyk;
        part = Parse(rest.substr(0, percent));
        EXPECT_GE(part, 0);
        EXPECT_LE(part, 100);
        rest.remove_prefix(percent + 1);
        if (!rest.empty()) {
            ASSERT_EQ(rest.front(), ',');
            rest.remove_prefix(1);
        }
    }
    EXPECT_TRUE(parts[0] == 0 || parts[1] == 0 || parts[2] == 0) << cmyk;
    EXPECT_EQ(parts[3], (255 - std::max({ red, green, blue })) * 100 / 255);
}

TEST(NotationAgreement, ManyColours)
{
    std::mt19937 random(20261207);
    std::uniform_int_distribution<Colour> anyColour(0, MaxColour);
    for (int i = 0; i < 300000; ++i) {
        CheckAgreement(anyColour(random));
        if (::testing::Test::HasFatalFailure() || ::testing::Test::HasNonfatalFailure())
            return;
    }
    for (int level = 0; level < 256; ++level) {
        CheckAgreement(MakeColour(level, level, level));
        CheckAgreement(MakeColour(level, 0, 0));
        CheckAgreement(MakeColour(0, 0, level));
    }
}

}
