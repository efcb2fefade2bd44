#pragma once
// The two pictures every skin shares: the banner of the picture box and the colour chart. The
// program shows a fixed top-left region of each (111 x 63 and 247 x 157) stretched over its box,
// so both are drawn at exactly that size and composed for the box's proportions.

#include "gfx/Geometry.h"
#include "gfx/Image.h"

namespace skingen {

inline constexpr gfx::Size LogoSize { 111, 63 };
inline constexpr gfx::Size ChartSize { 247, 157 };

// Drawn for a box of the given size and shrunk to LogoSize, so that the program's stretch gives
// round circles back.
gfx::Image Logo(gfx::Size shownAt);
// Hues across, pale to dark down, a grey column at the right and a grey ramp as the last row.
gfx::Image ColourChart();

// Area-averaging shrink (or plain copy when the sizes agree).
gfx::Image Shrink(gfx::Image const& source, gfx::Size size);

}
