#pragma once
// The pictures of the window's chrome: background, buttons, tabs, input frames and the small
// parts. Each function draws one picture at the size its control has in the skin, so that no
// picture is ever stretched.

#include "gfx/Geometry.h"
#include "gfx/Image.h"

#include <string_view>
#include <vector>

namespace skingen {

enum class ButtonState { Normal, Hover, Pressed };
enum class TabState { Normal, Hover, Selected };
enum class TitleGlyph { Minimise, Close };
enum class RoundGlyph { Pick, Capture };

// What the background needs to know of the window's layout.
struct WindowFrame {
    gfx::Size window;
    int titleBand = 0;
    // Boxes that get a soft shadow beneath them; the controls themselves cover the rest.
    std::vector<gfx::Rect> raised;
    // The row of panel tabs, which gets a baseline under it.
    gfx::Rect tabs;
};

// Rounded corners with see-through pixels outside, never half transparent: a blended edge would
// land on the window's key colour and show as a purple fringe on the desktop.
gfx::Image WindowBackground(WindowFrame const& frame);
// The part of the window under the bottom strip, with the window's own corners and border.
gfx::Image BottomStrip(gfx::Size window, gfx::Rect strip);

gfx::Image TitleButton(gfx::Size size, TitleGlyph glyph, ButtonState state);
gfx::Image RoundButton(gfx::Size size, RoundGlyph glyph, ButtonState state);
gfx::Image CaptionButton(gfx::Size size, std::string_view caption, ButtonState state);
gfx::Image Tab(gfx::Size size, std::string_view caption, TabState state);

gfx::Image InputFrame(gfx::Size size);
gfx::Image Separator(gfx::Size size);
// A small triangle pointing left at the hue strip.
gfx::Image HuePointer(gfx::Size size);
// An empty swatch; the saved-colour slots add a faint plus, as they are the ones a user fills.
gfx::Image EmptySwatch(gfx::Size size, bool withPlus);

}
