#pragma once
// The capture's dark background: every colour channel of the snapshot times 50/255, about a
// fifth of its brightness. It is worked out from the snapshot wherever a frame is painted, so the
// capture keeps no darkened copy of the whole screen; the first frame runs it over every pixel of
// the virtual screen, so it is kept to one tight pass the compiler can vectorise.

#include "gfx/Image.h"
#include "gfx/Painter.h"

namespace screen {

// out must have the picture's size.
void DarkenInto(gfx::Image const& picture, gfx::Image& out);
// The picture darkened, with its 0,0 at the painter's 0,0, inside the painter's clip. Where the
// picture does not reach, the target stays as it was.
void PaintDarkened(gfx::Painter& painter, gfx::Image const& picture);

}
