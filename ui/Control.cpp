#include "ui/Control.h"

#include "ui/Form.h"
#include "ui/PictureBox.h"

#include <algorithm>
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
    // Shown or hidden is a state to assistive technology: the invisible one.
    AccessibleChanged(AccessibleChange::State);
}

bool Control::Shown() const { return m_visible && (!m_container || m_container->Shown()); }

void Control::SetTooltip(std::string text)
{
    m_tooltip = std::move(text);
    Changed();
}

void Control::SetAccessibleName(std::string name)
{
    if (name == m_accessibleName)
        return;
    m_accessibleName = std::move(name);
    AccessibleChanged(AccessibleChange::Name);
}

void Control::SetSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    AccessibleChanged(AccessibleChange::State);
}

void Control::AccessibleChanged(AccessibleChange change)
{
    if (m_form)
        m_form->AccessibleChanged(*this, change);
}

double Control::Scale() const { return m_form ? m_form->Scale() : 1.0; }

int Control::LineWidth() const { return m_form ? m_form->LineWidth() : 1; }

void Control::BlendFitted(gfx::Painter& painter, gfx::Rect bounds, gfx::Image const& picture,
    std::shared_ptr<gfx::Image const> const& shared) const
{
    if (picture.IsEmpty())
        return;
    if (bounds.Size() == picture.Size()) {
        painter.BlendAlpha(bounds.Location(), picture, picture.Bounds());
        return;
    }
    if (Scale() != 1.0 && shared && m_form) {
        if (auto const copy = m_form->Images().Scaled(shared, bounds.Size())) {
            painter.BlendAlpha(bounds.Location(), *copy, copy->Bounds());
            return;
        }
    }
    painter.StretchBlendAlpha(bounds, picture, picture.Bounds());
}

int NearestPixel(double value) { return RoundToPixel(std::floor(value + 0.5)); }

namespace {

// Edges, not sizes, are rounded: two controls that meet in units meet in pixels too.
gfx::Rect EdgesAt(Placement const& place, double scale)
{
    int const left = NearestPixel(place.left * scale);
    int const top = NearestPixel(place.top * scale);
    int const right = NearestPixel((double { place.left } + place.width) * scale);
    int const bottom = NearestPixel((double { place.top } + place.height) * scale);
    return { left, top, std::max(0, right - left), std::max(0, bottom - top) };
}

}

gfx::Rect Control::PixelBounds() const
{
    if (m_container)
        return m_container->UserRectToWindow(m_place);
    return EdgesAt(m_place, Scale());
}

gfx::Rect Control::UnitBounds() const
{
    if (m_container)
        return m_container->UserRectToUnits(m_place);
    return EdgesAt(m_place, 1.0);
}

void Control::ToOwnUnits(gfx::Point windowPixel, float& x, float& y) const
{
    gfx::Rect const bounds = PixelBounds();
    double const scale = Scale();
    x = static_cast<float>((windowPixel.x - bounds.x) / scale);
    y = static_cast<float>((windowPixel.y - bounds.y) / scale);
}

}
