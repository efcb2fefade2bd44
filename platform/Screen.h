#pragma once
// The primary display as pictures: the pick and capture overlays work on a snapshot taken when
// they start, never on the live screen while they paint.

#include "gfx/Image.h"

#include <optional>

namespace platform {

class Screen {
public:
    virtual ~Screen() = default;
    // The whole primary display in physical pixels, every pixel opaque; nothing when the system
    // refuses (a locked desktop, for one).
    virtual std::optional<gfx::Image> Snapshot() = 0;
};

}
