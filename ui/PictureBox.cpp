#include "ui/PictureBox.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// Whole pixel of a scaled position. A position made from a pixel by the reverse mapping must come
// back to that pixel, so rounding noise just below a whole number counts as the whole number.
int FloorPixel(double value) { return RoundToPixel(std::floor(value + 1e-4)); }

}

PictureBox::PictureBox(std::string name)
    : Control(ControlKind::PictureBox, std::move(name))
{
}

void PictureBox::SetBackColour(Colour colour)
{
    if (!IsValidColour(colour))
        return;
    m_backColour = colour;
    Clear();
}

void PictureBox::SetBorderWidth(int pixels)
{
    m_borderWidth = std::clamp(pixels, 0, 8);
    ResizePicture();
    Changed();
}

void PictureBox::SetPlace(Placement place)
{
    Control::SetPlace(place);
    ResizePicture();
}

gfx::Size PictureBox::InnerSize() const { return InnerBounds().Size(); }

gfx::Rect PictureBox::InnerBounds() const
{
    gfx::Rect const bounds = PixelBounds();
    return { bounds.x + m_borderWidth, bounds.y + m_borderWidth, std::max(0, bounds.width - 2 * m_borderWidth),
        std::max(0, bounds.height - 2 * m_borderWidth) };
}

void PictureBox::ResizePicture()
{
    gfx::Size const inner = InnerSize();
    if (inner == m_picture.Size())
        return;
    // What was drawn stays where it was; new area takes the fill colour.
    auto resized = gfx::Image::Create(inner.width, inner.height, gfx::PixelFromColour(m_backColour));
    if (!resized) {
        m_picture = gfx::Image();
        return;
    }
    gfx::Painter(*resized).Blit({ 0, 0 }, m_picture, m_picture.Bounds());
    m_picture = std::move(*resized);
}

void PictureBox::SetScale(float left, float top, float right, float bottom)
{
    if (left == right || top == bottom)
        return;
    m_scaled = true;
    m_scaleLeft = left;
    m_scaleTop = top;
    m_scaleRight = right;
    m_scaleBottom = bottom;
}

void PictureBox::ResetScale() { m_scaled = false; }

float PictureBox::ScaleWidth() const
{
    return m_scaled ? m_scaleRight - m_scaleLeft : static_cast<float>(InnerSize().width);
}

float PictureBox::ScaleHeight() const
{
    return m_scaled ? m_scaleBottom - m_scaleTop : static_cast<float>(InnerSize().height);
}

gfx::Point PictureBox::UserToPicture(float x, float y) const { return ToPicture(x, y, InnerSize()); }

gfx::Point PictureBox::ToPicture(float x, float y, gfx::Size inner) const
{
    if (!m_scaled)
        return { FloorPixel(x), FloorPixel(y) };
    double const px = (double { x } - m_scaleLeft) * inner.width / (double { m_scaleRight } - m_scaleLeft);
    double const py = (double { y } - m_scaleTop) * inner.height / (double { m_scaleBottom } - m_scaleTop);
    return { FloorPixel(px), FloorPixel(py) };
}

int PictureBox::ToPixels(float length, bool horizontal, gfx::Size inner) const
{
    if (!m_scaled)
        return RoundToPixel(length);
    double const pixels = horizontal ? inner.width : inner.height;
    double const units = horizontal ? double { m_scaleRight } - m_scaleLeft : double { m_scaleBottom } - m_scaleTop;
    return RoundToPixel(std::fabs(length * pixels / units));
}

gfx::Rect PictureBox::UserRectToWindow(Placement place) const
{
    gfx::Rect const inner = InnerBounds();
    gfx::Point const corner = ToPicture(place.left, place.top, inner.Size());
    return gfx::Rect { corner.x, corner.y, ToPixels(place.width, true, inner.Size()),
        ToPixels(place.height, false, inner.Size()) }
        .Translated(inner.x, inner.y);
}

void PictureBox::ToOwnUnits(gfx::Point windowPixel, float& x, float& y) const
{
    gfx::Rect const inner = InnerBounds();
    double const px = windowPixel.x - inner.x;
    double const py = windowPixel.y - inner.y;
    if (!m_scaled || inner.IsEmpty()) {
        x = static_cast<float>(px);
        y = static_cast<float>(py);
        return;
    }
    x = static_cast<float>(m_scaleLeft + px * (double { m_scaleRight } - m_scaleLeft) / inner.width);
    y = static_cast<float>(m_scaleTop + py * (double { m_scaleBottom } - m_scaleTop) / inner.height);
}

void PictureBox::Clear()
{
    m_picture.Fill(gfx::PixelFromColour(m_backColour));
    Changed();
}

void PictureBox::DrawLine(float x1, float y1, float x2, float y2, Colour colour)
{
    if (!IsValidColour(colour))
        return;
    gfx::Size const inner = m_picture.Size();
    gfx::Painter(m_picture).DrawLine(ToPicture(x1, y1, inner), ToPicture(x2, y2, inner), colour);
    Changed();
}

void PictureBox::FillCircle(float x, float y, float radius, Colour colour)
{
    if (!IsValidColour(colour))
        return;
    gfx::Size const inner = m_picture.Size();
    gfx::Painter(m_picture).FillCircle(ToPicture(x, y, inner), ToPixels(radius, true, inner), colour);
    Changed();
}

void PictureBox::DrawRect(float x1, float y1, float x2, float y2, Colour colour)
{
    if (!IsValidColour(colour))
        return;
    gfx::Size const inner = m_picture.Size();
    gfx::Point const a = ToPicture(x1, y1, inner);
    gfx::Point const b = ToPicture(x2, y2, inner);
    gfx::Rect const rect { std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x) + 1, std::abs(b.y - a.y) + 1 };
    gfx::Painter(m_picture).DrawRect(rect, colour);
    Changed();
}

void PictureBox::SetPicture(gfx::Image const& picture)
{
    Clear();
    gfx::Painter(m_picture).Blit({ 0, 0 }, picture, picture.Bounds());
    Changed();
}

void PictureBox::PaintPicture(gfx::Image const& picture, float x, float y, float width, float height,
    gfx::Rect srcRect)
{
    gfx::Size const inner = m_picture.Size();
    gfx::Point const corner = ToPicture(x, y, inner);
    gfx::Rect const dst { corner.x, corner.y, ToPixels(width, true, inner), ToPixels(height, false, inner) };
    gfx::Painter(m_picture).StretchBlit(dst, picture, srcRect);
    Changed();
}

Colour PictureBox::PointColour(float x, float y) const
{
    auto const pixel = m_picture.PixelAt(UserToPicture(x, y));
    return pixel ? gfx::ColourFromPixel(*pixel) : NoColour;
}

void PictureBox::Paint(gfx::Painter& painter, platform::TextRenderer&)
{
    gfx::Rect const bounds = PixelBounds();
    for (int i = 0; i < m_borderWidth; ++i) {
        gfx::Rect const ring { bounds.x + i, bounds.y + i, bounds.width - 2 * i, bounds.height - 2 * i };
        painter.DrawRect(ring, i == 0 ? 0xA0A0A0 : 0x696969);
    }
    gfx::Rect const inner = InnerBounds();
    painter.Blit(inner.Location(), m_picture, m_picture.Bounds());
}

}
