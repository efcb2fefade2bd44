#include "colour/CopyAsNotations.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace GG {

namespace {

struct Rgb {
    int red;
    int green;
    int blue;
    int max;
    int min;
};

Rgb Components(Colour colour)
{
    assert(IsValidColour(colour));
    int const red = RedOf(colour);
    int const green = GreenOf(colour);
    int const blue = BlueOf(colour);
    return { red, green, blue, std::max({ red, green, blue }), std::min({ red, green, blue }) };
}

// numerator / denominator to the nearest whole number, halves up, in exact integer arithmetic so
// that a half never turns into 0.4999... on the way.
int RoundRatio(int numerator, int denominator)
{
    assert(numerator >= 0 && denominator > 0);
    return (2 * numerator + denominator) / (2 * denominator);
}

int Percent(int part, int whole) { return whole == 0 ? 0 : RoundRatio(100 * part, whole); }

// The hue of the HSL, HSV and HWB forms in whole degrees 0 ... 359; 0 for a grey.
int WholeHue(Rgb const& c)
{
    int const delta = c.max - c.min;
    if (delta == 0)
        return 0;
    // 60 * (a - b) / delta + offset, as one fraction over delta.
    int numerator = 0;
    if (c.max == c.red)
        numerator = 60 * (c.green - c.blue);
    else if (c.max == c.green)
        numerator = 60 * (c.blue - c.red) + 120 * delta;
    else
        numerator = 60 * (c.red - c.green) + 240 * delta;
    if (numerator < 0)
        numerator += 360 * delta;
    return RoundRatio(numerator, delta) % 360;
}

std::string Format(char const* format, auto... values)
{
    char text[64];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

double Linear(int component)
{
    double const c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}

std::string CssHexText(Colour colour)
{
    Rgb const c = Components(colour);
    return Format("#%02x%02x%02x", c.red, c.green, c.blue);
}

std::string CssRgbText(Colour colour)
{
    Rgb const c = Components(colour);
    return Format("rgb(%d, %d, %d)", c.red, c.green, c.blue);
}

std::string CssHslText(Colour colour)
{
    Rgb const c = Components(colour);
    // Saturation: delta / (1 - |2L - 1|) with L = (max + min) / 510, in units of 1/255.
    int const spread = 255 - std::abs(c.max + c.min - 255);
    return Format("hsl(%d, %d%%, %d%%)", WholeHue(c), Percent(c.max - c.min, spread), Percent(c.max + c.min, 510));
}

std::string HsvText(Colour colour)
{
    Rgb const c = Components(colour);
    return Format("hsv(%d, %d%%, %d%%)", WholeHue(c), Percent(c.max - c.min, c.max), Percent(c.max, 255));
}

std::string CssHwbText(Colour colour)
{
    Rgb const c = Components(colour);
    return Format("hwb(%d %d%% %d%%)", WholeHue(c), Percent(c.min, 255), Percent(255 - c.max, 255));
}

std::string CssOklchText(Colour colour)
{
    Rgb const c = Components(colour);
    double const r = Linear(c.red);
    double const g = Linear(c.green);
    double const b = Linear(c.blue);
    // Linear sRGB to the LMS cone responses, then to OKLab (Björn Ottosson's matrices).
    double const l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    double const m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    double const s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    double const lightness = 0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s;
    double const labA = 1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s;
    double const labB = 0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s;
    double const chroma = std::hypot(labA, labB);
    // A grey comes out with a chroma of rounding noise and a hue that means nothing: it is shown
    // as no chroma at hue 0.
    if (chroma < 0.00005)
        return Format("oklch(%.2f%% 0.0000 0)", lightness * 100);
    double hue = std::atan2(labB, labA) * 180 / 3.14159265358979323846;
    if (hue < 0)
        hue += 360;
    // A hue that rounds up to 360.00 is 0.00.
    if (hue >= 359.995)
        hue = 0;
    return Format("oklch(%.2f%% %.4f %.2f)", lightness * 100, chroma, hue);
}

std::string CHexText(Colour colour)
{
    Rgb const c = Components(colour);
    return Format("0x%02X%02X%02X", c.red, c.green, c.blue);
}

std::string Win32RgbText(Colour colour)
{
    Rgb const c = Components(colour);
    return Format("RGB(%d, %d, %d)", c.red, c.green, c.blue);
}

std::string CSharpText(Colour colour)
{
    Rgb const c = Components(colour);
    return Format("Color.FromArgb(%d, %d, %d)", c.red, c.green, c.blue);
}

std::string DelphiText(Colour colour)
{
    assert(IsValidColour(colour));
    // A TColor literal: the system's value, blue first, padded to eight digits.
    return Format("$%08X", static_cast<unsigned>(colour));
}

std::string ColorrefText(Colour colour)
{
    assert(IsValidColour(colour));
    return Format("%d", colour);
}

std::string FloatsText(Colour colour)
{
    Rgb const c = Components(colour);
    // No component / 255 lies exactly halfway between two thousandths, so printf's rounding is
    // the nearest.
    return Format("%.3f, %.3f, %.3f", c.red / 255.0, c.green / 255.0, c.blue / 255.0);
}

std::vector<std::string> CopyAsTexts(Colour colour)
{
    if (!IsValidColour(colour))
        return {};
    return { CssHexText(colour), CssRgbText(colour), CssHslText(colour), HsvText(colour), CssHwbText(colour),
        CssOklchText(colour), CHexText(colour), Win32RgbText(colour), CSharpText(colour), DelphiText(colour),
        ColorrefText(colour), FloatsText(colour) };
}

}
