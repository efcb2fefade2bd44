#pragma once
// Turns the bytes of a PNG, JPEG, BMP or GIF (its first frame) into an Image: skin pictures and
// pictures the user opens. Files come from users and skin authors, so anything malformed, cut
// short or claiming a huge size is refused with nothing, never a crash or a giant allocation.
// Portable: no OS header here.

#include "gfx/Image.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace gfx {

// No picture file we show comes near this; anything larger is refused before it is read.
inline constexpr std::uintmax_t MaxImageFileBytes = std::uintmax_t { 64 } * 1024 * 1024;

// Pixels with straight alpha; formats without alpha come out opaque.
std::optional<Image> DecodeImage(std::span<std::uint8_t const> bytes);

// The file at a UTF-8 path; "\" separates folders as well as "/", so paths written for Windows
// work everywhere. Nothing when the file is missing, unreadable, too large or not a picture.
std::optional<Image> LoadImageFile(std::string_view utf8Path);

}
