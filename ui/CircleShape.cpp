#include "ui/CircleShape.h"

#include <algorithm>

namespace ui {

CircleShape::CircleShape(std::string name)
    : Control(ControlKind::Shape, std::move(name))
{
}

void CircleShape::SetBorderColour(Colour colour)
{
    if (!IsValidColour(colour))
        return;
    m_borderColour = colour;
    Changed();
}

void CircleShape::Paint(gfx::Painter& painter, platform::TextRenderer&)
{
    gfx::Rect const bounds = PixelBounds();
    int const diameter = std::min(bounds.width, bounds.height);
    if (diameter <= 0)
        return;
    gfx::Point const centre { bounds.x + bounds.width / 2, bounds.y + bounds.height / 2 };
    int const radius = std::max(0, (diameter - 1) / 2);
    // The outline is a unit wide at the form's scale.
    for (int i = 0; i < LineWidth() && i <= radius; ++i)
        painter.DrawCircle(centre, radius - i, m_borderColour);
}

}
