#include "tools/skingen/ImageFiles.h"

#include <cassert>

#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

namespace skingen {

namespace {

// Above 90, where stb stops halving the colour resolution; the logo's
// thin edges would smear otherwise.
constexpr int JpegQuality = 95;

void Append(void* context, void* data, int size)
{
    auto* bytes = static_cast<Bytes*>(context);
    auto const* begin = static_cast<std::uint8_t const*>(data);
    bytes->insert(bytes->end(), begin, begin + size);
}

// Rows of red, green, blue (and alpha) bytes, as stb takes them.
Bytes Interleaved(gfx::Image const& image, int channels)
{
    Bytes out;
    out.reserve(static_cast<std::size_t>(image.Width() * image.Height() * channels));
    for (int y = 0; y < image.Height(); ++y) {
        gfx::Pixel const* row = image.Scanline(y);
        for (int x = 0; x < image.Width(); ++x) {
            gfx::Pixel const pixel = row[x];
            assert((channels == 4 || gfx::AlphaOfPixel(pixel) == 255) && "picture must be opaque");
            out.push_back(static_cast<std::uint8_t>(pixel >> 16));
            out.push_back(static_cast<std::uint8_t>(pixel >> 8));
            out.push_back(static_cast<std::uint8_t>(pixel));
            if (channels == 4)
                out.push_back(static_cast<std::uint8_t>(pixel >> 24));
        }
    }
    return out;
}

}

Bytes EncodeImage(gfx::Image const& image, FileFormat format)
{
    assert(!image.IsEmpty());
    Bytes file;
    int const w = image.Width();
    int const h = image.Height();
    switch (format) {
    case FileFormat::Png: {
        Bytes const pixels = Interleaved(image, 4);
        stbi_write_png_to_func(Append, &file, w, h, 4, pixels.data(), w * 4);
        break;
    }
    case FileFormat::Bmp: {
        Bytes const pixels = Interleaved(image, 3);
        stbi_write_bmp_to_func(Append, &file, w, h, 3, pixels.data());
        break;
    }
    case FileFormat::Jpeg: {
        Bytes const pixels = Interleaved(image, 3);
        stbi_write_jpg_to_func(Append, &file, w, h, 3, pixels.data(), JpegQuality);
        break;
    }
    }
    return file;
}

}
