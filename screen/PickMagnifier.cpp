#include "screen/PickMagnifier.h"

#include "gfx/Painter.h"
#include "screen/Desk.h"

namespace screen {

namespace {

// The flip happens once the pointer is past this distance from the right or bottom edge.
constexpr int EdgeDistance = 50;
constexpr int Offset = 10;

}

gfx::Point MagnifierCorner(gfx::Point pointer, platform::Desktop const& desk)
{
    gfx::Rect const monitor = desk.MonitorAt(pointer).bounds;
    int const x = pointer.x > monitor.Right() - EdgeDistance ? pointer.x - EdgeDistance : pointer.x + Offset;
    int const y = pointer.y > monitor.Bottom() - EdgeDistance ? pointer.y - EdgeDistance : pointer.y + Offset;
    // Both corners of the outline lie on it: one pixel past the magnified square.
    gfx::Rect const box { x, y, PickMagnifiedSide + 1, PickMagnifiedSide + 1 };
    return KeptOnMonitor(box, monitor, desk.bounds).Location();
}

gfx::Rect MagnifierBounds(gfx::Point pointer, platform::Desktop const& desk)
{
    gfx::Point const corner = MagnifierCorner(pointer, desk);
    return { corner.x, corner.y, PickMagnifiedSide + 1, PickMagnifiedSide + 1 };
}

void PaintPickMagnifier(gfx::Image& frame, gfx::Image const& snapshot, gfx::Point pointer, platform::Desktop const& desk)
{
    PaintPickMagnifier(frame, snapshot, pointer, MagnifierBounds(pointer, desk));
}

void PaintPickMagnifier(gfx::Image& frame, gfx::Image const& snapshot, gfx::Point pointer, gfx::Rect bounds)
{
    gfx::Point const corner = bounds.Location();
    gfx::Painter painter(frame);
    constexpr int half = PickSourceSide / 2;
    painter.StretchBlit({ corner.x, corner.y, PickMagnifiedSide, PickMagnifiedSide }, snapshot,
        { pointer.x - half, pointer.y - half, PickSourceSide, PickSourceSide });
    painter.DrawRect(bounds, MagnifierOutlineColour);
    // Around the block of the pointer's own pixel, the fifth of the eight.
    painter.DrawRect({ corner.x + 18, corner.y + 18, 5, 5 }, MagnifierOutlineColour);
}

}
