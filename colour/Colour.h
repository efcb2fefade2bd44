#pragma once
// The colour value the whole program passes around: 0x00BBGGRR with red in the low byte, as the
// system's own colour values. It is deliberately a plain signed integer: -1 travels as "no colour"
// (a point read outside a picture) and every consumer must be able to reject it.

#include <cstdint>

using Colour = std::int32_t;

inline constexpr Colour NoColour = -1;
inline constexpr Colour MaxColour = 0xFFFFFF;
inline constexpr Colour PureRed = 255;
// Pixels of this colour are see-through on the splash and the main window.
inline constexpr Colour TransparentKeyColour = 0x400040;

constexpr bool IsValidColour(Colour colour) { return colour >= 0 && colour <= MaxColour; }

constexpr Colour MakeColour(int red, int green, int blue)
{
    return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

constexpr int RedOf(Colour colour) { return colour & 0xFF; }
constexpr int GreenOf(Colour colour) { return (colour >> 8) & 0xFF; }
constexpr int BlueOf(Colour colour) { return (colour >> 16) & 0xFF; }
