#include "ui/SwatchImage.h"

#include "ui/Form.h"

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

namespace {

gfx::Image const NoPicture;

}

gfx::Image const& SwatchImage::Picture() const { return m_picture ? *m_picture : NoPicture; }

void SwatchImage::SetPicture(std::shared_ptr<gfx::Image const> picture)
{
    m_showsEmpty = false;
    m_picture = std::move(picture);
    Changed();
}

void SwatchImage::ClearPicture() { SetPicture(nullptr); }

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

void SwatchImage::SetEmptyLook(Colour backColour, std::shared_ptr<gfx::Image const> picture)
{
    if (IsValidColour(backColour))
        m_emptyBackColour = backColour;
    m_emptyPicture = std::move(picture);
    m_showsEmpty = false;
    ShowEmpty();
}

void SwatchImage::ShowEmpty()
{
    // Showing the lists again is frequent: nothing is repainted unless the look changes.
    if (m_showsEmpty)
        return;
    SetBackColour(m_emptyBackColour);
    SetPicture(m_emptyPicture);
    SetBorder(false);
    SetFlat(true);
    m_showsEmpty = true;
}

void SwatchImage::ShowColour(Colour colour)
{
    SetBackColour(colour);
    if (m_picture)
        ClearPicture();
    SetBorder(true);
}

void SwatchImage::Paint(gfx::Painter& painter, platform::TextRenderer&)
{
    gfx::Rect const bounds = PixelBounds();
    painter.FillRect(bounds, m_backColour);
    if (m_picture)
        BlendFitted(painter, bounds, *m_picture, m_picture);
    int const line = LineWidth();
    for (int i = 0; i < line; ++i) {
        gfx::Rect const ring = bounds.Inflated(-i);
        if (m_border) {
            painter.DrawRect(ring, 0x646464);
        } else if (!m_flat) {
            // A sunken edge: dark above and left, light below and right.
            painter.DrawLine({ ring.x, ring.y }, { ring.Right() - 1, ring.y }, 0xA0A0A0);
            painter.DrawLine({ ring.x, ring.y }, { ring.x, ring.Bottom() - 1 }, 0xA0A0A0);
            painter.DrawLine({ ring.x, ring.Bottom() - 1 }, { ring.Right() - 1, ring.Bottom() - 1 }, 0xFFFFFF);
            painter.DrawLine({ ring.Right() - 1, ring.y }, { ring.Right() - 1, ring.Bottom() - 1 }, 0xFFFFFF);
        }
    }
}

}
