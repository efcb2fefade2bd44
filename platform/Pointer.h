#pragma once
// The mouse pointer: where it is, moving it (the overlays nudge it pixel by pixel with the arrow
// keys), and the shapes a window shows under it. Positions are screen pixels.

#include "gfx/Geometry.h"

#include <optional>

namespace platform {

enum class PointerShape {
    Arrow,
    Cross,
    Hand,
    Move, // all four directions
    SizeWestEast,
    SizeNorthSouth,
    SizeNorthWestSouthEast,
    SizeNorthEastSouthWest,
};

class Pointer {
public:
    virtual ~Pointer() = default;
    // Nothing when the system will not say (a secure desktop has the input).
    virtual std::optional<gfx::Point> Position() = 0;
    virtual void MoveTo(gfx::Point screen) = 0;
};

}
