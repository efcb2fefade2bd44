// The pick and capture frames: each is measured as the tools once drew it (the whole screen
// copied again, then the magnifier or the selection drawn) and as it is drawn now (only what
// changed). The capture's darkened copy is measured against a plain copy of the same picture.

#include "gfx/Painter.h"
#include "screen/CaptureOverlay.h"
#include "screen/Darken.h"
#include "screen/PickMagnifier.h"
#include "screen/PickOverlay.h"
#include "tests/fake/FakeOverlayWindow.h"
#include "tests/fake/FakeScreen.h"
#include "tests/fake/FakeTextRenderer.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

gfx::Image Screenful(int width, int height)
{
    auto image = gfx::Image::Create(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image->SetPixel(x, y, gfx::MakePixel(x, y, x ^ y));
    return std::move(*image);
}

// The pointer moves one pixel back and forth in the middle of the screen.
gfx::Point Wiggle(benchmark::State const& state, int width, int height, int step)
{
    (void)state;
    return { width / 2 + (step & 1), height / 2 };
}

void PickFrame(benchmark::State& state, int width, int height, bool fullRepaint)
{
    gfx::Image const snapshot = Screenful(width, height);
    platform::fake::FakeOverlayWindow window({ width, height });
    platform::Desktop const desk = platform::Desktop::Single(snapshot.Bounds());
    platform::fake::FakePointer systemPointer;
    screen::QSK pick(window, systemPointer, snapshot, desk);
    pick.Frame({ 0, 0 });
    int step = 0;
    for (auto _ : state) {
        gfx::Point const pointer = Wiggle(state, width, height, step++);
        if (fullRepaint) {
            gfx::Painter painter(window.Pixels());
            painter.Blit({ 0, 0 }, snapshot, snapshot.Bounds());
            screen::PaintPickMagnifier(window.Pixels(), snapshot, pointer, desk);
        } else {
            pick.Frame(pointer);
            window.TakeInvalidated();
        }
        benchmark::DoNotOptimize(window.Pixels().Scanline(0));
    }
}

// A selection being drawn out: its corner follows the pointer, one pixel at a time.
void CaptureFrame(benchmark::State& state, int width, int height, bool fullRepaint)
{
    platform::fake::FakeTextRenderer text;
    platform::fake::FakePointer pointer;
    platform::fake::FakeOverlayWindow window({ width, height });
    gfx::Image const snapshot = Screenful(width, height);
    platform::Desktop const desk = platform::Desktop::Single(snapshot.Bounds());
    screen::JTK capture(window, text, pointer, snapshot, desk);
    screen::CaptureAssets const assets = screen::CaptureAssets::Make(snapshot, text);
    screen::CaptureMemory memory;
    window.Input()->PointerDown({ width / 4, height / 4 }, platform::LeftButton, 0);
    capture.Frame();
    int step = 0;
    for (auto _ : state) {
        gfx::Point const corner = Wiggle(state, width, height, step++);
        window.Input()->PointerMove(corner, platform::LeftButton, 0);
        if (fullRepaint) {
            auto const layout = screen::LayOutCaptureFrame(capture.CurrentSelection(), desk, assets, text, memory);
            gfx::Painter painter(window.Pixels());
            auto const source = screen::MagnifierSource(layout, assets, text);
            screen::PaintCaptureFrame(painter, layout, assets, text, source ? &*source : nullptr);
        } else {
            capture.Frame();
            window.TakeInvalidated();
        }
        benchmark::DoNotOptimize(window.Pixels().Scanline(0));
    }
}

void Darken(benchmark::State& state, int width, int height, bool plainCopy)
{
    gfx::Image const picture = Screenful(width, height);
    gfx::Image copy = picture.Clone();
    for (auto _ : state) {
        if (plainCopy) {
            for (int y = 0; y < height; ++y)
                std::memcpy(copy.Scanline(y), picture.Scanline(y), static_cast<std::size_t>(width) * sizeof(gfx::Pixel));
            benchmark::DoNotOptimize(copy.Scanline(0));
        } else {
            screen::DarkenInto(picture, copy);
            benchmark::DoNotOptimize(copy.Scanline(0));
        }
    }
}

}

BENCHMARK_CAPTURE(PickFrame, 1080p, 1920, 1080, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PickFrame, 1080p_Baseline, 1920, 1080, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PickFrame, 2160p, 3840, 2160, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PickFrame, 2160p_Baseline, 3840, 2160, true)->Unit(benchmark::kMicrosecond);
// Two 3840 x 2160 monitors side by side.
BENCHMARK_CAPTURE(PickFrame, 2x2160p, 7680, 2160, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PickFrame, 2x2160p_Baseline, 7680, 2160, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CaptureFrame, 1080p, 1920, 1080, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CaptureFrame, 1080p_Baseline, 1920, 1080, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CaptureFrame, 2160p, 3840, 2160, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CaptureFrame, 2160p_Baseline, 3840, 2160, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CaptureFrame, 2x2160p, 7680, 2160, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CaptureFrame, 2x2160p_Baseline, 7680, 2160, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Darken, 1080p, 1920, 1080, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Darken, 1080p_Baseline, 1920, 1080, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Darken, 2160p, 3840, 2160, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Darken, 2160p_Baseline, 3840, 2160, true)->Unit(benchmark::kMillisecond);
// Two 3840 x 2160 monitors side by side: the first frame of a capture darkens all of it.
BENCHMARK_CAPTURE(Darken, 2x2160p, 7680, 2160, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Darken, 2x2160p_Baseline, 7680, 2160, true)->Unit(benchmark::kMillisecond);
