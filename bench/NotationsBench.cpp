// Filling the four notation boxes happens on every frame of a drag in the adjuster, so it must
// cost next to nothing: no more than formatting four short texts with snprintf.

#include "colour/Notations.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

static void FourNotations(benchmark::State& state)
{
    Colour colour = 0;
    for (auto _ : state) {
        auto const decimal = GG::RgbText(colour);
        auto const r = static_cast<std::int16_t>(RedOf(colour));
        auto const g = static_cast<std::int16_t>(GreenOf(colour));
        auto const b = static_cast<std::int16_t>(BlueOf(colour));
        benchmark::DoNotOptimize(decimal);
        benchmark::DoNotOptimize(GG::WebText(r, g, b));
        benchmark::DoNotOptimize(GG::HexText(r, g, b));
        benchmark::DoNotOptimize(GG::CmykText(r, g, b));
        colour = (colour + 7919) & MaxColour;
    }
}
BENCHMARK(FourNotations);

static void FourNotations_Baseline(benchmark::State& state)
{
    Colour colour = 0;
    char buffer[32];
    for (auto _ : state) {
        for (int i = 0; i < 4; ++i) {
            std::snprintf(buffer, sizeof buffer, "%d,%d,%d", RedOf(colour), GreenOf(colour), BlueOf(colour));
            benchmark::DoNotOptimize(std::string(buffer));
        }
        colour = (colour + 7919) & MaxColour;
    }
}
BENCHMARK(FourNotations_Baseline);
