#pragma once
// The plain pictures the window's image controls show when no skin gives them their own: flat
// fills, a thin outline and a caption, enough to use the window without its skin folder. The
// drawn look ships as the default skin. Each is drawn for the device pixels and the screen scale
// it is shown at, so its lines and captions are as sharp at 175 % as at 100 %.

#include "gfx/Image.h"
#include "platform/TextRenderer.h"

#include <string_view>

namespace app {

// A light panel with a title band; the corners outside a small radius are fully transparent.
// The title band's height is in units.
gfx::Image BuiltInBackground(gfx::Size size, int titleBandHeight, double scale);

// A flat button with its caption as text.
enum class ButtonGlyph { Minimise, Close, Pick, Capture, Save };
gfx::Image BuiltInButton(gfx::Size size, ButtonGlyph glyph, platform::TextRenderer& text, double scale);

// A tab with its caption: grey, white under the pointer, the accent colour when selected.
enum class TabLook { Normal, Hover, Selected };
gfx::Image BuiltInTab(
    gfx::Size size, std::string_view caption, TabLook look, platform::TextRenderer& text, double scale);

// The white, thin-bordered field behind an input box.
gfx::Image BuiltInFrame(gfx::Size size, double scale);

gfx::Image BuiltInSeparator(gfx::Size size);
// Follows the background's bottom corners, which it covers.
gfx::Image BuiltInBottomStrip(gfx::Size size, double scale);
// A small block beside the hue strip, of this size in units.
inline constexpr gfx::Size HuePointerSize { 7, 11 };
gfx::Image BuiltInHuePointer(gfx::Size size);

}
