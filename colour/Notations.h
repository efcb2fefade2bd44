#pragma once
// The four text forms in which a colour is shown and copied: decimal "r,g,b", web "#RRGGBB",
// the blue-first hexadecimal value "&HBBGGRR" (also the entry format of the colour lists) and the
// percentage form "C%,M%,Y%,K%". Pure functions; nothing here touches state or the screen.

#include "colour/Colour.h"

#include <cstdint>
#include <optional>
#include <string>

namespace GG {

// Decimal notation. No text for a value outside 0 ... 16777215: the caller then leaves what it
// shows unchanged.
std::optional<std::string> RgbText(Colour colour);

// The component forms take the pieces of the decimal notation, so always 0 ... 255.
std::string WebText(std::int16_t red, std::int16_t green, std::int16_t blue);
std::string HexText(std::int16_t red, std::int16_t green, std::int16_t blue);
std::string CmykText(std::int16_t red, std::int16_t green, std::int16_t blue);

}
