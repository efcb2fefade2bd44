#pragma once
// Text for tests: every character is a cell of fixed size, drawn as a filled block in the text's
// colour, so tests can check where text went and that it stayed inside its clip. Cells grow with
// the font's DPI as real glyphs do.

#include "platform/TextRenderer.h"


namespace platform::fake {

class FakeTextRenderer final : public TextRenderer {
public:
    static constexpr int CellWidth = 6;
    static constexpr int CellHeight = 12;

    void DrawText(gfx::Image& target, gfx::Rect box, gfx::Rect clip, std::string_view text,
        TextStyle const& style) override;
    gfx::Size MeasureText(std::string_view text, Font const& font) override;

    // One character's cell at the font's DPI.
    static gfx::Size Cell(Font const& font);
};

}
