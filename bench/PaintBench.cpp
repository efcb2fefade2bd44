// What painting costs in the two places where it happens on every frame: the magnifier of the
// pick overlay (an 11 x 11 piece of the screen enlarged 5 times, with a grid between the blocks),
// which should cost a few plain fills of its area; and a skin image with alpha laid over the back
// buffer, which should cost a few plain copies of it.

#include "gfx/Painter.h"

#include <benchmark/benchmark.h>

namespace {

gfx::Image Picture(int width, int height)
{
    auto image = gfx::Image::Create(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image->SetPixel(x, y, gfx::MakePixel(x * 7, y * 5, x ^ y, (x * 31 + y * 17) & 0xFF));
    }
    return std::move(*image);
}

}

static void MagnifierFrame(benchmark::State& state)
{
    gfx::Image const screen = Picture(64, 64);
    auto target = gfx::Image::Create(200, 200);
    gfx::Painter painter(*target);
    Colour grid = 0x404040;
    for (auto _ : state) {
        painter.StretchBlit({ 20, 20, 55, 55 }, screen, { 10, 10, 11, 11 });
        for (int i = 1; i < 11; ++i) {
            painter.DrawLine({ 20 + 5 * i, 20 }, { 20 + 5 * i, 74 }, grid);
            painter.DrawLine({ 20, 20 + 5 * i }, { 74, 20 + 5 * i }, grid);
        }
        benchmark::DoNotOptimize(target->Scanline(20));
        benchmark::ClobberMemory();
        grid ^= 1;
    }
}
BENCHMARK(MagnifierFrame);

static void MagnifierFrame_Baseline(benchmark::State& state)
{
    auto target = gfx::Image::Create(200, 200);
    gfx::Painter painter(*target);
    Colour fill = 0x404040;
    for (auto _ : state) {
        painter.FillRect({ 20, 20, 55, 55 }, fill);
        benchmark::DoNotOptimize(target->Scanline(20));
        benchmark::ClobberMemory();
        fill ^= 1;
    }
}
BENCHMARK(MagnifierFrame_Baseline);

static void SkinImageWithAlpha(benchmark::State& state)
{
    gfx::Image const skin = Picture(300, 400);
    auto target = gfx::Image::Create(300, 400, 0xFF808080u);
    gfx::Painter painter(*target);
    for (auto _ : state) {
        painter.BlendAlpha({ 0, 0 }, skin, skin.Bounds());
        benchmark::DoNotOptimize(target->Scanline(0));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SkinImageWithAlpha);

static void SkinImageWithAlpha_Baseline(benchmark::State& state)
{
    gfx::Image const skin = Picture(300, 400);
    auto target = gfx::Image::Create(300, 400, 0xFF808080u);
    gfx::Painter painter(*target);
    for (auto _ : state) {
        painter.Blit({ 0, 0 }, skin, skin.Bounds());
        benchmark::DoNotOptimize(target->Scanline(0));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SkinImageWithAlpha_Baseline);
