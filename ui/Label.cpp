#include "ui/Label.h"

#include "ui/Form.h"

#include <algorithm>

namespace ui {

Label::Label(std::string name)
    : Control(ControlKind::Label, std::move(name))
{
}

void Label::SetText(std::string text)
{
    if (text == m_text)
        return;
    m_text = std::move(text);
    FitText();
    Changed();
}

void Label::SetFont(platform::Font font)
{
    m_style.font = std::move(font);
    FitText();
    Changed();
}

void Label::SetForeColour(Colour colour)
{
    if (!IsValidColour(colour) || colour == m_style.colour)
        return;
    m_style.colour = colour;
    Changed();
}

void Label::SetAlign(platform::TextAlign align)
{
    m_style.align = align;
    Changed();
}

void Label::SetWordWrap(bool wrap)
{
    m_style.wordWrap = wrap;
    Changed();
}

void Label::SetBackColour(Colour colour)
{
    if (!IsValidColour(colour))
        return;
    m_backColour = colour;
    Changed();
}

void Label::SetTransparent()
{
    m_backColour = NoColour;
    Changed();
}

void Label::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    FitText();
}

void Label::AddedToForm() { FitText(); }

void Label::ScaleChanged() { FitText(); }

void Label::FitText()
{
    if (!m_autoSize || !OwningForm())
        return;
    Form const& form = *OwningForm();
    m_fitted = form.Text().MeasureText(m_text, form.ScaledFont(m_style.font));
    double const scale = form.Scale();
    Placement place = Place();
    place.width = static_cast<float>(m_fitted.width / scale);
    place.height = static_cast<float>(m_fitted.height / scale);
    SetPlace(place);
    // The size in units is the text's at this scale: a change of scale alone is a change too.
    Changed();
}

gfx::Rect Label::PixelBounds() const
{
    gfx::Rect bounds = Control::PixelBounds();
    // Edges rounded at the scale may take a pixel off the measured text: never cut it.
    if (m_autoSize) {
        bounds.width = std::max(bounds.width, m_fitted.width);
        bounds.height = std::max(bounds.height, m_fitted.height);
    }
    return bounds;
}

void Label::Paint(gfx::Painter& painter, platform::TextRenderer& text)
{
    gfx::Rect const bounds = PixelBounds();
    if (IsValidColour(m_backColour))
        painter.FillRect(bounds, m_backColour);
    if (m_text.empty())
        return;
    gfx::Rect const clip = painter.ClipRect().Intersected(bounds);
    if (clip.IsEmpty())
        return;
    // The renderer draws on the image itself, so it takes device coordinates.
    gfx::Point const offset = painter.Translation();
    platform::TextStyle style = m_style;
    if (OwningForm())
        style.font = OwningForm()->ScaledFont(style.font);
    text.DrawText(painter.Target(), bounds.Translated(offset.x, offset.y), clip.Translated(offset.x, offset.y),
        m_text, style);
}

}
