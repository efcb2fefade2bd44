#pragma once
// Picture files for the skin, encoded in memory so that the generator can compare its output with
// the committed files before anything touches the disk.

#include "gfx/Image.h"

#include <cstdint>
#include <vector>

namespace skingen {

using Bytes = std::vector<std::uint8_t>;

enum class FileFormat {
    Png, // with alpha, for the program's own image controls
    Bmp, // 24-bit, for what the system's picture loader reads (it takes no PNG)
    Jpeg,
};

// BMP and JPEG have no alpha: the picture must be opaque.
Bytes EncodeImage(gfx::Image const& image, FileFormat format);

}
