#pragma once
// The colours of the default skin: those of the window's built-in look, so that the program looks
// the same with and without its skin folder, plus the shades the skin adds for depth.

#include "gfx/Image.h"

namespace skingen::palette {

inline constexpr gfx::Pixel Accent = gfx::MakePixel(45, 127, 249);
inline constexpr gfx::Pixel AccentLight = gfx::MakePixel(74, 148, 252);
inline constexpr gfx::Pixel AccentDark = gfx::MakePixel(30, 108, 232);
inline constexpr gfx::Pixel Panel = gfx::MakePixel(250, 250, 251);
inline constexpr gfx::Pixel Line = gfx::MakePixel(218, 220, 224);
inline constexpr gfx::Pixel Ink = gfx::MakePixel(60, 64, 67);
inline constexpr gfx::Pixel White = gfx::MakePixel(255, 255, 255);
inline constexpr gfx::Pixel Black = gfx::MakePixel(0, 0, 0);
// The window shows pixels of exactly this colour as see-through; with alpha 0 as well, so that a
// loader that ignores alpha still lands on the key.
inline constexpr gfx::Pixel SeeThrough = gfx::MakePixel(64, 0, 64, 0);

}
