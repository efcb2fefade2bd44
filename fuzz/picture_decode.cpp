// Pictures through the checks and stb_image, as the native build decodes them: no crash, no
// read outside the file, no picture larger than its file claimed.

#include "Check.h"
#include "gfx/ImageDecoder.h"
#include "gfx/StbImageDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    static gfx::StbImageDecoder const stb;
    gfx::PixelBudget budget(gfx::MaxDecodedPixels);
    auto const image = gfx::DecodeImage({ data, size }, stb, &budget);
    if (image) {
        auto const claim = gfx::CheckPicture({ data, size }, gfx::MaxDecodedPixels);
        FUZZ_CHECK(claim && image->Width() <= claim->width && image->Height() <= claim->height);
        FUZZ_CHECK(budget.Left() == gfx::MaxDecodedPixels - std::int64_t { image->Width() } * image->Height());
    }
    return 0;
}
