#pragma once
// A 32-bit picture in memory: the back buffer of a window, a skin image, a screen capture. The
// pixel layout is that of a Windows 32-bit top-down DIB section (0xAARRGGBB, so B, G, R, A in
// memory), which lets the Windows layer hand us a DIB's own memory and draw text into the same
// buffer we paint. Portable: no OS header here.

#include "colour/Colour.h"
#include "gfx/Geometry.h"

#include <cassert>
#include <cstdint>
#include <optional>
#include <vector>

namespace gfx {

// 0xAARRGGBB, straight (not premultiplied) alpha.
using Pixel = std::uint32_t;

// The largest picture we agree to hold: beyond any screen, and small enough that a hostile file
// header cannot make us ask for gigabytes.
inline constexpr int MaxImageSide = 16384;
inline constexpr std::int64_t MaxImagePixels = std::int64_t { 64 } * 1024 * 1024;

constexpr bool FitsImageLimits(int width, int height)
{
    return width > 0 && height > 0 && width <= MaxImageSide && height <= MaxImageSide
        && std::int64_t { width } * height <= MaxImagePixels;
}

constexpr Pixel MakePixel(int red, int green, int blue, int alpha = 255)
{
    return (Pixel(alpha & 0xFF) << 24) | (Pixel(red & 0xFF) << 16) | (Pixel(green & 0xFF) << 8) | Pixel(blue & 0xFF);
}

constexpr int AlphaOfPixel(Pixel pixel) { return static_cast<int>(pixel >> 24); }

// The one place where the program's Colour (0x00BBGGRR) and our pixels meet. NoColour is not a
// colour to paint with: callers check IsValidColour first.
constexpr Pixel PixelFromColour(Colour colour, std::uint8_t alpha = 255)
{
    assert(IsValidColour(colour));
    return MakePixel(RedOf(colour), GreenOf(colour), BlueOf(colour), alpha);
}

constexpr Colour ColourFromPixel(Pixel pixel)
{
    return MakeColour(static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
        static_cast<int>(pixel & 0xFF));
}

class Image {
public:
    // Empty (0 x 0): painting into it or reading from it does nothing.
    Image() = default;

    // Nothing when a side is not positive, the size is beyond the limits above or memory fails.
    static std::optional<Image> Create(int width, int height, Pixel fill = 0);

    // Pixels the caller owns (a DIB section) and keeps alive as long as the Image. Rows are
    // stridePixels apart, top row first. A zero or negative size gives an empty Image.
    static Image Wrap(Pixel* pixels, int width, int height, int stridePixels);

    Image(Image&& other) noexcept;
    Image& operator=(Image&& other) noexcept;
    Image(Image const&) = delete;
    Image& operator=(Image const&) = delete;
    ~Image() = default;

    // A copy that owns its pixels, also of a wrapped Image.
    Image Clone() const;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    gfx::Size Size() const { return { m_width, m_height }; }
    Rect Bounds() const { return { 0, 0, m_width, m_height }; }
    int Stride() const { return m_stride; }
    bool IsEmpty() const { return m_width == 0; }

    // The first pixel of row y; y must be inside the picture.
    Pixel* Scanline(int y);
    Pixel const* Scanline(int y) const;

    // Nothing for a point outside the picture.
    std::optional<Pixel> PixelAt(int x, int y) const;
    std::optional<Pixel> PixelAt(Point point) const { return PixelAt(point.x, point.y); }
    // Ignored outside the picture.
    void SetPixel(int x, int y, Pixel pixel);
    void Fill(Pixel pixel);

private:
    Image(Pixel* pixels, int width, int height, int stride);

    std::vector<Pixel> m_owned;
    Pixel* m_pixels = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_stride = 0;
};

}
