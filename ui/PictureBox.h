#pragma once
// A picture box: a fill colour, a persistent picture that keeps what is drawn on it (also while
// hidden), an optional user coordinate system in which it is drawn on, read from and reports
// the pointer, and controls placed inside it. The adjuster box, the hue strip, the colour chart,
// the picture area and the current-colour box are picture boxes.
//
// The picture is the model's: one pixel per window unit, whatever the screen's scale, so what is
// drawn and the colour read at a point do not depend on the monitor. On a scaled screen it is
// shown through a smoothly resampled copy, made once per change and size.

#include "ui/Control.h"

#include <cstdint>

namespace ui {

class PictureBox final : public Control {
public:
    explicit PictureBox(std::string name);

    Colour BackColour() const { return m_backColour; }
    // Clears the picture to the colour. A value that is no colour changes nothing.
    void SetBackColour(Colour colour);

    // In units.
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int units);

    void SetPlace(Placement place) override;

    // The user scale: the left edge of the inner area is x = left, the right edge x = right, and
    // likewise for y; either axis may run backwards. Without one, units are inner window units.
    void SetScale(float left, float top, float right, float bottom);
    void ResetScale();
    float ScaleLeft() const { return m_scaled ? m_scaleLeft : 0; }
    float ScaleTop() const { return m_scaled ? m_scaleTop : 0; }
    float ScaleWidth() const;
    float ScaleHeight() const;

    // Drawing in user units, kept in the picture.
    void Clear();
    void DrawLine(float x1, float y1, float x2, float y2, Colour colour);
    void FillCircle(float x, float y, float radius, Colour colour);
    void DrawRect(float x1, float y1, float x2, float y2, Colour colour);
    // Shows a picture at the top-left corner, as the box's own picture.
    void SetPicture(gfx::Image const& picture);
    // Draws srcRect of picture stretched over the user rectangle at x, y of the given size.
    void PaintPicture(gfx::Image const& picture, float x, float y, float width, float height, gfx::Rect srcRect);

    // The part of the picture the keyboard is on (a cell of a chart), in user units: the focus
    // mark rings it too while the box has the keyboard's focus.
    std::optional<Placement> const& FocusPart() const { return m_focusPart; }
    void SetFocusPart(std::optional<Placement> part);

    // The colour of the picture at a point in user units; NoColour outside it.
    Colour PointColour(float x, float y) const;

    gfx::Image const& Picture() const { return m_picture; }
    // The inner area's size in units: the picture's size.
    gfx::Size InnerSize() const;
    // The inner area in the window's device pixels.
    gfx::Rect InnerBounds() const;
    // A point in user units as a pixel of the picture (which may lie outside it).
    gfx::Point UserToPicture(float x, float y) const;
    // A rectangle in user units as device pixels of the window, for controls placed inside.
    gfx::Rect UserRectToWindow(Placement place) const;
    // The same in window units.
    gfx::Rect UserRectToUnits(Placement place) const;

    void ToOwnUnits(gfx::Point windowPixel, float& x, float& y) const override;
    void ScaleChanged() override;
    void Paint(gfx::Painter& painter, platform::TextRenderer& text) override;

private:
    gfx::Rect InnerUnitBounds() const;
    // A rectangle in user units on `inner`, the inner area in window units or device pixels;
    // perUnit is that area's pixels per unit, for an empty picture.
    gfx::Rect UserRectOnto(Placement place, gfx::Rect inner, double perUnit) const;
    void ResizePicture();
    // The picture changed: a copy shown at another size is made again at the next paint.
    void PictureChanged();
    void DropShownCopy();
    // Device pixels of the border.
    int PixelBorder() const;
    // A user position or length as picture pixels, not yet made whole, for a picture of width or
    // height `pixels`.
    double PictureX(float x, int pixels) const;
    double PictureY(float y, int pixels) const;
    double PictureLength(float length, bool horizontal, int pixels) const;
    // The mapping for a known inner size, so a drawing call works it out once.
    gfx::Point ToPicture(float x, float y, gfx::Size inner) const;
    int ToPixels(float length, bool horizontal, gfx::Size inner) const;

    Colour m_backColour = 0xF0F0F0;
    int m_borderWidth = 0;
    gfx::Image m_picture;
    bool m_scaled = false;
    float m_scaleLeft = 0;
    float m_scaleTop = 0;
    float m_scaleRight = 0;
    float m_scaleBottom = 0;
    // The picture as shown on a scaled screen, and the pixels it takes from the form's budget.
    gfx::Image m_shown;
    std::int64_t m_shownCharge = 0;
    bool m_shownStale = true;
    std::optional<Placement> m_focusPart;
};

}
