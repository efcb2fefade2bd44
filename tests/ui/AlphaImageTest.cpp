// The skin's image control: its built-in picture until a file is loaded, nothing at all for a
// file it cannot read, and a size of the picture's own only when asked to.

#include "contract/TempFolder.h"
#include "tests/fake/FakeTextRenderer.h"
#include "ui/AlphaImage.h"
#include "ui/Form.h"

#include <gtest/gtest.h>

namespace {

TEST(AlphaImage, BuiltInPictureThenFileThenNothingForABadFile)
{
    TempFolder folder;
    // A 2 x 1 BMP, bottom-up, 24 bits: a blue and a green pixel.
    std::string bmp = "BM";
    auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bmp += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    auto put16 = [&](std::uint16_t v) {
        bmp += static_cast<char>(v & 0xFF);
        bmp += static_cast<char>(v >> 8);
    };
    put32(62); put32(0); put32(54);
    put32(40); put32(2); put32(1); put16(1); put16(24); put32(0); put32(8); put32(0); put32(0); put32(0); put32(0);
    bmp += std::string("\xFF\x00\x00\x00\xFF\x00\x00\x00", 8);
    WriteBytes(folder.File("two.bmp"), bmp);
    WriteBytes(folder.File("bad.png"), "\x89PNG\r\n\x1a\nthis is not a picture");

    platform::fake::FakeTextRenderer text;
    ui::Form form(text);
    auto builtIn = gfx::Image::Create(1, 1, gfx::PixelFromColour(0x123456));
    auto& image = form.Add<ui::AlphaImage>("image", std::move(*builtIn));
    image.SetPlace({ 0, 0, 10, 10 });
    EXPECT_EQ(image.Picture().Size(), (gfx::Size { 1, 1 }));

    EXPECT_TRUE(image.SetImageFile(folder.File("two.bmp")));
    EXPECT_EQ(image.Picture().Size(), (gfx::Size { 2, 1 }));
    EXPECT_EQ(image.Place().width, 10) << "the size stays the skin's";
    auto target = gfx::Image::Create(10, 10, 0);
    form.Paint(*target);
    EXPECT_EQ(gfx::ColourFromPixel(*target->PixelAt(1, 5)), 0xFF0000) << "stretched over the control";
    EXPECT_EQ(gfx::ColourFromPixel(*target->PixelAt(8, 5)), 0x00FF00);

    EXPECT_FALSE(image.SetImageFile(folder.File("bad.png")));
    EXPECT_TRUE(image.Picture().IsEmpty());
    EXPECT_FALSE(image.SetImageFile(folder.File("missing.png")));
    form.Paint(*target);
    EXPECT_EQ(gfx::ColourFromPixel(*target->PixelAt(1, 5)), form.BackColour()) << "nothing is shown";

    image.SetAutoSize(true);
    EXPECT_TRUE(image.SetImageFile(folder.File("two.bmp")));
    EXPECT_EQ(image.Place().width, 2);
    EXPECT_EQ(image.Place().height, 1);

    auto& twin = form.Add<ui::AlphaImage>("twin");
    EXPECT_TRUE(twin.SetImageFile(folder.File("two.bmp")));
    EXPECT_EQ(&twin.Picture(), &image.Picture()) << "one file is decoded once per form";
}

}
