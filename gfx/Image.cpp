#include "gfx/Image.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstring>
#include <new>
#include <utility>

namespace gfx {

Image::Image(Pixel* pixels, int width, int height, int stride)
    : m_pixels(pixels)
    , m_width(width)
    , m_height(height)
    , m_stride(stride)
{
}

std::optional<Image> Image::Create(int width, int height, Pixel fill)
{
    if (!FitsImageLimits(width, height))
        return std::nullopt;
    Image image;
    try {
        image.m_owned.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
    } catch (std::bad_alloc const&) {
        // A picture the system cannot hold now is no picture; the program goes on without it.
        return std::nullopt;
    }
    image.m_pixels = image.m_owned.data();
    image.m_width = width;
    image.m_height = height;
    image.m_stride = width;
    return image;
}

Image Image::Wrap(Pixel* pixels, int width, int height, int stridePixels)
{
    if (width <= 0 || height <= 0)
        return {};
    assert(pixels != nullptr && stridePixels >= width);
    return Image(pixels, width, height, stridePixels);
}

// Moving a vector keeps its buffer, so m_pixels stays valid; the source is left empty so that it
// can never reach pixels it no longer owns.
Image::Image(Image&& other) noexcept
    : m_owned(std::move(other.m_owned))
    , m_pixels(std::exchange(other.m_pixels, nullptr))
    , m_width(std::exchange(other.m_width, 0))
    , m_height(std::exchange(other.m_height, 0))
    , m_stride(std::exchange(other.m_stride, 0))
{
    other.m_owned.clear();
}

Image& Image::operator=(Image&& other) noexcept
{
    if (this != &other) {
        m_owned = std::move(other.m_owned);
        other.m_owned.clear();
        m_pixels = std::exchange(other.m_pixels, nullptr);
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
        m_stride = std::exchange(other.m_stride, 0);
    }
    return *this;
}

Image Image::Clone() const
{
    if (IsEmpty())
        return {};
    // A wrapped Image is within the limits in practice, but Clone must not fail: size the copy
    // directly rather than through Create.
    Image copy;
    copy.m_owned.resize(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height));
    copy.m_pixels = copy.m_owned.data();
    copy.m_width = m_width;
    copy.m_height = m_height;
    copy.m_stride = m_width;
    for (int y = 0; y < m_height; ++y)
        std::memcpy(copy.Scanline(y), Scanline(y), static_cast<std::size_t>(m_width) * sizeof(Pixel));
    return copy;
}

Pixel* Image::Scanline(int y)
{
    assert(y >= 0 && y < m_height);
    return m_pixels + static_cast<std::ptrdiff_t>(y) * m_stride;
}

Pixel const* Image::Scanline(int y) const
{
    assert(y >= 0 && y < m_height);
    return m_pixels + static_cast<std::ptrdiff_t>(y) * m_stride;
}

std::optional<Pixel> Image::PixelAt(int x, int y) const
{
    if (!Bounds().Contains({ x, y }))
        return std::nullopt;
    return Scanline(y)[x];
}

void Image::SetPixel(int x, int y, Pixel pixel)
{
    if (Bounds().Contains({ x, y }))
        Scanline(y)[x] = pixel;
}

void Image::Fill(Pixel pixel)
{
    for (int y = 0; y < m_height; ++y)
        std::fill_n(Scanline(y), m_width, pixel);
}

}
