#pragma once
// stb_image behind the decoder interface: what the native build, its tests and the fuzz targets
// decode with. stb_image is not made for files from strangers; it sees only bytes that passed
// the checks in gfx/PictureGuards.h. Portable: no OS header here.

#include "gfx/ImageDecoder.h"

namespace gfx {

class StbImageDecoder final : public ImageDecoder {
public:
    std::optional<Image> Decode(std::span<std::uint8_t const> bytes, PictureClaim claim) const override;
};

}
