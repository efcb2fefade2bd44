#pragma once
// The colour in the further notations that developers paste into code and style sheets, offered
// by the colour box's "copy as" menu. Pure functions of a colour 0 ... 16777215; each text is
// exactly what is copied. Percentages and hues are rounded to the nearest (halves up), hues lie
// in 0 ... 359, and a colour with no chroma has hue 0.

#include "colour/Colour.h"

#include <string>
#include <vector>

namespace GG {

std::string CssHexText(Colour colour);      // "#7bffff"
std::string CssRgbText(Colour colour);      // "rgb(123, 255, 255)"
std::string CssHslText(Colour colour);      // "hsl(180, 100%, 74%)"
std::string HsvText(Colour colour);         // "hsv(180, 52%, 100%)"
std::string CssHwbText(Colour colour);      // "hwb(180 48% 0%)"
std::string CssOklchText(Colour colour);    // "oklch(92.60% 0.1165 195.33)"
std::string CHexText(Colour colour);        // "0x7BFFFF"
std::string Win32RgbText(Colour colour);    // "RGB(123, 255, 255)"
std::string CSharpText(Colour colour);      // "Color.FromArgb(123, 255, 255)"
std::string DelphiText(Colour colour);      // "$00FFFF7B"
std::string ColorrefText(Colour colour);    // "16777083"
std::string FloatsText(Colour colour);      // "0.482, 1.000, 1.000"

// All of the above in the menu's order; nothing for a value that is no colour.
std::vector<std::string> CopyAsTexts(Colour colour);

}
