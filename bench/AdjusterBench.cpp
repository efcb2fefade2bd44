// Every press and every drag step on the hue strip draws the whole saturation/value box again:
// 10201 colour conversions and filled circles. Measured on a box of the shipped skin's size and
// on a larger one, each against a plain memory copy of a picture of the same size.

#include "choosers/Adjuster.h"
#include "skin/SkinDescription.h"
#include "tests/fake/FakeTextRenderer.h"
#include "ui/Form.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

int ShippedSide() { return skin::DefaultSkinDescription().adjusterBox.width; }

class AdjusterOnAForm {
public:
    explicit AdjusterOnAForm(int side)
    {
        m_form.SetSize({ side + 40, side });
        m_box.SetPlace({ 0, 0, static_cast<float>(side), static_cast<float>(side) });
        m_strip.SetPlace({ static_cast<float>(side + 10), 0, 13, static_cast<float>(side) });
        m_ring.SetPlace({ 50, 50, 4, 4 });
        m_adjuster.Prepare();
    }

    colour::Adjuster& Adjuster() { return m_adjuster; }
    ui::PictureBox const& Box() const { return m_box; }

private:
    platform::fake::FakeTextRenderer m_text;
    ui::Form m_form { m_text };
    ui::PictureBox& m_box = m_form.Add<ui::PictureBox>("TSBK");
    ui::PictureBox& m_strip = m_form.Add<ui::PictureBox>("TSTK");
    ui::AlphaImage& m_pointer = m_form.Add<ui::AlphaImage>("TSZZ", *gfx::Image::Create(10, 9));
    ui::CircleShape& m_ring = m_form.AddInside<ui::CircleShape>(m_box, "TSYQ");
    colour::Adjuster m_adjuster { m_box, m_strip, m_pointer, m_ring, {} };
};

void Redraw(benchmark::State& state, int side)
{
    AdjusterOnAForm adjuster(side);
    std::int16_t hue = 0;
    for (auto _ : state) {
        adjuster.Adjuster().DrawAdjusterBox(hue);
        benchmark::DoNotOptimize(adjuster.Box().Picture().Scanline(side / 2));
        hue = static_cast<std::int16_t>((hue + 7) % 361);
    }
}

void Copy(benchmark::State& state, int side)
{
    gfx::Image const from = *gfx::Image::Create(side, side, 0xFF336699u);
    gfx::Image to = *gfx::Image::Create(side, side);
    for (auto _ : state) {
        std::memcpy(to.Scanline(0), from.Scanline(0), sizeof(gfx::Pixel) * static_cast<size_t>(side) * side);
        benchmark::DoNotOptimize(to.Scanline(0));
        benchmark::ClobberMemory();
    }
}

void ShippedBoxRedraw(benchmark::State& state) { Redraw(state, ShippedSide()); }
void ShippedBoxRedraw_Baseline(benchmark::State& state) { Copy(state, ShippedSide()); }
void Box300Redraw(benchmark::State& state) { Redraw(state, 300); }
void Box300Redraw_Baseline(benchmark::State& state) { Copy(state, 300); }

}

BENCHMARK(ShippedBoxRedraw)->Unit(benchmark::kMicrosecond);
BENCHMARK(ShippedBoxRedraw_Baseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(Box300Redraw)->Unit(benchmark::kMicrosecond);
BENCHMARK(Box300Redraw_Baseline)->Unit(benchmark::kMicrosecond);
