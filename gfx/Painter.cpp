#include "gfx/Painter.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace gfx {

namespace {

using Int64 = std::int64_t;

// round(value / 255) for value <= 255 * 255 in each 16-bit lane, two lanes at once, without a
// division. Exact: the lanes never carry into each other.
constexpr std::uint32_t DivideLanesBy255(std::uint32_t value)
{
    value += 0x00800080u;
    return ((value + ((value >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
}

// Each channel of src over dst: (src * a + dst * (255 - a)) / 255, rounded; alpha too, as given.
inline Pixel Mix(Pixel src, Pixel dst, std::uint32_t a)
{
    std::uint32_t const rest = 255 - a;
    std::uint32_t const redBlue = DivideLanesBy255((src & 0x00FF00FFu) * a + (dst & 0x00FF00FFu) * rest);
    std::uint32_t const alphaGreen = DivideLanesBy255(((src >> 8) & 0x00FF00FFu) * a + ((dst >> 8) & 0x00FF00FFu) * rest);
    return redBlue | (alphaGreen << 8);
}

// Straight alpha over the target. Mixing with the source's alpha taken as 255 gives the alpha of
// "over" composition, a + dstAlpha * (255 - a) / 255: an opaque target stays opaque. Alpha 255 and
// 0 come out exact without a branch, which keeps the loop free of mispredictions on soft edges.
inline Pixel BlendOver(Pixel src, Pixel dst) { return Mix(src | 0xFF000000u, dst, src >> 24); }

Int64 SquareRootFloor(Int64 value)
{
    auto root = static_cast<Int64>(std::sqrt(static_cast<double>(value)));
    while (root > 0 && root * root > value)
        --root;
    while ((root + 1) * (root + 1) <= value)
        ++root;
    return root;
}

// Half the width of the disc's row dy: the largest x with x^2 + dy^2 <= r^2 + r.
Int64 DiscHalfWidth(Int64 radius, Int64 dy)
{
    return SquareRootFloor(radius * radius + radius - dy * dy);
}

}

struct Painter::CopyArea {
    Rect dst; // in the target
    Point src; // the source pixel that lands on dst's corner
};

struct Painter::StretchArea {
    Rect dst; // in the target, only pixels whose source lies inside the source image
    std::vector<int> columns; // source column of each destination column of dst
    Int64 dstTop = 0; // the unclipped destination's top row, for mapping rows
    Int64 dstHeight = 0;
    Rect srcRect;

    int SourceRow(int y) const
    {
        return static_cast<int>(srcRect.y + (y - dstTop) * srcRect.height / dstHeight);
    }
};

Painter::Painter(Image& target)
    : m_target(target)
    , m_clip(target.Bounds())
{
}

Painter::StateSaver::StateSaver(Painter& painter)
    : m_painter(painter)
    , m_clip(painter.m_clip)
    , m_translation(painter.m_translation)
{
}

Painter::StateSaver::~StateSaver()
{
    m_painter.m_clip = m_clip;
    m_painter.m_translation = m_translation;
}

void Painter::Translate(int dx, int dy)
{
    m_translation = { SaturatedInt(Int64 { m_translation.x } + dx), SaturatedInt(Int64 { m_translation.y } + dy) };
}

void Painter::AddClip(Rect rect)
{
    if (rect.IsEmpty()) {
        m_clip = {};
        return;
    }
    Int64 const left = Int64 { rect.x } + m_translation.x;
    Int64 const top = Int64 { rect.y } + m_translation.y;
    m_clip = ClipDevice(left, top, left + rect.width, top + rect.height);
}

Rect Painter::ClipRect() const
{
    if (m_clip.IsEmpty())
        return {};
    return m_clip.Translated(-m_translation.x, -m_translation.y);
}

Rect Painter::ClipDevice(Int64 left, Int64 top, Int64 right, Int64 bottom) const
{
    left = std::max<Int64>(left, m_clip.x);
    top = std::max<Int64>(top, m_clip.y);
    right = std::min<Int64>(right, Int64 { m_clip.x } + m_clip.width);
    bottom = std::min<Int64>(bottom, Int64 { m_clip.y } + m_clip.height);
    if (right <= left || bottom <= top)
        return {};
    return { static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
        static_cast<int>(bottom - top) };
}

void Painter::FillLogical(Int64 left, Int64 top, Int64 right, Int64 bottom, Pixel pixel)
{
    Rect const area = ClipDevice(left + m_translation.x, top + m_translation.y, right + m_translation.x,
        bottom + m_translation.y);
    for (int y = area.y; y < area.y + area.height; ++y)
        std::fill_n(m_target.Scanline(y) + area.x, area.width, pixel);
}

// One row of device pixels from left to lastX inclusive.
void Painter::FillRow(Int64 y, Int64 left, Int64 lastX, Pixel pixel)
{
    Rect const area = ClipDevice(left, y, lastX + 1, y + 1);
    if (!area.IsEmpty())
        std::fill_n(m_target.Scanline(area.y) + area.x, area.width, pixel);
}

void Painter::FillRect(Rect rect, Colour colour)
{
    if (rect.IsEmpty())
        return;
    Int64 const left = rect.x;
    Int64 const top = rect.y;
    FillLogical(left, top, left + rect.width, top + rect.height, PixelFromColour(colour));
}

void Painter::DrawRect(Rect rect, Colour colour)
{
    if (rect.IsEmpty())
        return;
    Pixel const pixel = PixelFromColour(colour);
    Int64 const left = rect.x;
    Int64 const top = rect.y;
    Int64 const right = left + rect.width;
    Int64 const bottom = top + rect.height;
    FillLogical(left, top, right, top + 1, pixel);
    FillLogical(left, bottom - 1, right, bottom, pixel);
    FillLogical(left, top, left + 1, bottom, pixel);
    FillLogical(right - 1, top, right, bottom, pixel);
}

void Painter::DrawLine(Point a, Point b, Colour colour)
{
    if (m_clip.IsEmpty())
        return;
    Pixel const pixel = PixelFromColour(colour);
    // Bresenham: walk the longer ("major") axis one pixel at a time and take the pixel nearest to
    // the ideal line on the other, ties going towards the far end. The end points are put in order
    // along the major axis first, so a line drawn backwards covers the same pixels.
    Int64 ax = Int64 { a.x } + m_translation.x;
    Int64 ay = Int64 { a.y } + m_translation.y;
    Int64 bx = Int64 { b.x } + m_translation.x;
    Int64 by = Int64 { b.y } + m_translation.y;
    bool const xMajor = std::abs(bx - ax) >= std::abs(by - ay);
    if (!xMajor) {
        std::swap(ax, ay);
        std::swap(bx, by);
    }
    if (bx < ax) {
        std::swap(ax, bx);
        std::swap(ay, by);
    }
    // Clip bounds in the same (possibly swapped) axes.
    Int64 const majorLow = xMajor ? m_clip.x : m_clip.y;
    Int64 const majorHigh = majorLow + (xMajor ? m_clip.width : m_clip.height);
    Int64 const minorLow = xMajor ? m_clip.y : m_clip.x;
    Int64 const minorHigh = minorLow + (xMajor ? m_clip.height : m_clip.width);

    // Only the steps that fall inside the clip along the major axis are walked, so a line with far
    // away end points costs no more than one across the target. Step i sits at minor offset
    // floor(i * m / n + 1/2), kept as quotient and remainder of i * m / n so nothing overflows.
    auto const n = static_cast<std::uint64_t>(bx - ax);
    auto const m = static_cast<std::uint64_t>(std::abs(by - ay));
    Int64 const minorStep = by >= ay ? 1 : -1;
    Int64 const first = std::max<Int64>(0, majorLow - ax);
    Int64 const last = std::min<Int64>(static_cast<Int64>(n), majorHigh - 1 - ax);
    if (first > last)
        return;
    std::uint64_t quotient = 0;
    std::uint64_t remainder = 0;
    if (n > 0) {
        std::uint64_t const product = static_cast<std::uint64_t>(first) * m;
        quotient = product / n;
        remainder = product % n;
    }
    for (Int64 i = first; i <= last; ++i) {
        std::uint64_t const offset = quotient + (2 * remainder >= n && n > 0 ? 1 : 0);
        Int64 const major = ax + i;
        Int64 const minor = ay + minorStep * static_cast<Int64>(offset);
        if (minor >= minorLow && minor < minorHigh) {
            Int64 const x = xMajor ? major : minor;
            Int64 const y = xMajor ? minor : major;
            m_target.Scanline(static_cast<int>(y))[x] = pixel;
        }
        remainder += m;
        if (remainder >= n && n > 0) {
            remainder -= n;
            ++quotient;
        }
    }
}

namespace {

// The rows of a circle that the clip leaves: its centre in device pixels and the first and last
// row offset from that centre.
struct CircleRows {
    Int64 cx;
    Int64 cy;
    Int64 first;
    Int64 last;
};

std::optional<CircleRows> VisibleCircleRows(Point centre, int radius, Point translation, Rect clip)
{
    if (radius < 0 || clip.IsEmpty())
        return std::nullopt;
    Int64 const cx = Int64 { centre.x } + translation.x;
    Int64 const cy = Int64 { centre.y } + translation.y;
    return CircleRows { cx, cy, std::max<Int64>(-radius, clip.y - cy),
        std::min<Int64>(radius, Int64 { clip.y } + clip.height - 1 - cy) };
}

}

void Painter::FillCircle(Point centre, int radius, Colour colour)
{
    auto const rows = VisibleCircleRows(centre, radius, m_translation, m_clip);
    if (!rows)
        return;
    Pixel const pixel = PixelFromColour(colour);
    for (Int64 dy = rows->first; dy <= rows->last; ++dy) {
        Int64 const half = DiscHalfWidth(radius, dy);
        FillRow(rows->cy + dy, rows->cx - half, rows->cx + half, pixel);
    }
}

void Painter::DrawCircle(Point centre, int radius, Colour colour)
{
    auto const rows = VisibleCircleRows(centre, radius, m_translation, m_clip);
    if (!rows)
        return;
    Pixel const pixel = PixelFromColour(colour);
    for (Int64 dy = rows->first; dy <= rows->last; ++dy) {
        Int64 const distance = std::abs(dy);
        Int64 const half = DiscHalfWidth(radius, distance);
        // A pixel is on the outline when its outer side neighbour or the neighbour in the next row
        // outwards is outside the disc; rows only get narrower outwards.
        Int64 const outerHalf = distance < radius ? DiscHalfWidth(radius, distance + 1) : -1;
        Int64 const inner = std::min(half, outerHalf + 1);
        FillRow(rows->cy + dy, rows->cx + inner, rows->cx + half, pixel);
        FillRow(rows->cy + dy, rows->cx - half, rows->cx - inner, pixel);
    }
}

std::optional<Painter::CopyArea> Painter::ClipCopy(Point dst, Image const& src, Rect srcRect) const
{
    Rect const source = srcRect.Intersected(src.Bounds());
    if (source.IsEmpty())
        return std::nullopt;
    Int64 const left = Int64 { dst.x } + m_translation.x + (Int64 { source.x } - srcRect.x);
    Int64 const top = Int64 { dst.y } + m_translation.y + (Int64 { source.y } - srcRect.y);
    Rect const visible = ClipDevice(left, top, left + source.width, top + source.height);
    if (visible.IsEmpty())
        return std::nullopt;
    return CopyArea { visible,
        { source.x + static_cast<int>(visible.x - left), source.y + static_cast<int>(visible.y - top) } };
}

void Painter::Blit(Point dst, Image const& src, Rect srcRect)
{
    auto const area = ClipCopy(dst, src, srcRect);
    if (!area)
        return;
    auto const bytes = static_cast<std::size_t>(area->dst.width) * sizeof(Pixel);
    // Copying within one image downwards must start at the bottom so no row is overwritten before
    // it is read; memmove takes care of overlap within a row.
    bool const bottomUp = &src == &m_target && area->dst.y > area->src.y;
    for (int i = 0; i < area->dst.height; ++i) {
        int const row = bottomUp ? area->dst.height - 1 - i : i;
        std::memmove(m_target.Scanline(area->dst.y + row) + area->dst.x, src.Scanline(area->src.y + row) + area->src.x,
            bytes);
    }
}

void Painter::BlendConstant(Point dst, Image const& src, Rect srcRect, std::uint8_t opacity)
{
    assert(&src != &m_target);
    auto const area = ClipCopy(dst, src, srcRect);
    if (!area)
        return;
    for (int row = 0; row < area->dst.height; ++row) {
        Pixel* out = m_target.Scanline(area->dst.y + row) + area->dst.x;
        Pixel const* in = src.Scanline(area->src.y + row) + area->src.x;
        for (int i = 0; i < area->dst.width; ++i)
            out[i] = Mix(in[i] | 0xFF000000u, out[i] | 0xFF000000u, opacity);
    }
}

void Painter::BlendAlpha(Point dst, Image const& src, Rect srcRect)
{
    assert(&src != &m_target);
    auto const area = ClipCopy(dst, src, srcRect);
    if (!area)
        return;
    for (int row = 0; row < area->dst.height; ++row) {
        Pixel* out = m_target.Scanline(area->dst.y + row) + area->dst.x;
        Pixel const* in = src.Scanline(area->src.y + row) + area->src.x;
        for (int i = 0; i < area->dst.width; ++i)
            out[i] = BlendOver(in[i], out[i]);
    }
}

std::optional<Painter::StretchArea> Painter::ClipStretch(Rect dst, Image const& src, Rect srcRect) const
{
    if (dst.IsEmpty() || srcRect.IsEmpty() || src.IsEmpty())
        return std::nullopt;
    Int64 const left = Int64 { dst.x } + m_translation.x;
    Int64 const top = Int64 { dst.y } + m_translation.y;
    Rect visible = ClipDevice(left, top, left + dst.width, top + dst.height);
    if (visible.IsEmpty())
        return std::nullopt;

    // The source of a destination pixel grows with its position, so the pixels whose source lies
    // inside src form one run in each direction: trim both ends.
    auto const sourceColumn = [&](Int64 x) { return srcRect.x + (x - left) * srcRect.width / dst.width; };
    auto const sourceRow = [&](Int64 y) { return srcRect.y + (y - top) * srcRect.height / dst.height; };
    Int64 firstX = visible.x;
    Int64 endX = Int64 { visible.x } + visible.width;
    while (firstX < endX && sourceColumn(firstX) < 0)
        ++firstX;
    while (endX > firstX && sourceColumn(endX - 1) >= src.Width())
        --endX;
    Int64 firstY = visible.y;
    Int64 endY = Int64 { visible.y } + visible.height;
    while (firstY < endY && sourceRow(firstY) < 0)
        ++firstY;
    while (endY > firstY && sourceRow(endY - 1) >= src.Height())
        --endY;
    if (firstX >= endX || firstY >= endY)
        return std::nullopt;
    visible = { static_cast<int>(firstX), static_cast<int>(firstY), static_cast<int>(endX - firstX),
        static_cast<int>(endY - firstY) };

    StretchArea area { visible, {}, top, dst.height, srcRect };
    area.columns.resize(static_cast<std::size_t>(visible.width));
    for (int i = 0; i < visible.width; ++i)
        area.columns[static_cast<std::size_t>(i)] = static_cast<int>(sourceColumn(Int64 { visible.x } + i));
    return area;
}

void Painter::StretchBlit(Rect dst, Image const& src, Rect srcRect)
{
    assert(&src != &m_target);
    auto const area = ClipStretch(dst, src, srcRect);
    if (!area)
        return;
    auto const bytes = static_cast<std::size_t>(area->dst.width) * sizeof(Pixel);
    int previousSourceRow = -1;
    for (int y = area->dst.y; y < area->dst.y + area->dst.height; ++y) {
        Pixel* out = m_target.Scanline(y) + area->dst.x;
        int const sourceRow = area->SourceRow(y);
        // When magnifying, consecutive rows come from the same source row: copy the row just made.
        if (sourceRow == previousSourceRow) {
            std::memcpy(out, m_target.Scanline(y - 1) + area->dst.x, bytes);
            continue;
        }
        Pixel const* in = src.Scanline(sourceRow);
        for (std::size_t i = 0; i < area->columns.size(); ++i)
            out[i] = in[area->columns[i]];
        previousSourceRow = sourceRow;
    }
}

void Painter::StretchBlendAlpha(Rect dst, Image const& src, Rect srcRect)
{
    assert(&src != &m_target);
    auto const area = ClipStretch(dst, src, srcRect);
    if (!area)
        return;
    for (int y = area->dst.y; y < area->dst.y + area->dst.height; ++y) {
        Pixel* out = m_target.Scanline(y) + area->dst.x;
        Pixel const* in = src.Scanline(area->SourceRow(y));
        for (std::size_t i = 0; i < area->columns.size(); ++i)
            out[i] = BlendOver(in[area->columns[i]], out[i]);
    }
}

}
