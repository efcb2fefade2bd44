#pragma once
// Turns the bytes of a PNG, JPEG, BMP, GIF (its first frame) or icon (its first image) into an Image: skin pictures and
// pictures the user opens. Files come from users and skin authors, so anything malformed, cut
// short or claiming a huge size is refused with nothing, never a crash or a giant allocation:
// every file passes the checks of gfx/PictureGuards.h before a decoder sees it.
// The decoder itself is an interface: the Windows program uses the system's imaging component,
// the native build stb_image. Portable: no OS header here.

#include "gfx/Image.h"
#include "gfx/PictureGuards.h"
#include "gfx/PixelBudget.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace gfx {

// No picture file we show comes near this; anything larger is refused before it is read.
inline constexpr std::uintmax_t MaxImageFileBytes = std::uintmax_t { 64 } * 1024 * 1024;
// One picture: 4096 x 4096, 64 MB of pixels. Screen captures are not decoded and may be larger.
inline constexpr std::int64_t MaxDecodedPixels = std::int64_t { 4096 } * 4096;

class ImageDecoder {
public:
    virtual ~ImageDecoder() = default;

    // Called only with bytes that passed CheckPicture, which said what they claim. Pixels with
    // straight alpha, formats without alpha opaque; nothing when the data cannot be decoded.
    virtual std::optional<Image> Decode(std::span<std::uint8_t const> bytes, PictureClaim claim) const = 0;
};

// Installs the decoder the functions below use, for as long as this lives; the one installed
// before comes back afterwards. Without one, the native build decodes with stb_image and the
// Windows build decodes nothing.
class ScopedImageDecoder {
public:
    explicit ScopedImageDecoder(ImageDecoder const& decoder);
    ~ScopedImageDecoder();
    ScopedImageDecoder(ScopedImageDecoder const&) = delete;
    ScopedImageDecoder& operator=(ScopedImageDecoder const&) = delete;

private:
    ImageDecoder const* m_previous;
};

// The checks, then the decoder. The picture takes its pixels from the budget when one is given;
// one that does not fit what is left is refused.
std::optional<Image> DecodeImage(std::span<std::uint8_t const> bytes, ImageDecoder const& decoder,
    PixelBudget* budget = nullptr);
std::optional<Image> DecodeImage(std::span<std::uint8_t const> bytes, PixelBudget* budget = nullptr);

// The file at a UTF-8 path; "\" separates folders as well as "/", so paths written for Windows
// work everywhere. Nothing when the file is missing, unreadable, too large or not a picture.
std::optional<Image> LoadImageFile(std::string_view utf8Path, PixelBudget* budget = nullptr);

}
