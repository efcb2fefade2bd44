#include "platform/fake/FakeTextRenderer.h"

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

void FakeTextRenderer::DrawText(gfx::Image& target, gfx::Rect box, gfx::Rect clip, std::string_view text,
    TextStyle const& style)
{
    gfx::Painter painter(target);
    painter.AddClip(clip);
    painter.AddClip(box);
    auto const lines = LineLengths(text);
    for (size_t line = 0; line < lines.size(); ++line) {
        int const width = lines[line] * CellWidth;
        int left = box.x;
        if (style.align == TextAlign::Centre)
            left = box.x + (box.width - width) / 2;
        else if (style.align == TextAlign::Right)
            left = box.Right() - width;
        for (int i = 0; i < lines[line]; ++i) {
            gfx::Rect const cell { left + i * CellWidth + 1, box.y + static_cast<int>(line) * CellHeight + 2,
                CellWidth - 2, CellHeight - 4 };
            painter.FillRect(cell, style.colour);
        }
    }
}

gfx::Size FakeTextRenderer::MeasureText(std::string_view text, Font const&)
{
    auto const lines = LineLengths(text);
    int const widest = *std::max_element(lines.begin(), lines.end());
    return { widest * CellWidth, static_cast<int>(lines.size()) * CellHeight };
}

}
