// Picture files made by the test itself, decoded back to exact pixels; and the files that users and
// skin authors produce by accident or on purpose: cut short, garbage, huge headers.

#include "contract/TempFolder.h"
#include "gfx/ImageDecoder.h"

#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

using namespace gfx;

namespace {

using Bytes = std::vector<std::uint8_t>;

void Append(void* bytes, void* data, int size)
{
    auto const* begin = static_cast<std::uint8_t const*>(data);
    static_cast<Bytes*>(bytes)->insert(static_cast<Bytes*>(bytes)->end(), begin, begin + size);
}

// From rows of red, green, blue, alpha bytes.
Bytes Png(int width, int height, Bytes const& rgba)
{
    Bytes file;
    stbi_write_png_to_func(Append, &file, width, height, 4, rgba.data(), width * 4);
    return file;
}

void Put(Bytes& bytes, std::size_t at, std::uint32_t value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A 24-bit BMP of 2 x 2 pixels written field by field, rows padded from 6 to 8 bytes: red, white
// above blue, green. Windows stores the bottom row first unless the height is negative.
Bytes Bmp(bool topDown)
{
    Bytes file(54, 0);
    file[0] = 'B';
    file[1] = 'M';
    Put(file, 2, 70, 4);
    Put(file, 10, 54, 4);
    Put(file, 14, 40, 4);
    Put(file, 18, 2, 4);
    Put(file, 22, topDown ? static_cast<std::uint32_t>(-2) : 2, 4);
    Put(file, 26, 1, 2);
    Put(file, 28, 24, 2);
    Bytes const top { 0, 0, 255, 255, 255, 255, 0, 0 }; // blue, green, red per pixel
    Bytes const bottom { 255, 0, 0, 0, 255, 0, 0, 0 };
    for (Bytes const* row : { topDown ? &top : &bottom, topDown ? &bottom : &top })
        file.insert(file.end(), row->begin(), row->end());
    return file;
}

// A 2 x 2 GIF by hand: red, green above blue and a white made transparent. The LZW codes stay 3
// bits wide thanks to a clear code after two pixels: clear 0 1 clear 2 3 end.
Bytes const Gif { 'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x91, 0, 0, // screen, 4-colour table
    0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, // the table
    0x21, 0xF9, 4, 1, 0, 0, 3, 0, // colour 3 is transparent
    0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0, 2, 3, 0x44, 0xA8, 0x15, 0, 0x3B };

// Four flat 8 x 8 quarters, one JPEG block each so the losses stay small: red, green / blue, white.
Bytes Jpeg()
{
    Bytes rgb;
    for (int i = 0; i < 256; ++i) {
        int const quarter = (i / 128) * 2 + (i % 16) / 8;
        rgb.insert(rgb.end(), { std::uint8_t(quarter % 3 == 0 ? 255 : 0), std::uint8_t(quarter % 2 ? 255 : 0),
                                  std::uint8_t(quarter >= 2 ? 255 : 0) });
    }
    Bytes file;
    stbi_write_jpg_to_func(Append, &file, 16, 16, 3, rgb.data(), 100);
    return file;
}

std::optional<Image> Decode(Bytes const& bytes) { return DecodeImage(bytes); }

}

TEST(ImageDecoder, EachFormatGivesItsPixelsTopRowFirst)
{
    auto const png = Decode(Png(3, 1, { 255, 0, 0, 255, 0, 255, 0, 128, 1, 2, 3, 0 }));
    ASSERT_TRUE(png);
    EXPECT_EQ(png->PixelAt(0, 0), MakePixel(255, 0, 0, 255));
    EXPECT_EQ(png->PixelAt(1, 0), MakePixel(0, 255, 0, 128)) << "straight, not premultiplied";
    EXPECT_EQ(png->PixelAt(2, 0), MakePixel(1, 2, 3, 0));

    for (auto const& file : { Bmp(false), Bmp(true), Gif }) {
        auto const image = Decode(file);
        ASSERT_TRUE(image);
        ASSERT_EQ(image->Size(), (Size { 2, 2 }));
        EXPECT_EQ(image->PixelAt(0, 0), MakePixel(255, 0, 0));
        EXPECT_EQ(image->PixelAt(0, 1), MakePixel(0, 0, 255));
        if (file == Gif) {
            EXPECT_EQ(image->PixelAt(1, 0), MakePixel(0, 255, 0));
            EXPECT_EQ(AlphaOfPixel(*image->PixelAt(1, 1)), 0) << "the transparent colour";
        } else {
            EXPECT_EQ(image->PixelAt(1, 0), MakePixel(255, 255, 255));
            EXPECT_EQ(image->PixelAt(1, 1), MakePixel(0, 255, 0));
        }
    }

    auto const jpeg = Decode(Jpeg());
    ASSERT_TRUE(jpeg);
    Pixel const expected[4] { MakePixel(255, 0, 0), MakePixel(0, 255, 0), MakePixel(0, 0, 255), MakePixel(255, 255, 255) };
    for (int quarter = 0; quarter < 4; ++quarter) {
        Pixel const got = *jpeg->PixelAt(4 + (quarter % 2) * 8, 4 + (quarter / 2) * 8);
        for (int shift = 0; shift < 32; shift += 8) {
            int const error = static_cast<int>((got >> shift) & 0xFF) - static_cast<int>((expected[quarter] >> shift) & 0xFF);
            EXPECT_LE(std::abs(error), 8) << "quarter " << quarter << " shift " << shift;
        }
    }
}

TEST(ImageDecoder, HeadersClaimingHugeSizesAreRefusedBeforeDecoding)
{
    Bytes png = Png(1, 1, { 1, 2, 3, 4 });
    auto const claim = [&](std::uint32_t width, std::uint32_t height) {
        for (int i = 0; i < 4; ++i) {
            png[16 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(width >> (24 - 8 * i));
            png[20 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(height >> (24 - 8 * i));
        }
        return Decode(png);
    };
    EXPECT_FALSE(claim(20000, 20000));
    EXPECT_FALSE(claim(16384, 4097)) << "within the side limit, over 64 Mpixels";
    Bytes bmp = Bmp(false);
    Put(bmp, 18, 16384, 4);
    Put(bmp, 22, 16384, 4);
    EXPECT_FALSE(Decode(bmp));
}

TEST(ImageDecoder, GarbageAndFilesCutShortGiveNothing)
{
    EXPECT_FALSE(Decode({}));
    EXPECT_FALSE(Decode({ 'B', 'M', 1, 2, 3 }));
    Bytes noise(600);
    std::uint32_t state = 12345;
    for (auto& byte : noise)
        byte = static_cast<std::uint8_t>((state = state * 1103515245u + 12345u) >> 24);
    EXPECT_FALSE(Decode(noise));

    // stb_image reads zeros past the end; none of these may come back as a half-grey picture.
    for (Bytes const& whole : { Png(2, 2, Bytes(16, 200)), Bmp(false), Gif, Jpeg() }) {
        ASSERT_TRUE(Decode(whole));
        for (std::size_t length = 0; length < whole.size(); ++length)
            ASSERT_FALSE(Decode(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length))))
                << length << " of " << whole.size() << " bytes, starting " << whole[0];
    }
}

TEST(ImageDecoder, FilesAreFoundByUtf8PathsWithEitherSeparator)
{
    TempFolder folder;
    std::filesystem::create_directory(PathFromText(folder.File("皮肤")));
    Bytes const bmp = Bmp(true);
    WriteBytes(folder.File("皮肤/背景.bmp"), std::string(bmp.begin(), bmp.end()));

    auto const image = LoadImageFile(folder.File("皮肤\\背景.bmp"));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->PixelAt(1, 1), MakePixel(0, 255, 0));
    EXPECT_FALSE(LoadImageFile(folder.File("皮肤/missing.bmp")));
    EXPECT_FALSE(LoadImageFile(folder.File("皮肤")));
    EXPECT_FALSE(LoadImageFile(""));

    // Too large to be a picture we would show: refused on its size before anything is read.
    std::filesystem::resize_file(PathFromText(folder.File("皮肤/背景.bmp")), MaxImageFileBytes + 1);
    EXPECT_FALSE(LoadImageFile(folder.File("皮肤/背景.bmp")));
}
