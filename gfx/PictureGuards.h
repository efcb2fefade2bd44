#pragma once
// The checks every picture file passes before any decoder sees it. Decoders (stb_image, and the
// system's own) trust a file's headers: they allocate what it claims and fill what is missing with
// zeros, and some crash on tables no encoder writes. So the file's structure is walked here first:
// every segment, chunk or block must lie inside the file, the tables a decoder indexes with must be
// sound, the file must be whole, and the size it claims must be within the budget and within what
// its coded data can possibly hold. Portable: no OS header here.

#include <cstdint>
#include <optional>
#include <span>

namespace gfx {

enum class PictureFormat { Png, Jpeg, Bmp, Gif, Ico };

// What a file that passed says it holds. For a GIF this is its canvas; the first frame lies inside.
struct PictureClaim {
    PictureFormat format;
    int width;
    int height;
};

// Nothing for a file that is not a whole PNG, baseline or progressive JPEG, uncompressed BMP, GIF
// or icon, or that claims more than maxPixels or than its data can hold. (stb_image reads no
// icons; the system's decoder does.)
std::optional<PictureClaim> CheckPicture(std::span<std::uint8_t const> bytes, std::int64_t maxPixels);

}
