// Reading picture files from disk and the pixel budget around the decoder. What every decoder
// must do with the bytes is in tests/contract/ImageDecoderContract.cpp.

#include "contract/TempFolder.h"
#include "contract/TestPictures.h"
#include "gfx/ImageDecoder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace gfx;
using namespace pictures;

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

TEST(ImageDecoder, PicturesTakeTheirPixelsFromTheBudgetUntilItIsSpent)
{
    PixelBudget budget(10);
    Bytes const fourPixels = Bmp(false);
    EXPECT_TRUE(DecodeImage(fourPixels, &budget));
    EXPECT_TRUE(DecodeImage(fourPixels, &budget));
    EXPECT_EQ(budget.Left(), 2);
    EXPECT_FALSE(DecodeImage(fourPixels, &budget)) << "past the budget the picture is left out";
    EXPECT_EQ(budget.Left(), 2);
    EXPECT_TRUE(DecodeImage(Png(2, 1, Bytes(8, 9)), &budget)) << "a smaller one still fits";
}

// Was: these reached stb_image, which crashed on the first and asked for 1.2 GB on the second.
TEST(ImageDecoder, HostileFilesNeverReachTheDecoder)
{
    struct Spy final : ImageDecoder {
        std::optional<Image> Decode(std::span<std::uint8_t const>, PictureClaim) const override
        {
            ++calls;
            return std::nullopt;
        }
        mutable int calls = 0;
    } spy;
    Bytes lyingJpeg = Jpeg();
    ClaimJpegSize(lyingJpeg, 2048, 2048);
    Bytes cutPng = Png(2, 2, Bytes(16, 7));
    cutPng.resize(cutPng.size() - 12);
    for (Bytes const& file : { HuffmanOverrunJpeg(), HugeChunkPng(), lyingJpeg, cutPng })
        EXPECT_FALSE(DecodeImage(file, spy));
    EXPECT_EQ(spy.calls, 0);
    EXPECT_FALSE(DecodeImage(Jpeg(), spy));
    EXPECT_EQ(spy.calls, 1) << "a sound file does";
}
