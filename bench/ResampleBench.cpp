// On a scaled screen every picture of the skin is resampled once per scale, when the window
// opens or moves onto another monitor. Measured for all pictures of the shipped skin at 125, 150
// and 200 %, each against plain memory copies of the same result pixels.

#include "gfx/ImageDecoder.h"
#include "gfx/Resample.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <vector>

namespace {

std::vector<gfx::Image> const& ShippedPictures()
{
    static std::vector<gfx::Image> const pictures = [] {
        std::vector<gfx::Image> loaded;
        for (auto const& entry : std::filesystem::recursive_directory_iterator(PICKER_PACKAGE_DIR "/skin")) {
            if (entry.is_regular_file() && entry.path().extension() != ".ini") {
                if (auto image = gfx::LoadImageFile(entry.path().string()))
                    loaded.push_back(std::move(*image));
            }
        }
        return loaded;
    }();
    return pictures;
}

gfx::Size ScaledSize(gfx::Image const& picture, int percent)
{
    auto const scaled = [percent](int side) { return static_cast<int>(std::lround(side * percent / 100.0)); };
    return { scaled(picture.Width()), scaled(picture.Height()) };
}

template<int percent>
void ResampleSkin(benchmark::State& state)
{
    for (auto _ : state) {
        for (gfx::Image const& picture : ShippedPictures()) {
            auto copy = gfx::Resampled(picture, picture.Bounds(), ScaledSize(picture, percent));
            benchmark::DoNotOptimize(copy);
        }
    }
}

template<int percent>
void PlainCopies(benchmark::State& state)
{
    std::vector<std::pair<gfx::Image, gfx::Image>> buffers;
    for (gfx::Image const& picture : ShippedPictures()) {
        gfx::Size const size = ScaledSize(picture, percent);
        buffers.emplace_back(*gfx::Image::Create(size.width, size.height, 0xFF336699u),
            *gfx::Image::Create(size.width, size.height));
    }
    for (auto _ : state) {
        for (auto& [from, to] : buffers) {
            std::memcpy(to.Scanline(0), from.Scanline(0),
                sizeof(gfx::Pixel) * static_cast<std::size_t>(from.Width()) * static_cast<std::size_t>(from.Height()));
            benchmark::DoNotOptimize(to.Scanline(0));
            benchmark::ClobberMemory();
        }
    }
}

// Named without arguments, so that each finds its baseline.
BENCHMARK(ResampleSkin<125>)->Name("ResampleSkinAt125")->Unit(benchmark::kMillisecond);
BENCHMARK(ResampleSkin<150>)->Name("ResampleSkinAt150")->Unit(benchmark::kMillisecond);
BENCHMARK(ResampleSkin<200>)->Name("ResampleSkinAt200")->Unit(benchmark::kMillisecond);
BENCHMARK(PlainCopies<125>)->Name("ResampleSkinAt125_Baseline")->Unit(benchmark::kMillisecond);
BENCHMARK(PlainCopies<150>)->Name("ResampleSkinAt150_Baseline")->Unit(benchmark::kMillisecond);
BENCHMARK(PlainCopies<200>)->Name("ResampleSkinAt200_Baseline")->Unit(benchmark::kMillisecond);

}
