#include "ui/PictureBox.h"

#include "ui/Form.h"

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

void PictureBox::SetBorderWidth(int units)
{
    m_borderWidth = std::clamp(units, 0, 8);
    ResizePicture();
    Changed();
}

void PictureBox::SetPlace(Placement place)
{
    Control::SetPlace(place);
    ResizePicture();
}

int PictureBox::PixelBorder() const
{
    if (m_borderWidth == 0)
        return 0;
    return std::max(1, NearestPixel(m_borderWidth * Scale()));
}

gfx::Rect PictureBox::InnerUnitBounds() const { return UnitBounds().Inflated(-m_borderWidth); }

gfx::Size PictureBox::InnerSize() const { return InnerUnitBounds().Size(); }

gfx::Rect PictureBox::InnerBounds() const { return PixelBounds().Inflated(-PixelBorder()); }

void PictureBox::ResizePicture()
{
    gfx::Size const inner = InnerSize();
    if (inner == m_picture.Size())
        return;
    // What was drawn stays where it was; new area takes the fill colour.
    auto resized = gfx::Image::Create(inner.width, inner.height, gfx::PixelFromColour(m_backColour));
    if (!resized) {
        m_picture = gfx::Image();
    } else {
        gfx::Painter(*resized).Blit({ 0, 0 }, m_picture, m_picture.Bounds());
        m_picture = std::move(*resized);
    }
    PictureChanged();
}

void PictureBox::PictureChanged()
{
    m_shownStale = true;
    Changed();
}

void PictureBox::DropShownCopy()
{
    if (m_shownCharge > 0 && OwningForm())
        OwningForm()->Images().Budget().Give(m_shownCharge);
    m_shownCharge = 0;
    m_shown = gfx::Image();
}

void PictureBox::ScaleChanged() { DropShownCopy(); }

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

void PictureBox::SetFocusPart(std::optional<Placement> part)
{
    if (part == m_focusPart)
        return;
    m_focusPart = part;
    Changed();
}

float PictureBox::ScaleWidth() const
{
    return m_scaled ? m_scaleRight - m_scaleLeft : static_cast<float>(InnerSize().width);
}

float PictureBox::ScaleHeight() const
{
    return m_scaled ? m_scaleBottom - m_scaleTop : static_cast<float>(InnerSize().height);
}

double PictureBox::PictureX(float x, int pixels) const
{
    if (!m_scaled)
        return x;
    return (double { x } - m_scaleLeft) * pixels / (double { m_scaleRight } - m_scaleLeft);
}

double PictureBox::PictureY(float y, int pixels) const
{
    if (!m_scaled)
        return y;
    return (double { y } - m_scaleTop) * pixels / (double { m_scaleBottom } - m_scaleTop);
}

double PictureBox::PictureLength(float length, bool horizontal, int pixels) const
{
    if (!m_scaled)
        return length;
    double const units = horizontal ? double { m_scaleRight } - m_scaleLeft : double { m_scaleBottom } - m_scaleTop;
    return std::fabs(double { length } * pixels / units);
}

gfx::Point PictureBox::UserToPicture(float x, float y) const { return ToPicture(x, y, InnerSize()); }

gfx::Point PictureBox::ToPicture(float x, float y, gfx::Size inner) const
{
    return { FloorPixel(PictureX(x, inner.width)), FloorPixel(PictureY(y, inner.height)) };
}

int PictureBox::ToPixels(float length, bool horizontal, gfx::Size inner) const
{
    return RoundToPixel(PictureLength(length, horizontal, horizontal ? inner.width : inner.height));
}

gfx::Rect PictureBox::UserRectToUnits(Placement place) const { return UserRectOnto(place, InnerUnitBounds(), 1.0); }

gfx::Rect PictureBox::UserRectToWindow(Placement place) const { return UserRectOnto(place, InnerBounds(), Scale()); }

gfx::Rect PictureBox::UserRectOnto(Placement place, gfx::Rect inner, double perUnit) const
{
    // Through the picture's pixels to the inner area's: in units both are the same.
    gfx::Size const picture = InnerSize();
    double const across = picture.width > 0 ? static_cast<double>(inner.width) / picture.width : perUnit;
    double const down = picture.height > 0 ? static_cast<double>(inner.height) / picture.height : perUnit;
    return gfx::Rect { FloorPixel(PictureX(place.left, picture.width) * across),
        FloorPixel(PictureY(place.top, picture.height) * down),
        RoundToPixel(PictureLength(place.width, true, picture.width) * across),
        RoundToPixel(PictureLength(place.height, false, picture.height) * down) }
        .Translated(inner.x, inner.y);
}

