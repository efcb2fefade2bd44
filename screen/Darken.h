#pragma once
// The capture's dark background: every colour channel of the snapshot times 50/255, about a
// fifth of its brightness, made once when the capture opens. It runs over every pixel of the
// screen, so it is kept to one tight pass the compiler can vectorise.

#include "gfx/Image.h"

#include <optional>

namespace screen {

// out must have the picture's size.
void DarkenInto(gfx::Image const& picture, gfx::Image& out);
// Nothing when there is no memory for it.
std::optional<gfx::Image> Darkened(gfx::Image const& picture);

}
