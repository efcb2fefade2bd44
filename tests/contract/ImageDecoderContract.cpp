// Every picture decoder behind the same checks: pictures made by the test decode to their pixels,
// and files cut short, garbage and the hostile files found by fuzzing give nothing.

#include "ContractTarget.h"
#include "TestPictures.h"
#include "gfx/ImageDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace gfx;
using namespace pictures;

namespace {

std::optional<Image> Decode(Bytes const& bytes) { return DecodeImage(bytes, ImageDecoderUnderTest()); }

}

TEST(ImageDecoderContract, EachFormatGivesItsPixelsTopRowFirst)
{
    auto const png = Decode(Png(3, 1, { 255, 0, 0, 255, 0, 255, 0, 128, 1, 2, 3, 0 }));
    ASSERT_TRUE(png);
    EXPECT_EQ(png->PixelAt(0, 0), MakePixel(255, 0, 0, 255));
    EXPECT_EQ(png->PixelAt(1, 0), MakePixel(0, 255, 0, 128)) << "straight, not premultiplied";
    EXPECT_EQ(AlphaOfPixel(*png->PixelAt(2, 0)), 0);

    for (auto const& file : { Bmp(false), Bmp(true), Bmp(false, 32), Gif }) {
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
            EXPECT_EQ(image->PixelAt(1, 1), MakePixel(0, 255, 0)) << "a 32-bit BMP without alpha is opaque";
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

TEST(ImageDecoderContract, HeadersClaimingHugeSizesAreRefusedBeforeDecoding)
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
    EXPECT_FALSE(claim(16384, 4097)) << "within the side limit, over the pixel limit";
    EXPECT_FALSE(claim(1000, 1000)) << "more than the data can hold";
    Bytes bmp = Bmp(false);
    Put(bmp, 18, 16384, 4);
    Put(bmp, 22, 16384, 4);
    EXPECT_FALSE(Decode(bmp));

    // Was: a JPEG's size field changed to 16384 x 4096 decoded, zero-filled, into 528 MB.
    for (auto [width, height] : { std::pair { 16384, 4096 }, std::pair { 2048, 2048 } }) {
        Bytes jpeg = Jpeg();
        ClaimJpegSize(jpeg, width, height);
        EXPECT_FALSE(Decode(jpeg)) << width << " x " << height;
    }
}

TEST(ImageDecoderContract, GarbageAndFilesCutShortGiveNothing)
{
    EXPECT_FALSE(Decode({}));
    EXPECT_FALSE(Decode({ 'B', 'M', 1, 2, 3 }));
    Bytes noise(600);
    std::uint32_t state = 12345;
    for (auto& byte : noise)
        byte = static_cast<std::uint8_t>((state = state * 1103515245u + 12345u) >> 24);
    EXPECT_FALSE(Decode(noise));

    // Decoders fill what is missing with zeros; none of these may come back as a half-grey picture.
    for (Bytes const& whole : { Png(2, 2, Bytes(16, 200)), Bmp(false), Gif, Jpeg() }) {
        ASSERT_TRUE(Decode(whole));
        for (std::size_t length = 0; length < whole.size(); ++length)
            ASSERT_FALSE(Decode(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length))))
                << length << " of " << whole.size() << " bytes, starting " << whole[0];
    }
}

// Was: stb_image overran its 257-entry Huffman tables and crashed at start-up.
TEST(ImageDecoderContract, HuffmanTablesWithTooManyCodesAreRefused)
{
    EXPECT_FALSE(Decode(HuffmanOverrunJpeg()));
    Bytes jpeg = Jpeg();
    Bytes table { 0xFF, 0xC4, 0, 0, 0x01 };
    table.insert(table.end(), 16, 0xD1);
    table.resize(table.size() + 16 * 0xD1, 0x01);
    table[2] = static_cast<std::uint8_t>((table.size() - 2) >> 8);
    table[3] = static_cast<std::uint8_t>(table.size() - 2);
    jpeg.insert(jpeg.begin() + 2, table.begin(), table.end());
    EXPECT_FALSE(Decode(jpeg));
}

// Was: a scan naming DC table 3, which no segment defined, reached the decoder, which read far
// outside its tables.
TEST(ImageDecoderContract, ScansUsingTablesNobodyDefinedAreRefused)
{
    Bytes jpeg = Jpeg();
    Bytes const scan { 0xFF, 0xDA };
    auto const at = std::search(jpeg.begin(), jpeg.end(), scan.begin(), scan.end());
    ASSERT_NE(at, jpeg.end());
    ASSERT_TRUE(Decode(jpeg));
    *(at + 8) = 0x31; // the second component: DC table 3, AC table 1
    EXPECT_FALSE(Decode(jpeg));
}

// Was: an IDAT chunk claiming 1.2 GB made the decoder grow its buffer to that size.
TEST(ImageDecoderContract, ChunksLongerThanTheFileAreRefused)
{
    EXPECT_FALSE(Decode(HugeChunkPng()));
}
