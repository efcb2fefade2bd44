#include "gfx/Resample.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace gfx {

namespace {

// Catmull-Rom: sharp, passes through the source pixels, and at the picture's own size it gives
// every pixel back unchanged.
float Cubic(float x)
{
    x = std::fabs(x);
    if (x < 1)
        return (1.5f * x - 2.5f) * x * x + 1;
    if (x < 2)
        return ((-0.5f * x + 2.5f) * x - 4) * x + 2;
    return 0;
}

constexpr float CubicSupport = 2;

// For each pixel along one axis of the result, the source pixels it is made of and their
// weights, which add up to 1. Taps beyond the source's ends repeat its edge pixel.
struct Taps {
    int count = 0; // taps per result pixel
    std::vector<int> sources; // count per result pixel
    std::vector<float> weights;
};

Taps TapsFor(int sourceLength, int resultLength)
{
    float const factor = static_cast<float>(resultLength) / static_cast<float>(sourceLength);
    // Shrinking stretches the filter over as many source pixels as one result pixel covers.
    float const filterScale = std::min(1.0f, factor);
    float const support = CubicSupport / filterScale;
    Taps taps;
    taps.count = static_cast<int>(std::ceil(support)) * 2 + 1;
    taps.sources.resize(static_cast<std::size_t>(resultLength) * static_cast<std::size_t>(taps.count));
    taps.weights.resize(taps.sources.size());
    for (int i = 0; i < resultLength; ++i) {
        float const centre = (static_cast<float>(i) + 0.5f) / factor - 0.5f;
        int const first = static_cast<int>(std::floor(centre)) - taps.count / 2;
        float sum = 0;
        std::size_t const at = static_cast<std::size_t>(i) * static_cast<std::size_t>(taps.count);
        for (int k = 0; k < taps.count; ++k) {
            int const source = first + k;
            float const weight = Cubic((static_cast<float>(source) - centre) * filterScale);
            taps.sources[at + static_cast<std::size_t>(k)] = std::clamp(source, 0, sourceLength - 1);
            taps.weights[at + static_cast<std::size_t>(k)] = weight;
            sum += weight;
        }
        for (int k = 0; k < taps.count; ++k)
            taps.weights[at + static_cast<std::size_t>(k)] /= sum;
    }
    return taps;
}

// Blue, green, red premultiplied by alpha, and alpha, as the filter adds them up.
struct Mixed {
    float blue = 0;
    float green = 0;
    float red = 0;
    float alpha = 0;
};

Mixed Premultiplied(Pixel pixel)
{
    float const alpha = static_cast<float>(pixel >> 24);
    float const scale = alpha / 255.0f;
    return { static_cast<float>(pixel & 0xFF) * scale, static_cast<float>((pixel >> 8) & 0xFF) * scale,
        static_cast<float>((pixel >> 16) & 0xFF) * scale, alpha };
}

Pixel Straight(Mixed const& mixed)
{
    // The cubic overshoots a little at hard edges; what lies outside the range is clipped.
    float const alpha = std::clamp(mixed.alpha, 0.0f, 255.0f);
    if (alpha < 0.5f)
        return 0;
    auto const channel = [alpha](float value) {
        return static_cast<int>(std::lround(std::clamp(value, 0.0f, alpha) * 255.0f / alpha));
    };
    return MakePixel(channel(mixed.red), channel(mixed.green), channel(mixed.blue), static_cast<int>(std::lround(alpha)));
}

}

std::optional<Image> Resampled(Image const& src, Rect srcRect, Size size)
{
    Rect const source = srcRect.Intersected(src.Bounds());
    if (source.IsEmpty() || size.IsEmpty() || !FitsImageLimits(size.width, size.height))
        return std::nullopt;
    auto result = Image::Create(size.width, size.height);
    if (!result)
        return std::nullopt;
    Taps const across = TapsFor(source.width, size.width);
    Taps const down = TapsFor(source.height, size.height);

    // Across first, the source rows a band of result rows needs, to the result's width; then down
    // each column. Bands keep the rows in between small whatever the picture's size.
    constexpr int BandRows = 32;
    auto const width = static_cast<std::size_t>(size.width);
    auto const count = [](int value) { return static_cast<std::size_t>(value); };
    std::vector<Mixed> rows;
    std::vector<Mixed> sums(width);
    for (int bandTop = 0; bandTop < size.height; bandTop += BandRows) {
        int const bandEnd = std::min(size.height, bandTop + BandRows);
        auto const firstTap = down.sources.begin() + static_cast<std::ptrdiff_t>(count(bandTop) * count(down.count));
        auto const endTap = down.sources.begin() + static_cast<std::ptrdiff_t>(count(bandEnd) * count(down.count));
        int const low = *std::min_element(firstTap, endTap);
        int const high = *std::max_element(firstTap, endTap);
        rows.assign(width * count(high - low + 1), Mixed {});
        for (int y = low; y <= high; ++y) {
            Pixel const* in = src.Scanline(source.y + y) + source.x;
            Mixed* out = &rows[width * count(y - low)];
            for (std::size_t x = 0; x < width; ++x) {
                Mixed sum;
                for (int k = 0; k < across.count; ++k) {
                    std::size_t const tap = x * count(across.count) + count(k);
                    Mixed const p = Premultiplied(in[across.sources[tap]]);
                    float const w = across.weights[tap];
                    sum.blue += p.blue * w;
                    sum.green += p.green * w;
                    sum.red += p.red * w;
                    sum.alpha += p.alpha * w;
                }
                out[x] = sum;
            }
        }
        for (int y = bandTop; y < bandEnd; ++y) {
            std::fill(sums.begin(), sums.end(), Mixed {});
            std::size_t const first = count(y) * count(down.count);
            for (int k = 0; k < down.count; ++k) {
                Mixed const* row = &rows[width * count(down.sources[first + count(k)] - low)];
                float const w = down.weights[first + count(k)];
                for (std::size_t x = 0; x < width; ++x) {
                    sums[x].blue += row[x].blue * w;
                    sums[x].green += row[x].green * w;
                    sums[x].red += row[x].red * w;
                    sums[x].alpha += row[x].alpha * w;
                }
            }
            Pixel* out = result->Scanline(y);
            for (std::size_t x = 0; x < width; ++x)
                out[x] = Straight(sums[x]);
        }
    }
    return result;
}

}