void PictureBox::ToOwnUnits(gfx::Point windowPixel, float& x, float& y) const
{
    gfx::Size const picture = InnerSize();
    gfx::Rect const inner = InnerBounds();
    // The pixel of the picture under the device pixel, then that in user units.
    double const px = inner.width > 0 ? static_cast<double>(windowPixel.x - inner.x) * picture.width / inner.width
                                      : (windowPixel.x - inner.x) / Scale();
    double const py = inner.height > 0 ? static_cast<double>(windowPixel.y - inner.y) * picture.height / inner.height
                                       : (windowPixel.y - inner.y) / Scale();
    if (!m_scaled || picture.IsEmpty()) {
        x = static_cast<float>(px);
        y = static_cast<float>(py);
        return;
    }
    x = static_cast<float>(m_scaleLeft + px * (double { m_scaleRight } - m_scaleLeft) / picture.width);
    y = static_cast<float>(m_scaleTop + py * (double { m_scaleBottom } - m_scaleTop) / picture.height);
}

void PictureBox::Clear()
{
    m_picture.Fill(gfx::PixelFromColour(m_backColour));
    PictureChanged();
}

void PictureBox::DrawLine(float x1, float y1, float x2, float y2, Colour colour)
{
    if (!IsValidColour(colour))
        return;
    gfx::Size const inner = m_picture.Size();
    gfx::Painter(m_picture).DrawLine(ToPicture(x1, y1, inner), ToPicture(x2, y2, inner), colour);
    PictureChanged();
}

void PictureBox::FillCircle(float x, float y, float radius, Colour colour)
{
    if (!IsValidColour(colour))
        return;
    gfx::Size const inner = m_picture.Size();
    gfx::Painter(m_picture).FillCircle(ToPicture(x, y, inner), ToPixels(radius, true, inner), colour);
    PictureChanged();
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
    PictureChanged();
}

void PictureBox::SetPicture(gfx::Image const& picture)
{
    Clear();
    gfx::Painter(m_picture).Blit({ 0, 0 }, picture, picture.Bounds());
    PictureChanged();
}

void PictureBox::PaintPicture(gfx::Image const& picture, float x, float y, float width, float height,
    gfx::Rect srcRect)
{
    gfx::Size const inner = m_picture.Size();
    gfx::Point const corner = ToPicture(x, y, inner);
    gfx::Rect const dst { corner.x, corner.y, ToPixels(width, true, inner), ToPixels(height, false, inner) };
    gfx::Painter(m_picture).StretchBlit(dst, picture, srcRect);
    PictureChanged();
}

Colour PictureBox::PointColour(float x, float y) const
{
    auto const pixel = m_picture.PixelAt(UserToPicture(x, y));
    return pixel ? gfx::ColourFromPixel(*pixel) : NoColour;
}

void PictureBox::Paint(gfx::Painter& painter, platform::TextRenderer&)
{
    gfx::Rect const bounds = PixelBounds();
    int const border = PixelBorder();
    // The outermost unit of the border is light, the rest dark.
    int const light = m_borderWidth > 0 ? std::max(1, border / m_borderWidth) : 0;
    for (int i = 0; i < border; ++i)
        painter.DrawRect(bounds.Inflated(-i), i < light ? 0xA0A0A0 : 0x696969);
    gfx::Rect const inner = InnerBounds();
    if (inner.Size() == m_picture.Size()) {
        painter.Blit(inner.Location(), m_picture, m_picture.Bounds());
        return;
    }
    if (m_shownStale || m_shown.Size() != inner.Size()) {
        DropShownCopy();
        m_shownStale = false;
        // The copy is charged to the form's pictures like any other picture.
        if (OwningForm()) {
            if (auto shown = OwningForm()->Images().ResampledWithinBudget(m_picture, inner.Size())) {
                m_shown = std::move(*shown);
                m_shownCharge = std::int64_t { inner.width } * inner.height;
            }
        }
    }
    if (m_shown.Size() == inner.Size())
        painter.Blit(inner.Location(), m_shown, m_shown.Bounds());
    else
        painter.StretchBlit(inner, m_picture, m_picture.Bounds());
}

}
