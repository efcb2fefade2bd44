// The checks in front of every picture decoder, alone: whatever they let through claims a size
// within the budget.

#include "Check.h"
#include "gfx/Image.h"
#include "gfx/ImageDecoder.h"
#include "gfx/PictureGuards.h"

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    auto const claim = gfx::CheckPicture({ data, size }, gfx::MaxDecodedPixels);
    if (claim) {
        FUZZ_CHECK(gfx::FitsImageLimits(claim->width, claim->height));
        FUZZ_CHECK(std::int64_t { claim->width } * claim->height <= gfx::MaxDecodedPixels);
    }
    return 0;
}
