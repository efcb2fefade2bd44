#pragma once
// How many decoded pixels a picture, or a whole skin, may still take. A skin is a download from
// anyone: each side of each picture being sound says nothing about the sum, so a form's pictures
// and picture boxes draw from one budget and what no longer fits is left out.
// Portable: no OS header here.

#include <algorithm>
#include <cstdint>

namespace gfx {

// A skin's pictures and picture boxes together: several full-screen pictures (128 MB of pixels),
// fifty times what the shipped skin holds.
inline constexpr std::int64_t FormPixelBudget = std::int64_t { 32 } * 1024 * 1024;

class PixelBudget {
public:
    explicit constexpr PixelBudget(std::int64_t pixels)
        : m_left(std::max<std::int64_t>(pixels, 0))
    {
    }

    constexpr std::int64_t Left() const { return m_left; }

    // Takes the pixels when they fit and says so; otherwise takes nothing.
    constexpr bool Take(std::int64_t pixels)
    {
        if (pixels < 0 || pixels > m_left)
            return false;
        m_left -= pixels;
        return true;
    }

    // Pixels taken earlier and now let go (a copy made for one screen scale, dropped at the next).
    constexpr void Give(std::int64_t pixels)
    {
        if (pixels > 0)
            m_left += pixels;
    }

private:
    std::int64_t m_left;
};

}
