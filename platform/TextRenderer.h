#pragma once
// Text is the one thing the program does not paint itself: the platform renders it onto an Image
// (GDI on Windows, a deterministic stand-in in tests) and measures it for controls that size to
// their text.

#include "colour/Colour.h"
#include "gfx/Geometry.h"
#include "gfx/Image.h"
#include "platform/Dpi.h"

#include <string>
#include <string_view>

namespace platform {

struct Font {
    std::string name; // empty: the system's user-interface font
    int pointSize = 9;
    bool bold = false;
    // The pixels per inch the text is drawn at: the scale of the window or monitor it shows on.
    int dpi = DefaultDpi;

    bool operator==(Font const&) const = default;
};

enum class TextAlign { Left, Centre, Right };

struct TextStyle {
    Font font;
    Colour colour = 0;
    TextAlign align = TextAlign::Left;
    bool wordWrap = false;
};

class TextRenderer {
public:
    virtual ~TextRenderer() = default;

    // Draws text inside box with a transparent background; nothing outside clip changes.
    virtual void DrawText(gfx::Image& target, gfx::Rect box, gfx::Rect clip, std::string_view text,
        TextStyle const& style)
        = 0;
    // The size the text takes on one line ("\n" breaks lines).
    virtual gfx::Size MeasureText(std::string_view text, Font const& font) = 0;
};

}
