#pragma once
// The hue/saturation/value colour model of the adjuster: hue in degrees (nominally 0 ... 360,
// 360 the same as 0), saturation and value in percent.

#include "colour/Colour.h"

#include <cstdint>

namespace GG {

// Computed in single precision, each step stored at that precision, and rounded half to even, so
// that every build paints exactly the same hue strip and box.
Colour HsvToColour(std::int16_t hue, std::int16_t saturation, std::int16_t value);

}
