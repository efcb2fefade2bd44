#pragma once
// Text for tests: every character is a cell of fixed size, drawn as a filled block in the text's
// colour, so tests can check where text went and that it stayed inside its clip. Records each
// drawing.

#include "platform/TextRenderer.h"

#include <vector>

namespace platform::fake {

class FakeTextRenderer final : public TextRenderer {
public:
    static constexpr int CellWidth = 6;
    static constexpr int CellHeight = 12;

    struct Drawn {
        std::string text;
        gfx::Rect box;
        TextStyle style;
    };

    void DrawText(gfx::Image& target, gfx::Rect box, gfx::Rect clip, std::string_view text,
        TextStyle const& style) override;
    gfx::Size MeasureText(std::string_view text, Font const& font) override;

    std::vector<Drawn> const& Drawings() const { return m_drawn; }
    void Forget() { m_drawn.clear(); }

private:
    std::vector<Drawn> m_drawn;
};

}
