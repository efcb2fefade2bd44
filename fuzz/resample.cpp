// A skin picture of any size resampled to any size it may be shown at: what the resampler holds
// stays in proportion to the source plus the result, a flat colour with transparent holes stays
// exactly flat, and an edge between two greys never rings past them.
//
// Input: source width and height, result width and height (two bytes each), a mode byte, then the
// pattern that places the holes (flat) or the second grey (edges).

#include "AllocationWatch.h"
#include "Check.h"
#include "gfx/Resample.h"

#include <algorithm>
#include <cstdint>

namespace {

// Sides up to the image limit, areas small enough for thousands of runs a second.
constexpr int MostSide = 16384;
constexpr std::int64_t MostPixels = std::int64_t { 1 } << 18;

int Side(std::uint8_t const* bytes) { return 1 + (bytes[0] | bytes[1] << 8) % MostSide; }

}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    if (size < 10)
        return 0;
    gfx::Size const source { Side(data), Side(data + 2) };
    gfx::Size const result { Side(data + 4), Side(data + 6) };
    std::int64_t const sourcePixels = std::int64_t { source.width } * source.height;
    std::int64_t const resultPixels = std::int64_t { result.width } * result.height;
    if (sourcePixels > MostPixels || resultPixels > MostPixels)
        return 0;
    bool const edges = data[8] & 1;
    std::uint8_t const* pattern = data + 9;
    std::size_t const patternBits = (size - 9) * 8;

    gfx::Pixel const flat = gfx::MakePixel(0, 0, 0x78);
    gfx::Pixel const dark = gfx::MakePixel(60, 60, 60);
    gfx::Pixel const light = gfx::MakePixel(200, 200, 200);
    auto picture = gfx::Image::Create(source.width, source.height, edges ? dark : flat);
    FUZZ_CHECK(picture);
    for (int y = 0; y < source.height; ++y) {
        for (int x = 0; x < source.width; ++x) {
            std::size_t const bit = static_cast<std::size_t>(x + std::int64_t { y } * source.width) % patternBits;
            if (pattern[bit / 8] >> (bit % 8) & 1)
                picture->SetPixel(x, y, edges ? light : gfx::MakePixel(255, 255, 255, 0));
        }
    }

    allocation_watch::largest = 0;
    allocation_watch::watching = true;
    auto const shown = gfx::Resampled(*picture, picture->Bounds(), result);
    allocation_watch::watching = false;
    FUZZ_CHECK(shown);
    FUZZ_CHECK(static_cast<std::int64_t>(allocation_watch::largest) <= 16 * (sourcePixels + resultPixels));
    for (int y = 0; y < result.height; ++y) {
        gfx::Pixel const* row = shown->Scanline(y);
        for (int x = 0; x < result.width; ++x) {
            if (edges) {
                int const grey = static_cast<int>(row[x] & 0xFF);
                FUZZ_CHECK(gfx::AlphaOfPixel(row[x]) == 255 && grey >= 60 && grey <= 200);
            } else if (gfx::AlphaOfPixel(row[x]) > 0) {
                FUZZ_CHECK((row[x] & 0xFFFFFF) == (flat & 0xFFFFFF));
            }
        }
    }
    return 0;
}
