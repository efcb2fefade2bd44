#include "tools/skingen/Glyphs.h"

#include "tools/skingen/Shapes.h"

#include <array>
#include <cassert>
#include <optional>

namespace skingen {

namespace {

// '#' is ink, '+' half ink, anything else paper. The bottom row stays empty as the line's descent.
struct Glyph {
    std::string_view character;
    std::array<std::string_view, GlyphSize> rows;
};

constexpr std::array<Glyph, 8> Glyphs { {
    { "颜",
        {
            "..#...........",
            "######.#######",
            ".#..#.....#...",
            "..##...#######",
            "######.#.....#",
            ".#.....#..#..#",
            ".#..##.#..#..#",
            ".#.#...#..#..#",
            ".#...#.#..#..#",
            ".#..#..#..#..#",
            "#..#......#...",
            "#.#......#.#..",
            "#.......#...##",
            "..............",
        } },
    { "色",
        {
            "....#.........",
            "...#######....",
            "..#.....#.....",
            ".#.....#......",
            "..##########..",
            "..#....#...#..",
            "..#....#...#..",
            "..#....#...#..",
            "..##########..",
            "..#...........",
            "..#.........#.",
            "..#.........#.",
            "...##########.",
            "..............",
        } },
    { "卡",
        {
            "......#.......",
            "......#.......",
            "......######..",
            "......#.......",
            "......#.......",
            "##############",
            "......#.......",
            "......##......",
            "......#.##....",
            "......#...#...",
            "......#.......",
            "......#.......",
            "......#.......",
            "..............",
        } },
    { "调",
        {
            ".#...#########",
            "..#..#.......#",
            ".....#...#...#",
            "##...#.#####.#",
            ".#...#...#...#",
            ".#...#.#####.#",
            ".#...#.......#",
            ".#...#.#####.#",
            ".#...#.#...#.#",
            ".#.#.#.#...#.#",
            ".##..#.#####.#",
            ".#..#........#",
            "...#.......###",
            "..............",
        } },
    { "热",
        {
            "..#.....#.....",
            "#####...#.....",
            "..#..######...",
            "..#.##..#.#...",
            "..##....#.#...",
            "###..#..#.#...",
            "..#...#.#.#...",
            "..#....#..#.#.",
            ".##...#....##.",
            "..............",
            "..#..#...#..#.",
            ".#....#...#..#",
            "#.....#...#...",
            "..............",
        } },
    { "键",
        {
            ".#.........#..",
            ".####...#####.",
            "#....##....#.#",
            ".###..#.######",
            "..#..#.....#.#",
            "####.##.#####.",
            "..#...#....#..",
            "..#...#.######",
            "..#.##.#...#..",
            "..##....#..#..",
            "..#......##...",
            "...........###",
            "..............",
            "..............",
        } },
    { "保",
        {
            "...#.#######..",
            "..#..#.....#..",
            "..#..#.....#..",
            ".##..#######..",
            "#.#.....#.....",
            "..#..#######..",
            "..#.....#.....",
            "..#....###....",
            "..#...#.#.#...",
            "..#..#..#..#..",
            "..#.#...#...#.",
            "..#.....#.....",
            "..#.....#.....",
            "..............",
        } },
    { "存",
        {
            ".....#........",
            "##############",
            "....#.........",
            "...#..######..",
            "..##......#...",
            ".#.#.....#....",
            "#..#.....#....",
            "...#.#########",
            "...#.....#....",
            "...#.....#....",
            "...#.....#....",
            "...#.....#....",
            "...#...###....",
            "..............",
        } },
} };

constexpr bool EveryRowIsSquare()
{
    for (Glyph const& glyph : Glyphs)
        for (std::string_view row : glyph.rows)
            if (row.size() != GlyphSize)
                return false;
    return true;
}
static_assert(EveryRowIsSquare(), "a glyph row must be exactly GlyphSize characters");

// The glyph of the UTF-8 character at the start of text, and that character's length.
std::optional<std::pair<Glyph const*, std::size_t>> GlyphAt(std::string_view text)
{
    for (Glyph const& glyph : Glyphs)
        if (text.starts_with(glyph.character))
            return std::pair { &glyph, glyph.character.size() };
    return std::nullopt;
}

}

bool HasGlyphs(std::string_view utf8)
{
    while (!utf8.empty()) {
        auto const found = GlyphAt(utf8);
        if (!found)
            return false;
        utf8.remove_prefix(found->second);
    }
    return true;
}

int CaptionWidth(std::string_view utf8)
{
    int count = 0;
    while (!utf8.empty()) {
        auto const found = GlyphAt(utf8);
        assert(found && "caption has a character without a glyph");
        utf8.remove_prefix(found->second);
        ++count;
    }
    return count == 0 ? 0 : count * GlyphSize + (count - 1) * GlyphGap;
}

void DrawCaption(gfx::Image& image, gfx::Rect box, std::string_view utf8, gfx::Pixel ink)
{
    int x = box.x + (box.width - CaptionWidth(utf8)) / 2;
    // The empty bottom row does not count when centring: the ink is one row shorter.
    int const y = box.y + (box.height - (GlyphSize - 1)) / 2;
    while (!utf8.empty()) {
        auto const found = GlyphAt(utf8);
        assert(found);
        for (int row = 0; row < GlyphSize; ++row) {
            for (int column = 0; column < GlyphSize; ++column) {
                char const cell = found->first->rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
                if (cell != '#' && cell != '+')
                    continue;
                auto const under = image.PixelAt(x + column, y + row);
                if (!under)
                    continue;
                int const alpha = cell == '#' ? gfx::AlphaOfPixel(ink) : gfx::AlphaOfPixel(ink) / 2;
                image.SetPixel(x + column, y + row, Over(*under, WithAlpha(ink, alpha)));
            }
        }
        x += GlyphSize + GlyphGap;
        utf8.remove_prefix(found->second);
    }
}

}
