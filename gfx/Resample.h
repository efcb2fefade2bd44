#pragma once
// A picture made anew at another size, for skin pictures and picture boxes shown on a scaled
// screen. Skin pictures are hard-edged (frames, buttons, the colour chart's cells), so nothing
// here may ring: at a whole-number enlargement each pixel is repeated, otherwise a tent filter,
// which has no negative lobes, mixes neighbours (widened when shrinking, so that no pixel is
// skipped). Colours are mixed premultiplied by their alpha, so a transparent pixel's colour never
// bleeds into its neighbours and a flat colour stays exactly flat.
//
// The picture is resampled down each column first, one result row at a time, then across: what it
// holds besides the result grows with the source's width and the two sizes, never with their
// product. Portable: no OS header here.

#include "gfx/Image.h"

#include <cstdint>
#include <optional>

namespace gfx {

// srcRect of src (the part inside src) drawn over a picture of `size`. Nothing when either is
// empty, the size is beyond the image limits, or the memory cannot be had.
std::optional<Image> Resampled(Image const& src, Rect srcRect, Size size);

// The memory a resample from `source` to `result` holds while it runs, besides its result, in
// pixels (4 bytes each): what a budget of pixels must lend it.
std::int64_t ResampleWorkPixels(Size source, Size result);

}
