#pragma once
// The few Chinese captions the skin bakes into its pictures (the tab names and the save button),
// drawn from bitmap glyphs made by hand for this program. The generator has no font engine, and
// at this size a hand-set bitmap reads better than a scaled outline would anyway.

#include "gfx/Geometry.h"
#include "gfx/Image.h"

#include <string_view>

namespace skingen {

inline constexpr int GlyphSize = 14;
// Between two glyphs of one caption.
inline constexpr int GlyphGap = 1;

// Whether every character of the UTF-8 text has a glyph.
bool HasGlyphs(std::string_view utf8);
// Width of the text's ink box; the height is GlyphSize.
int CaptionWidth(std::string_view utf8);
// Draws the text centred in box. Every character must have a glyph.
void DrawCaption(gfx::Image& image, gfx::Rect box, std::string_view utf8, gfx::Pixel ink);

}
