#include "ui/Control.h"

#include "ui/Form.h"
#include "ui/PictureBox.h"

#include <cmath>

namespace ui {

int RoundToPixel(double value)
{
    // Values come from skin files and arithmetic on them; keep even absurd ones in range.
    if (!(value > -1e9))
        return -1000000000;
    if (!(value < 1e9))
        return 1000000000;
    return static_cast<int>(std::lround(value));
}

Control::Control(ControlKind kind, std::string name)
    : m_kind(kind)
    , m_name(std::move(name))
{
}

void Control::Changed()
{
    if (m_form)
        m_form->ControlChanged(*this);
}

void Control::SetPlace(Placement place)
{
    if (place == m_place)
        return;
    m_place = place;
    Changed();
}

void Control::SetPosition(float left, float top)
{
    Placement place = m_place;
    place.left = left;
    place.top = top;
    SetPlace(place);
}

void Control::SetTop(float top) { SetPosition(m_place.left, top); }

void Control::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    Changed();
}

bool Control::Shown() const { return m_visible && (!m_container || m_container->Shown()); }

void Control::SetTooltip(std::string text)
{
    m_tooltip = std::move(text);
    Changed();
}

gfx::Rect Control::PixelBounds() const
{
    if (m_container)
        return m_container->UserRectToWindow(m_place);
    return { RoundToPixel(m_place.left), RoundToPixel(m_place.top), RoundToPixel(m_place.width),
        RoundToPixel(m_place.height) };
}

void Control::ToOwnUnits(gfx::Point windowPixel, float& x, float& y) const
{
    gfx::Rect const bounds = PixelBounds();
    x = static_cast<float>(windowPixel.x - bounds.x);
    y = static_cast<float>(windowPixel.y - bounds.y);
}

}
