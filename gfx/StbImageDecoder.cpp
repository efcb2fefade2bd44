#include "gfx/StbImageDecoder.h"

#include "gfx/StbImage.h"

#include <memory>

namespace gfx {

static_assert(STBI_MAX_DIMENSIONS == MaxImageSide, "stb_image must refuse what Image would refuse");

std::optional<Image> StbImageDecoder::Decode(std::span<std::uint8_t const> bytes, PictureClaim claim) const
{
    int width = 0;
    int height = 0;
    int channels = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> const rgba(stbi_load_from_memory(bytes.data(),
                                                             static_cast<int>(bytes.size()), &width, &height, &channels, 4),
        &stbi_image_free);
    if (!rgba || width != claim.width || height != claim.height)
        return std::nullopt;

    auto image = Image::Create(width, height);
    if (!image)
        return std::nullopt;
    stbi_uc const* in = rgba.get();
    for (int y = 0; y < height; ++y) {
        Pixel* out = image->Scanline(y);
        for (int x = 0; x < width; ++x, in += 4)
            out[x] = MakePixel(in[0], in[1], in[2], in[3]);
    }
    return image;
}

ImageDecoder const* BuiltInImageDecoder()
{
    static StbImageDecoder const decoder;
    return &decoder;
}

}
