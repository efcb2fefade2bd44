#pragma once
// The pick tool's magnifier: the 8 x 8 pixels around the pointer enlarged five times into a
// 40 x 40 square beside it, below right, or flipped left or up near the right or bottom edge of
// the monitor under the pointer (each axis on its own), with an outline and a mark around the
// pointer's own pixel. Points are overlay pixels.

#include "gfx/Image.h"
#include "platform/Screen.h"

namespace screen {

inline constexpr Colour MagnifierOutlineColour = 0x123456;
inline constexpr int PickSourceSide = 8;
inline constexpr int PickZoom = 5;
inline constexpr int PickMagnifiedSide = PickSourceSide * PickZoom;

// The magnified square's top-left corner for a pointer on that desk.
gfx::Point MagnifierCorner(gfx::Point pointer, platform::Desktop const& desk);
// Every pixel the magnifier paints for that pointer: the square and its outline (41 x 41).
gfx::Rect MagnifierBounds(gfx::Point pointer, platform::Desktop const& desk);
// Paints the magnifier onto frame, from the snapshot (which must not be the frame).
void PaintPickMagnifier(gfx::Image& frame, gfx::Image const& snapshot, gfx::Point pointer, platform::Desktop const& desk);
// The same where MagnifierBounds has already been worked out for the pointer.
void PaintPickMagnifier(gfx::Image& frame, gfx::Image const& snapshot, gfx::Point pointer, gfx::Rect bounds);

}
