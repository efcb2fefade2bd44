#pragma once
// A picture made anew at another size with a smooth filter, for skin pictures and picture boxes
// shown on a screen scaled to 125 % or 175 %, where repeating or dropping whole pixels would
// leave visible steps. Colours are mixed premultiplied by their alpha, so a transparent pixel's
// colour never bleeds into its neighbours; shrinking widens the filter so that no pixel is
// skipped. Portable: no OS header here.

#include "gfx/Image.h"

#include <optional>

namespace gfx {

// srcRect of src (the part inside src) drawn over a picture of `size`. Nothing when either is
// empty or the size is beyond the image limits.
std::optional<Image> Resampled(Image const& src, Rect srcRect, Size size);

}
