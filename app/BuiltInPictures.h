#pragma once
// The pictures the window's image controls show before a skin gives them its own: drawn here so
// that the program looks finished even with no skin folder at all.

#include "gfx/Image.h"
#include "platform/TextRenderer.h"

#include <string_view>

namespace app {

// Light panel with rounded corners (outside them fully transparent) and a title band.
gfx::Image BuiltInBackground(gfx::Size size, int titleBandHeight);

enum class ButtonGlyph { Minimise, Close, Pick, Capture, Save };
gfx::Image BuiltInButton(gfx::Size size, ButtonGlyph glyph, platform::TextRenderer& text);

// A tab with its caption: grey, white under the pointer, the accent colour when selected.
enum class TabLook { Normal, Hover, Selected };
gfx::Image BuiltInTab(gfx::Size size, std::string_view caption, TabLook look, platform::TextRenderer& text);

// The white, thin-bordered field behind an input box.
gfx::Image BuiltInFrame(gfx::Size size);

gfx::Image BuiltInSeparator(gfx::Size size);
gfx::Image BuiltInBottomStrip(gfx::Size size);
// A small triangle pointing left at the hue strip.
gfx::Image BuiltInHuePointer();

}
