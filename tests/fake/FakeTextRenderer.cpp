#include "tests/fake/FakeTextRenderer.h"

#include "gfx/Painter.h"

#include <algorithm>
#include <vector>

namespace platform::fake {

namespace {

// Characters of each line of a UTF-8 text.
std::vector<int> LineLengths(std::string_view text)
{
    std::vector<int> lengths { 0 };
    for (char c : text) {
        if (c == '\n')
            lengths.push_back(0);
        else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++lengths.back();
    }
    return lengths;
}

}

gfx::Size FakeTextRenderer::Cell(Font const& font)
{
    int const dpi = font.dpi > 0 ? font.dpi : DefaultDpi;
    return { CellWidth * dpi / DefaultDpi, CellHeight * dpi / DefaultDpi };
}

void FakeTextRenderer::DrawText(gfx::Image& target, gfx::Rect box, gfx::Rect clip, std::string_view text,
    TextStyle const& style)
{
    gfx::Size const cell = Cell(style.font);
    gfx::Painter painter(target);
    painter.AddClip(clip);
    painter.AddClip(box);
    auto const lines = LineLengths(text);
    for (size_t line = 0; line < lines.size(); ++line) {
        int const width = lines[line] * cell.width;
        int left = box.x;
        if (style.align == TextAlign::Centre)
            left = box.x + (box.width - width) / 2;
        else if (style.align == TextAlign::Right)
            left = box.Right() - width;
        for (int i = 0; i < lines[line]; ++i) {
            gfx::Rect const glyph { left + i * cell.width + 1, box.y + static_cast<int>(line) * cell.height + 2,
                cell.width - 2, cell.height - 4 };
            painter.FillRect(glyph, style.colour);
        }
    }
}

gfx::Size FakeTextRenderer::MeasureText(std::string_view text, Font const& font)
{
    auto const lines = LineLengths(text);
    int const widest = *std::max_element(lines.begin(), lines.end());
    gfx::Size const cell = Cell(font);
    return { widest * cell.width, static_cast<int>(lines.size()) * cell.height };
}

}
