#include "gfx/Resample.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <new>
#include <vector>

namespace gfx {

namespace {

std::size_t Count(int value) { return static_cast<std::size_t>(value); }

bool RepeatsPixels(int sourceLength, int resultLength)
{
    return resultLength >= sourceLength && resultLength % sourceLength == 0;
}

// The tent's reach on each side, in source pixels: one pixel when enlarging, one result pixel's
// width when shrinking.
double Reach(int sourceLength, int resultLength)
{
    return std::max(1.0, static_cast<double>(sourceLength) / resultLength);
}

// Source pixels that one result pixel mixes, at most.
int TapCount(int sourceLength, int resultLength)
{
    if (RepeatsPixels(sourceLength, resultLength))
        return 1;
    // An open stretch 2 * reach long holds no more whole pixels than that, rounded up.
    double const reach = Reach(sourceLength, resultLength);
    return std::min(sourceLength, static_cast<int>(std::ceil(2 * reach)));
}

// For each pixel along one axis of the result, `count` neighbouring source pixels from its
// `first`, and their weights, which add up to 1. Taps beyond the source's ends fall on its edge
// pixel.
struct Taps {
    int count = 0;
    std::vector<int> first;
    std::vector<float> weights;
};

Taps TapsFor(int sourceLength, int resultLength)
{
    Taps taps;
    taps.count = TapCount(sourceLength, resultLength);
    taps.first.resize(Count(resultLength));
    taps.weights.assign(Count(resultLength) * Count(taps.count), 0.0f);
    if (RepeatsPixels(sourceLength, resultLength)) {
        int const times = resultLength / sourceLength;
        for (int i = 0; i < resultLength; ++i) {
            taps.first[Count(i)] = i / times;
            taps.weights[Count(i)] = 1;
        }
        return taps;
    }
    double const factor = static_cast<double>(resultLength) / sourceLength;
    double const reach = Reach(sourceLength, resultLength);
    for (int i = 0; i < resultLength; ++i) {
        double const centre = (i + 0.5) / factor - 0.5;
        // The pixels strictly inside the tent: no more than count of them.
        int const low = static_cast<int>(std::floor(centre - reach)) + 1;
        int const high = static_cast<int>(std::ceil(centre + reach)) - 1;
        int const first = std::clamp(low, 0, sourceLength - taps.count);
        float* const weights = &taps.weights[Count(i) * Count(taps.count)];
        double sum = 0;
        for (int s = low; s <= high; ++s) {
            double const weight = std::max(0.0, 1 - std::fabs(s - centre) / reach);
            weights[std::clamp(s, 0, sourceLength - 1) - first] += static_cast<float>(weight);
            sum += weight;
        }
        taps.first[Count(i)] = first;
        if (sum > 0) {
            for (int k = 0; k < taps.count; ++k)
                weights[k] = static_cast<float>(weights[k] / sum);
        } else {
            weights[std::clamp(static_cast<int>(std::lround(centre)), 0, sourceLength - 1) - first] = 1;
        }
    }
    return taps;
}

std::int64_t TapsBytes(int sourceLength, int resultLength)
{
    return std::int64_t { resultLength } * (sizeof(int) + sizeof(float) * TapCount(sourceLength, resultLength));
}

// Blue, green and red multiplied by alpha (0 ... 255 * 255), and alpha, as the filter adds them.
struct Mixed {
    float blue = 0;
    float green = 0;
    float red = 0;
    float alpha = 0;
};

void AddPremultiplied(Mixed& sum, Pixel pixel, float weight)
{
    float const alpha = static_cast<float>(pixel >> 24);
    if (alpha == 0)
        return;
    float const wa = weight * alpha;
    sum.blue += wa * static_cast<float>(pixel & 0xFF);
    sum.green += wa * static_cast<float>((pixel >> 8) & 0xFF);
    sum.red += wa * static_cast<float>((pixel >> 16) & 0xFF);
    sum.alpha += wa;
}

void AddWeighted(Mixed& sum, Mixed const& mixed, float weight)
{
    sum.blue += mixed.blue * weight;
    sum.green += mixed.green * weight;
    sum.red += mixed.red * weight;
    sum.alpha += mixed.alpha * weight;
}

// Down first reads a result row's source rows again for every result row, which costs most when
// a few wide source rows make many result rows: enlarging down, each source row is mixed across
// once instead, into a ring of as many rows at the result's width as a result row takes.
bool AcrossFirst(Size source, Size result) { return result.height > source.height && result.width < source.width; }

Pixel Straight(Mixed const& mixed)
{
    if (mixed.alpha < 0.5f)
        return 0;
    // Weights are never negative, so nothing here is, alpha stays within 255 but for rounding,
    // and each colour within its alpha times 255: divided by the unclamped alpha it keeps its own
    // level.
    float const inverse = 1 / mixed.alpha;
    auto const channel = [inverse](float value) { return std::min(255, static_cast<int>(value * inverse + 0.5f)); };
    return MakePixel(channel(mixed.red), channel(mixed.green), channel(mixed.blue),
        std::min(255, static_cast<int>(mixed.alpha + 0.5f)));
}

}

std::int64_t ResampleWorkPixels(Size source, Size result)
{
    if (source.IsEmpty() || result.IsEmpty())
        return 0;
    // Beyond the image limits there is no resample; and no budget pays for this.
    if (!FitsImageLimits(source.width, source.height) || !FitsImageLimits(result.width, result.height))
        return std::numeric_limits<std::int64_t>::max() / 4;
    std::int64_t const rows = AcrossFirst(source, result)
        ? std::int64_t { result.width } * TapCount(source.height, result.height)
        : std::int64_t { source.width };
    std::int64_t const bytes = rows * std::int64_t { sizeof(Mixed) } + TapsBytes(source.width, result.width)
        + TapsBytes(source.height, result.height);
    return (bytes + 3) / 4;
}

std::optional<Image> Resampled(Image const& src, Rect srcRect, Size size)
{
    Rect const source = srcRect.Intersected(src.Bounds());
    if (source.IsEmpty() || size.IsEmpty() || !FitsImageLimits(size.width, size.height))
        return std::nullopt;
    try {
        auto result = Image::Create(size.width, size.height);
        if (!result)
            return std::nullopt;
        Taps const across = TapsFor(source.width, size.width);
        Taps const down = TapsFor(source.height, size.height);
        if (AcrossFirst(source.Size(), size)) {
            // Enlarging down, a result row mixes no more than two source rows.
            constexpr int MostRows = 2;
            std::vector<Mixed> ring(Count(down.count) * Count(size.width));
            std::vector<int> held(Count(down.count), -1);
            for (int y = 0; y < size.height; ++y) {
                std::array<Mixed const*, MostRows> rows {};
                for (int k = 0; k < down.count; ++k) {
                    int const row = down.first[Count(y)] + k;
                    std::size_t const slot = Count(row % down.count);
                    Mixed* mixed = &ring[slot * Count(size.width)];
                    if (held[slot] != row) {
                        Pixel const* in = src.Scanline(source.y + row) + source.x;
                        for (int x = 0; x < size.width; ++x) {
                            Pixel const* from = in + across.first[Count(x)];
                            float const* weights = &across.weights[Count(x) * Count(across.count)];
                            mixed[x] = {};
                            for (int j = 0; j < across.count; ++j)
                                AddPremultiplied(mixed[x], from[j], weights[j]);
                        }
                        held[slot] = row;
                    }
                    rows[Count(k)] = mixed;
                }
                float const* rowWeights = &down.weights[Count(y) * Count(down.count)];
                Pixel* out = result->Scanline(y);
                for (int x = 0; x < size.width; ++x) {
                    Mixed sum;
                    for (int k = 0; k < down.count; ++k)
                        AddWeighted(sum, rows[Count(k)][x], rowWeights[k]);
                    out[x] = Straight(sum);
                }
            }
            return result;
        }
        // One result row's source rows mixed down each column, at the source's width.
        std::vector<Mixed> column(Count(source.width));
        for (int y = 0; y < size.height; ++y) {
            std::fill(column.begin(), column.end(), Mixed {});
            float const* const rowWeights = &down.weights[Count(y) * Count(down.count)];
            for (int k = 0; k < down.count; ++k) {
                float const w = rowWeights[k];
                if (w == 0)
                    continue;
                Pixel const* in = src.Scanline(source.y + down.first[Count(y)] + k) + source.x;
                for (std::size_t x = 0; x < column.size(); ++x)
                    AddPremultiplied(column[x], in[x], w);
            }
            Pixel* out = result->Scanline(y);
            for (int x = 0; x < size.width; ++x) {
                Mixed const* from = &column[Count(across.first[Count(x)])];
                float const* weights = &across.weights[Count(x) * Count(across.count)];
                Mixed sum;
                for (int k = 0; k < across.count; ++k)
                    AddWeighted(sum, from[k], weights[k]);
                out[x] = Straight(sum);
            }
        }
        return result;
    } catch (std::bad_alloc const&) {
        return std::nullopt;
    }
}

}
