#pragma once
// Paints shapes and pictures into an Image: every control, the hue strip, the adjuster, the
// colour chart and the overlay frames are drawn through this. It keeps a clip rectangle and a
// translation so that a control paints in its own coordinates and cannot spill outside itself;
// every call clips first and does nothing when nothing is left. Portable: no OS header here.

#include "colour/Colour.h"
#include "gfx/Geometry.h"
#include "gfx/Image.h"

#include <cstdint>
#include <optional>

namespace gfx {

class Painter {
public:
    // The clip starts as the target's bounds, the translation as 0, 0. The target must outlive the
    // painter and keep its size while painted.
    explicit Painter(Image& target);
    Painter(Painter const&) = delete;
    Painter& operator=(Painter const&) = delete;

    // Restores the clip and translation of the moment it was made.
    class StateSaver {
    public:
        explicit StateSaver(Painter& painter);
        ~StateSaver();
        StateSaver(StateSaver const&) = delete;
        StateSaver& operator=(StateSaver const&) = delete;

    private:
        Painter& m_painter;
        Rect m_clip;
        Point m_translation;
    };

    // Later coordinates are moved by dx, dy (added to any earlier translation).
    void Translate(int dx, int dy);
    Point Translation() const { return m_translation; }
    // Narrows the clip to its intersection with rect, given in the current coordinates. The clip
    // only ever shrinks; a StateSaver widens it again.
    void AddClip(Rect rect);
    // The clip in the current coordinates.
    Rect ClipRect() const;
    // The image painted into, for the platform's text renderer. It knows nothing of the
    // translation: callers move their rectangles by Translation() first.
    Image& Target() const { return m_target; }

    // Colours are drawn opaque; they must be valid colours, not NoColour.
    void FillRect(Rect rect, Colour colour);
    // The one-pixel outline just inside rect.
    void DrawRect(Rect rect, Colour colour);
    // Both end points are drawn, and a line drawn backwards covers the same pixels.
    void DrawLine(Point a, Point b, Colour colour);
    // The pixels whose centres lie within radius + 1/2 of centre: radius 0 is one pixel.
    void FillCircle(Point centre, int radius, Colour colour);
    // The pixels of FillCircle that touch the outside on a side.
    void DrawCircle(Point centre, int radius, Colour colour);

    // The part of srcRect inside src, placed with srcRect's corner at dst; alpha copied as it is.
    // src may be the target itself.
    void Blit(Point dst, Image const& src, Rect srcRect);
    // srcRect scaled to dst by nearest neighbour: an integer magnification gives whole square
    // blocks. Destination pixels that would come from outside src are left alone.
    void StretchBlit(Rect dst, Image const& src, Rect srcRect);
    // src laid over the target at a fixed opacity (0 keeps the target, 255 copies); alpha becomes 255.
    void BlendConstant(Point dst, Image const& src, Rect srcRect, std::uint8_t opacity);
    // src laid over the target by its own straight alpha, as decoded from a PNG: alpha 255 copies,
    // alpha 0 leaves the target untouched.
    void BlendAlpha(Point dst, Image const& src, Rect srcRect);
    // BlendAlpha with the scaling of StretchBlit, for skin images drawn at another size.
    void StretchBlendAlpha(Rect dst, Image const& src, Rect srcRect);

private:
    struct CopyArea;
    struct StretchArea;

    // The intersection of the clip with a rectangle given by translated 64-bit edges.
    Rect ClipDevice(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) const;
    void FillLogical(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom, Pixel pixel);
    void FillRow(std::int64_t y, std::int64_t left, std::int64_t lastX, Pixel pixel);
    std::optional<CopyArea> ClipCopy(Point dst, Image const& src, Rect srcRect) const;
    std::optional<StretchArea> ClipStretch(Rect dst, Image const& src, Rect srcRect) const;

    Image& m_target;
    Rect m_clip;
    Point m_translation;
};

}
