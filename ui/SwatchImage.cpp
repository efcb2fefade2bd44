#include "ui/SwatchImage.h"

namespace ui {

SwatchImage::SwatchImage(std::string name)
    : Control(ControlKind::SwatchImage, std::move(name))
{
}

void SwatchImage::SetBackColour(Colour colour)
{
    m_showsEmpty = false;
    if (!IsValidColour(colour) || colour == m_backColour)
        return;
    m_backColour = colour;
    Changed();
}

void SwatchImage::SetPicture(gfx::Image picture)
{
    m_showsEmpty = false;
    m_picture = std::move(picture);
    Changed();
}

void SwatchImage::ClearPicture() { SetPicture({}); }

void SwatchImage::SetBorder(bool singleLine)
{
    m_showsEmpty = false;
    if (singleLine == m_border)
        return;
    m_border = singleLine;
    Changed();
}

void SwatchImage::SetFlat(bool flat)
{
    m_showsEmpty = false;
    if (flat == m_flat)
        return;
    m_flat = flat;
    Changed();
}

void SwatchImage::SetEmptyLook(Colour backColour, gfx::Image picture)
{
    if (IsValidColour(backColour))
        m_emptyBackColour = backColour;
    m_emptyPicture = std::move(picture);
    m_showsEmpty = false;
    ShowEmpty();
}

void SwatchImage::ShowEmpty()
{
    // Showing the lists again is frequent; the picture is copied only when the look changes.
    if (m_showsEmpty)
        return;
    SetBackColour(m_emptyBackColour);
    SetPicture(m_emptyPicture.Clone());
    SetBorder(false);
    SetFlat(true);
    m_showsEmpty = true;
}

void SwatchImage::ShowColour(Colour colour)
{
    SetBackColour(colour);
    if (!m_picture.IsEmpty())
        ClearPicture();
    SetBorder(true);
}

void SwatchImage::Paint(gfx::Painter& painter, platform::TextRenderer&)
{
    gfx::Rect const bounds = PixelBounds();
    painter.FillRect(bounds, m_backColour);
    if (!m_picture.IsEmpty())
        painter.StretchBlendAlpha(bounds, m_picture, m_picture.Bounds());
    if (m_border) {
        painter.DrawRect(bounds, 0x646464);
    } else if (!m_flat) {
        // A sunken edge: dark above and left, light below and right.
        painter.DrawLine({ bounds.x, bounds.y }, { bounds.Right() - 1, bounds.y }, 0xA0A0A0);
        painter.DrawLine({ bounds.x, bounds.y }, { bounds.x, bounds.Bottom() - 1 }, 0xA0A0A0);
        painter.DrawLine({ bounds.x, bounds.Bottom() - 1 }, { bounds.Right() - 1, bounds.Bottom() - 1 }, 0xFFFFFF);
        painter.DrawLine({ bounds.Right() - 1, bounds.y }, { bounds.Right() - 1, bounds.Bottom() - 1 }, 0xFFFFFF);
    }
}

}
