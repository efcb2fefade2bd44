#include "choosers/Adjuster.h"

#include "colour/Hsv.h"
#include "ui/FocusOrder.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace colour {

namespace {

constexpr Colour AdjusterFrameColour = 13606920;
// The box's frame, in its units: the margin's outer edge at the top left, half a unit past the
// model at the bottom right.
constexpr float FrameLeft = -1;
constexpr float FrameTop = 101;
constexpr float FrameRight = 100.5f;
constexpr float FrameBottom = -0.5f;

// Presses and drags count any button; a drag step counts only with the left button alone.
bool LeftButtonOnly(ui::MouseEvent const& move) { return move.button == ui::LeftButton; }

// A key's step: one unit, ten with Shift. Keys with Ctrl or Alt are the window's.
bool PlainKey(ui::KeyEvent const& key) { return (key.shift & (ui::CtrlKey | ui::AltKey)) == 0; }
int StepOf(ui::KeyEvent const& key) { return (key.shift & ui::ShiftKey) ? 10 : 1; }

// A point of the box in whole units inside it.
int WholeUnit(float value) { return static_cast<int>(std::lround(std::clamp(value, 0.0f, 100.0f))); }

}

Adjuster::Adjuster(ui::PictureBox& box, ui::PictureBox& strip, ui::AlphaImage& huePointer, ui::CircleShape& ring,
    ColourChoice choice)
    : m_box(box)
    , m_strip(strip)
    , m_huePointer(huePointer)
    , m_ring(ring)
    , m_choice(std::move(choice))
{
    m_box.OnMouseDown = [this](ui::MouseEvent const& press) { SelectPoint(press.x, press.y, true); };
    m_box.OnMouseMove = [this](ui::MouseEvent const& move) {
        if (LeftButtonOnly(move))
            SelectPoint(move.x, move.y, false);
    };
    m_strip.OnMouseDown = [this](ui::MouseEvent const& press) { ChangeHue(press.y); };
    // Beyond the strip's ends a drag would run past 0 and 360: those steps are left out.
    m_strip.OnMouseMove = [this](ui::MouseEvent const& move) {
        if (LeftButtonOnly(move) && move.y > 0 && move.y < 360)
            ChangeHue(move.y);
    };
    m_box.OnKeyDown = [this](ui::KeyEvent const& key) { return BoxKey(key); };
    m_strip.OnKeyDown = [this](ui::KeyEvent const& key) { return StripKey(key); };
    NameBox();
    NameStrip(m_hue);
}

void Adjuster::NameStrip(int hue)
{
    // The strip's margin draws hues -1 and 361; a listener hears the hue on the colour circle.
    m_strip.SetAccessibleName("色相 " + std::to_string((hue % 360 + 360) % 360));
}

void Adjuster::Prepare()
{
    PaintHueStrip();
    m_box.SetScale(-1, 101, 101, -1);
    ui::Placement const ring = m_ring.Place();
    m_ring.SetPlace({ 50, ring.top, 4, 4 });
    NameBox();
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
    m_hue = hue;
    NameStrip(hue);
    auto const fromTop = static_cast<std::int16_t>(360 - hue);
    m_huePointer.SetTop(
        static_cast<float>(fromTop) * m_strip.Height() / 360.0f + m_strip.Place().top - m_huePointer.Height() / 2.0f);

    for (std::int16_t s = 0; s <= 100; ++s) {
        for (std::int16_t v = 0; v <= 100; ++v)
            m_box.FillCircle(s, v, 1, GG::HsvToColour(hue, s, v));
    }
    m_box.DrawRect(FrameLeft, FrameTop, FrameRight, FrameBottom, AdjusterFrameColour);
}

void Adjuster::SelectPoint(float x, float y, bool press)
{
    // The ring follows the pointer beyond the box; outside it there is no colour, and the
    // current colour stays the last one read inside.
    m_ring.SetPosition(x - 2, y + 2);
    NameBox();
    Colour const colour = BoxColourAt(x, y);
    m_choice.setCurrent(colour);
    if (press)
        m_choice.addRecent(colour);
}

void Adjuster::ChangeHue(float y)
{
    float const hue = std::clamp(std::floor(y), -32768.0f, 32767.0f);
    DrawAdjusterBox(static_cast<std::int16_t>(hue));
    m_choice.setCurrent(ColourUnderRing());
}

bool Adjuster::BoxKey(ui::KeyEvent const& key)
{
    if (!PlainKey(key))
        return false;
    ui::Placement const ring = m_ring.Place();
    int x = WholeUnit(ring.left + 2);
    int y = WholeUnit(ring.top - 2);
    int const step = StepOf(key);
    switch (key.keyCode) {
    case ui::LeftKey:
        x -= step;
        break;
    case ui::RightKey:
        x += step;
        break;
    case ui::UpKey:
        y += step;
        break;
    case ui::DownKey:
        y -= step;
        break;
    case ui::EnterKey:
    case ui::SpaceKey:
        SelectPoint(static_cast<float>(x), static_cast<float>(y), true);
        return true;
    default:
        return false;
    }
    // Each step is a drag's: held down, an arrow would otherwise fill the recent colours.
    SelectPoint(static_cast<float>(std::clamp(x, 0, 100)), static_cast<float>(std::clamp(y, 0, 100)), false);
    return true;
}

bool Adjuster::StripKey(ui::KeyEvent const& key)
{
    if (!PlainKey(key) || (key.keyCode != ui::UpKey && key.keyCode != ui::DownKey))
        return false;
    int const step = key.keyCode == ui::UpKey ? StepOf(key) : -StepOf(key);
    int const hue = std::clamp(m_hue + step, 0, 360);
    if (hue != m_hue)
        ChangeHue(static_cast<float>(hue));
    return true;
}

void Adjuster::NameBox()
{
    ui::Placement const ring = m_ring.Place();
    m_box.SetAccessibleName("饱和度 " + std::to_string(WholeUnit(ring.left + 2)) + "%，亮度 "
        + std::to_string(WholeUnit(ring.top - 2)) + "%");
}

Colour Adjuster::ColourUnderRing() const
{
    ui::Placement const ring = m_ring.Place();
    return BoxColourAt(ring.left + 2, ring.top - 2);
}

Colour Adjuster::BoxColourAt(float x, float y) const
{
    gfx::Image const& picture = m_box.Picture();
    gfx::Point const at = m_box.UserToPicture(x, y);
    if (!picture.Bounds().Contains(at))
        return NoColour;
    // Depending on the box's size the frame covers the pixels of the model's edge, and some
    // pixels lie beyond it: a point there takes the nearest pixel inside the frame.
    gfx::Point const corner = m_box.UserToPicture(FrameLeft, FrameTop);
    gfx::Point const opposite = m_box.UserToPicture(FrameRight, FrameBottom);
    int const left = std::min(corner.x, opposite.x) + 1;
    int const right = std::max(corner.x, opposite.x) - 1;
    int const top = std::min(corner.y, opposite.y) + 1;
    int const bottom = std::max(corner.y, opposite.y) - 1;
    if (left > right || top > bottom)
        return NoColour;
    auto const pixel = picture.PixelAt(std::clamp(at.x, left, right), std::clamp(at.y, top, bottom));
    return pixel ? gfx::ColourFromPixel(*pixel) : NoColour;
}

}
