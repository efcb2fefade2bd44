#pragma once
// Points, sizes and rectangles in whole pixels for painting and hit testing. Portable; no OS types.
// Controls and overlays pass coordinates that may lie far outside any picture (a window dragged
// off screen, a capture rectangle growing past the edge), so every sum that could leave the int
// range is taken in 64 bits and saturated instead of wrapped.

#include <algorithm>
#include <cstdint>
#include <limits>

namespace gfx {

struct Point {
    int x = 0;
    int y = 0;

    friend constexpr bool operator==(Point, Point) = default;
};

struct Size {
    int width = 0;
    int height = 0;

    constexpr bool IsEmpty() const { return width <= 0 || height <= 0; }
    friend constexpr bool operator==(Size, Size) = default;
};

// A value held in 64 bits brought back into the int range, clamped at the ends.
constexpr int SaturatedInt(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
        std::numeric_limits<int>::max()));
}

// Right and Bottom are exclusive, as in a Windows RECT: the first column and row past the rectangle.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    constexpr int Right() const { return SaturatedInt(std::int64_t { x } + width); }
    constexpr int Bottom() const { return SaturatedInt(std::int64_t { y } + height); }
    constexpr Point Location() const { return { x, y }; }
    constexpr gfx::Size Size() const { return { width, height }; }
    constexpr bool IsEmpty() const { return width <= 0 || height <= 0; }

    constexpr bool Contains(Point point) const
    {
        return !IsEmpty() && point.x >= x && point.y >= y && std::int64_t { point.x } < std::int64_t { x } + width
            && std::int64_t { point.y } < std::int64_t { y } + height;
    }

    // The common part, or an empty rectangle at 0,0 when there is none. The result's edges lie
    // within both rectangles, so its width and height always fit.
    constexpr Rect Intersected(Rect other) const
    {
        if (IsEmpty() || other.IsEmpty())
            return {};
        std::int64_t const left = std::max(x, other.x);
        std::int64_t const top = std::max(y, other.y);
        std::int64_t const right = std::min(std::int64_t { x } + width, std::int64_t { other.x } + other.width);
        std::int64_t const bottom = std::min(std::int64_t { y } + height, std::int64_t { other.y } + other.height);
        if (right <= left || bottom <= top)
            return {};
        return { static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
            static_cast<int>(bottom - top) };
    }

    // Moved by dx, dy; the corner saturates at the ends of the int range.
    constexpr Rect Translated(int dx, int dy) const
    {
        return { SaturatedInt(std::int64_t { x } + dx), SaturatedInt(std::int64_t { y } + dy), width, height };
    }

    // Grown by `by` on every side, or shrunk for a negative `by`: shrunk past nothing, its width or
    // height is 0. The corner and the size saturate at the ends of the int range.
    constexpr Rect Inflated(int by) const
    {
        std::int64_t const twice = std::int64_t { by } * 2;
        return { SaturatedInt(std::int64_t { x } - by), SaturatedInt(std::int64_t { y } - by),
            SaturatedInt(std::max<std::int64_t>(0, width + twice)),
            SaturatedInt(std::max<std::int64_t>(0, height + twice)) };
    }

    friend constexpr bool operator==(Rect, Rect) = default;
};

}
