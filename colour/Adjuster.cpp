#include "colour/Adjuster.h"

#include "colour/Hsv.h"

namespace colour {

namespace {

constexpr Colour AdjusterFrameColour = 13606920;

}

void Adjuster::Prepare()
{
    PaintHueStrip();
    m_box.SetScale(-1, 101, 101, -1);
    ui::Placement const ring = m_ring.Place();
    m_ring.SetPlace({ 50, ring.top, 4, 4 });
    DrawAdjusterBox(180);
}

void Adjuster::PaintHueStrip()
{
    // Hue grows upwards: 0 at the bottom, 360 at the top, with a margin of one unit around.
    m_strip.SetScale(11, 361, -1, -1);
    for (int hue = 0; hue <= 360; ++hue) {
        auto const h = static_cast<std::int16_t>(hue);
        m_strip.DrawLine(0, static_cast<float>(hue), 10, static_cast<float>(hue), GG::HsvToColour(h, 100, 100));
    }
    m_strip.DrawRect(11, 361, -1, -1, AdjusterFrameColour);
}

void Adjuster::DrawAdjusterBox(std::int16_t hue)
{
    auto const fromTop = static_cast<std::int16_t>(360 - hue);
    m_huePointer.SetTop(
        static_cast<float>(fromTop) * m_strip.Height() / 360.0f + m_strip.Place().top - m_huePointer.Height() / 2.0f);

    for (std::int16_t s = 0; s <= 100; ++s) {
        for (std::int16_t v = 0; v <= 100; ++v)
            m_box.FillCircle(s, v, 1, GG::HsvToColour(hue, s, v));
    }
    m_box.DrawRect(-1, 101, 100.5f, -0.5f, AdjusterFrameColour);
}

Colour Adjuster::ColourUnderRing() const
{
    ui::Placement const ring = m_ring.Place();
    return m_box.PointColour(ring.left + 2, ring.top - 2);
}

}
