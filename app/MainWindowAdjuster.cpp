// The colour adjuster's pictures: the hue strip, painted once, and the saturation/value box,
// drawn anew for each hue.

#include "app/MainWindow.h"

#include "colour/Hsv.h"

namespace app {

namespace {

constexpr Colour AdjusterFrameColour = 13606920;

}

void ZhuJM::PaintHueStrip()
{
    ui::PictureBox& strip = *m_controls.TSTK;
    // Hue grows upwards: 0 at the bottom, 360 at the top, with a margin of one unit around.
    strip.SetScale(11, 361, -1, -1);
    for (int hue = 0; hue <= 360; ++hue) {
        auto const h = static_cast<std::int16_t>(hue);
        strip.DrawLine(0, static_cast<float>(hue), 10, static_cast<float>(hue), GG::HsvToColour(h, 100, 100));
    }
    strip.DrawRect(11, 361, -1, -1, AdjusterFrameColour);
}

void ZhuJM::DrawAdjusterBox(std::int16_t hue)
{
    ui::PictureBox const& strip = *m_controls.TSTK;
    ui::AlphaImage& pointer = *m_controls.TSZZ;
    auto const fromTop = static_cast<std::int16_t>(360 - hue);
    pointer.SetTop(static_cast<float>(fromTop) * strip.Height() / 360.0f + strip.Place().top - pointer.Height() / 2.0f);

    ui::PictureBox& box = *m_controls.TSBK;
    for (std::int16_t s = 0; s <= 100; ++s) {
        for (std::int16_t v = 0; v <= 100; ++v)
            box.FillCircle(s, v, 1, GG::HsvToColour(hue, s, v));
    }
    box.DrawRect(-1, 101, 100.5f, -0.5f, AdjusterFrameColour);
}

}
