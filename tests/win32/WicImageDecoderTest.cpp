// What only the system's decoder reads: icons (swatch placeholders may be icons).

#include "contract/TestPictures.h"
#include "gfx/ImageDecoder.h"

#include <gtest/gtest.h>

using namespace gfx;
using namespace pictures;

TEST(WicImageDecoder, AnIconGivesItsFirstImage)
{
    // One 2 x 2 32-bit image: rows bottom first (blue, green; then red, half-transparent white),
    // then the two rows of its one-bit mask.
    Bytes icon { 0, 0, 1, 0, 1, 0, 2, 2, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 22, 0, 0, 0 };
    Bytes const bitmap { 40, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, 1, 0, 32, 0 };
    icon.insert(icon.end(), bitmap.begin(), bitmap.end());
    icon.resize(icon.size() + 24, 0);
    icon.insert(icon.end(), { 255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 128 });
    icon.resize(icon.size() + 8, 0);
    Put(icon, 14, static_cast<std::uint32_t>(icon.size() - 22), 4);

    auto const image = DecodeImage(icon);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->Size(), (Size { 2, 2 }));
    EXPECT_EQ(image->PixelAt(0, 0), MakePixel(255, 0, 0));
    EXPECT_EQ(image->PixelAt(1, 0), MakePixel(255, 255, 255, 128));
    EXPECT_EQ(image->PixelAt(1, 1), MakePixel(0, 255, 0));
    icon.pop_back();
    EXPECT_FALSE(DecodeImage(icon)) << "cut short";
}
