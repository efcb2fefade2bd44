#include "colour/Notations.h"

#include <algorithm>
#include <cassert>
#include <cstdio>

namespace GG {

namespace {

bool IsComponent(int value) { return value >= 0 && value <= 255; }

}

std::optional<std::string> RgbText(Colour colour)
{
    // The pieces are taken with truncating arithmetic and checked afterwards, so a value with a
    // blue part of 256 or more, or any negative value, is refused instead of wrapped.
    int const red = colour % 256;
    int const green = (colour % 65536) / 256;
    int const blue = colour / 65536;
    if (!IsComponent(red) || !IsComponent(green) || !IsComponent(blue))
        return std::nullopt;
    char text[40];
    std::snprintf(text, sizeof text, "%d,%d,%d", red, green, blue);
    return std::string(text);
}

std::string WebText(std::int16_t red, std::int16_t green, std::int16_t blue)
{
    assert(IsComponent(red) && IsComponent(green) && IsComponent(blue));
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", red & 0xFF, green & 0xFF, blue & 0xFF);
    return text;
}

std::string HexText(std::int16_t red, std::int16_t green, std::int16_t blue)
{
    assert(IsComponent(red) && IsComponent(green) && IsComponent(blue));
    char text[12];
    std::snprintf(text, sizeof text, "&H%X", static_cast<unsigned>(MakeColour(red, green, blue)));
    return text;
}

std::string CmykText(std::int16_t red, std::int16_t green, std::int16_t blue)
{
    assert(IsComponent(red) && IsComponent(green) && IsComponent(blue));
    int const c = 255 - red;
    int const m = 255 - green;
    int const y = 255 - blue;
    int const k = std::min({ c, m, y });
    // Not the normalised CMYK: C, M and Y are distances from the brightest component. All
    // operands are non-negative, so integer division truncates exactly as the floor would.
    char text[48];
    std::snprintf(text, sizeof text, "%d%%,%d%%,%d%%,%d%%", (c - k) * 100 / 255, (m - k) * 100 / 255,
        (y - k) * 100 / 255, k * 100 / 255);
    return text;
}

}
