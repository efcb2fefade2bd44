#include "gfx/ImageDecoder.h"

#include "gfx/StbImage.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace gfx {

static_assert(STBI_MAX_DIMENSIONS == MaxImageSide, "stb_image must refuse what Image would refuse");

namespace {

namespace fs = std::filesystem;
using Bytes = std::span<std::uint8_t const>;

bool StartsWith(Bytes bytes, std::initializer_list<std::uint8_t> prefix)
{
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

std::uint32_t ReadLittleEndian(Bytes bytes, std::size_t offset, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[offset + static_cast<std::size_t>(i)];
    return value;
}

// stb_image reads zeros past the end of its input, so a file cut short could come back as a picture
// with a black or grey lower part. These check that each format's data really is all there.

// A PNG cut inside its chunks already fails in stb_image; only the end chunk is checked here,
// since stb_image stops at its name.
bool PngIsComplete(Bytes bytes)
{
    constexpr std::uint8_t end[] = { 'I', 'E', 'N', 'D' };
    auto const found = std::find_end(bytes.begin(), bytes.end(), std::begin(end), std::end(end));
    return found != bytes.end() && bytes.end() - found >= 8;
}

bool BmpIsComplete(Bytes bytes)
{
    if (bytes.size() < 26)
        return false;
    std::uint32_t const pixelOffset = ReadLittleEndian(bytes, 10, 4);
    std::uint32_t const headerSize = ReadLittleEndian(bytes, 14, 4);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    if (headerSize == 12) {
        width = ReadLittleEndian(bytes, 18, 2);
        height = ReadLittleEndian(bytes, 20, 2);
        bitsPerPixel = ReadLittleEndian(bytes, 24, 2);
    } else {
        if (bytes.size() < 34)
            return false;
        width = static_cast<std::int32_t>(ReadLittleEndian(bytes, 18, 4));
        height = static_cast<std::int32_t>(ReadLittleEndian(bytes, 22, 4));
        bitsPerPixel = ReadLittleEndian(bytes, 28, 2);
        compression = ReadLittleEndian(bytes, 30, 4);
    }
    // Plain rows (0) and rows with bit-field masks (3, 6) have a fixed size; stb_image refuses the
    // compressed kinds anyway.
    if (compression != 0 && compression != 3 && compression != 6)
        return true;
    std::int64_t const rowBytes = (std::abs(width) * bitsPerPixel + 31) / 32 * 4;
    return std::int64_t { pixelOffset } + rowBytes * std::abs(height) <= static_cast<std::int64_t>(bytes.size());
}

// The end-of-image marker must follow the last start-of-scan. Inside the coded data a 0xFF byte is
// always followed by 0 or a restart marker, so neither pair can appear there by accident.
bool JpegIsComplete(Bytes bytes)
{
    std::size_t lastScan = 0;
    bool ended = false;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] != 0xFF)
            continue;
        if (bytes[i + 1] == 0xDA) {
            lastScan = i;
            ended = false;
        } else if (bytes[i + 1] == 0xD9 && lastScan != 0) {
            ended = true;
        }
    }
    return ended;
}

// A whole GIF ends with its trailer byte.
bool GifIsComplete(Bytes bytes) { return !bytes.empty() && bytes.back() == 0x3B; }

bool IsComplete(Bytes bytes)
{
    if (StartsWith(bytes, { 0x89, 'P', 'N', 'G' }))
        return PngIsComplete(bytes);
    if (StartsWith(bytes, { 'B', 'M' }))
        return BmpIsComplete(bytes);
    if (StartsWith(bytes, { 0xFF, 0xD8 }))
        return JpegIsComplete(bytes);
    if (StartsWith(bytes, { 'G', 'I', 'F' }))
        return GifIsComplete(bytes);
    return true;
}

}

std::optional<Image> DecodeImage(Bytes bytes)
{
    if (bytes.empty() || bytes.size() > MaxImageFileBytes)
        return std::nullopt;
    auto const length = static_cast<int>(bytes.size());

    // The header alone first: a file may claim any size, and stb_image would allocate for it
    // before finding out that the data is not there.
    int width = 0;
    int height = 0;
    int channels = 0;
    if (!stbi_info_from_memory(bytes.data(), length, &width, &height, &channels))
        return std::nullopt;
    // stb_image reports the height of a top-down BMP as stored: negative.
    if (height < 0 && height >= -MaxImageSide)
        height = -height;
    if (!FitsImageLimits(width, height) || !IsComplete(bytes))
        return std::nullopt;

    int decodedWidth = 0;
    int decodedHeight = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> const rgba(
        stbi_load_from_memory(bytes.data(), length, &decodedWidth, &decodedHeight, &channels, 4), &stbi_image_free);
    if (!rgba || decodedWidth != width || decodedHeight != height)
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

std::optional<Image> LoadImageFile(std::string_view utf8Path)
{
    std::string text(utf8Path);
    std::replace(text.begin(), text.end(), '\\', '/');
    fs::path const path(std::u8string(reinterpret_cast<char8_t const*>(text.data()), text.size()));

    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return std::nullopt;
    std::uintmax_t const size = fs::file_size(path, error);
    if (error || size == 0 || size > MaxImageFileBytes)
        return std::nullopt;

    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size)
        return std::nullopt;
    return DecodeImage(bytes);
}

}
