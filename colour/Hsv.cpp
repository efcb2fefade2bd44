#include "colour/Hsv.h"

#include <cmath>

namespace GG {

namespace {

int ToByte(float fraction)
{
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    float const scaled = fraction * 255.0f;
    return static_cast<int>(std::nearbyint(scaled));
}

}

Colour HsvToColour(std::int16_t hue, std::int16_t saturation, std::int16_t value)
{
    // volatile keeps every intermediate at single precision whatever the compiler's choice.
    volatile float const h = static_cast<float>(hue) / 360.0f;
    volatile float const s = static_cast<float>(saturation) / 100.0f;
    volatile float const v = static_cast<float>(value) / 100.0f;
    float red = v;
    float green = v;
    float blue = v;
    if (saturation != 0) {
        volatile float h6 = h * 6.0f;
        if (h6 == 6.0f)
            h6 = 0.0f;
        float const i = std::floor(h6);
        volatile float const f = h6 - i;
        volatile float const p = (1.0f - s) * v;
        volatile float const q = (1.0f - f * s) * v;
        volatile float const t = (1.0f - (1.0f - f) * s) * v;
        switch (static_cast<int>(i)) {
        case 0: red = v; green = t; blue = p; break;
        case 1: red = q; green = v; blue = p; break;
        case 2: red = p; green = v; blue = t; break;
        case 3: red = p; green = q; blue = v; break;
        case 4: red = t; green = p; blue = v; break;
        default: red = v; green = p; blue = q; break;
        }
    }
    return MakeColour(ToByte(red), ToByte(green), ToByte(blue));
}

}
