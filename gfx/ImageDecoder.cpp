#include "gfx/ImageDecoder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace gfx {

// The build's own decoder: stb_image natively, none on Windows (see gfx/CMakeLists.txt).
ImageDecoder const* BuiltInImageDecoder();

namespace {

namespace fs = std::filesystem;

ImageDecoder const* s_installed = nullptr;

}

ScopedImageDecoder::ScopedImageDecoder(ImageDecoder const& decoder)
    : m_previous(s_installed)
{
    s_installed = &decoder;
}

ScopedImageDecoder::~ScopedImageDecoder() { s_installed = m_previous; }

std::optional<Image> DecodeImage(std::span<std::uint8_t const> bytes, ImageDecoder const& decoder, PixelBudget* budget)
{
    if (bytes.size() > MaxImageFileBytes)
        return std::nullopt;
    std::int64_t const limit = budget ? std::min(budget->Left(), MaxDecodedPixels) : MaxDecodedPixels;
    auto const claim = CheckPicture(bytes, limit);
    if (!claim)
        return std::nullopt;
    auto image = decoder.Decode(bytes, *claim);
    // A GIF's first frame may come without the rest of its canvas; nothing may come out larger.
    if (!image || image->IsEmpty() || image->Width() > claim->width || image->Height() > claim->height)
        return std::nullopt;
    if (budget && !budget->Take(std::int64_t { image->Width() } * image->Height()))
        return std::nullopt;
    return image;
}

std::optional<Image> DecodeImage(std::span<std::uint8_t const> bytes, PixelBudget* budget)
{
    ImageDecoder const* const decoder = s_installed ? s_installed : BuiltInImageDecoder();
    if (!decoder)
        return std::nullopt;
    return DecodeImage(bytes, *decoder, budget);
}

std::optional<Image> LoadImageFile(std::string_view utf8Path, PixelBudget* budget)
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
    return DecodeImage(bytes, budget);
}

}
