#pragma once
// Tiny images as text, so that a test states the exact pixels it expects as a picture: one
// character per pixel, one line per row.

#include "gfx/Image.h"

#include <map>
#include <string>
#include <utility>

inline constexpr Colour White = 0xFFFFFF;
inline constexpr gfx::Pixel BlackPixel = 0xFF000000u;
inline constexpr gfx::Pixel WhitePixel = 0xFFFFFFFFu;

// Each pixel as the character its legend entry gives, '?' when there is none.
inline std::string Picture(gfx::Image const& image,
    std::map<gfx::Pixel, char> const& legend = { { BlackPixel, '.' }, { WhitePixel, '#' } })
{
    std::string text;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            auto const found = legend.find(*image.PixelAt(x, y));
            text += found == legend.end() ? '?' : found->second;
        }
        text += '\n';
    }
    return text;
}

inline gfx::Image BlackImage(int width, int height)
{
    return std::move(gfx::Image::Create(width, height, BlackPixel).value());
}
