#include "tools/skingen/Shapes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace skingen {

namespace {

constexpr int SamplesPerSide = 4;

double Length(double x, double y) { return std::sqrt(x * x + y * y); }

int Channel(gfx::Pixel pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

int Round(double value) { return static_cast<int>(std::lround(value)); }

}

Shape RoundedRect(double left, double top, double width, double height, double radius)
{
    double const cx = left + width / 2;
    double const cy = top + height / 2;
    double const hx = width / 2 - radius;
    double const hy = height / 2 - radius;
    return [=](double x, double y) {
        double const qx = std::abs(x - cx) - hx;
        double const qy = std::abs(y - cy) - hy;
        return Length(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - radius;
    };
}

Shape Circle(double cx, double cy, double radius)
{
    return [=](double x, double y) { return Length(x - cx, y - cy) - radius; };
}

Shape Segment(Vec a, Vec b, double width)
{
    return [=](double x, double y) {
        double const dx = b.x - a.x;
        double const dy = b.y - a.y;
        double const lengthSquared = dx * dx + dy * dy;
        double t = lengthSquared > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / lengthSquared : 0;
        t = std::clamp(t, 0.0, 1.0);
        return Length(x - (a.x + t * dx), y - (a.y + t * dy)) - width / 2;
    };
}

Shape ConvexPolygon(std::initializer_list<Vec> corners)
{
    std::vector<Vec> points(corners);
    // Orientation decides which side of each edge is inside.
    double area = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        Vec const p = points[i];
        Vec const q = points[(i + 1) % points.size()];
        area += p.x * q.y - q.x * p.y;
    }
    double const sign = area < 0 ? -1.0 : 1.0;
    return [points, sign](double x, double y) {
        // The largest signed distance to an edge line is exact inside and close enough outside
        // for the one-pixel fringe that antialiasing looks at.
        double distance = -1e9;
        for (std::size_t i = 0; i < points.size(); ++i) {
            Vec const p = points[i];
            Vec const q = points[(i + 1) % points.size()];
            double const ex = q.x - p.x;
            double const ey = q.y - p.y;
            double const edge = Length(ex, ey);
            distance = std::max(distance, sign * ((x - p.x) * ey - (y - p.y) * ex) / edge);
        }
        return distance;
    };
}

Shape Union(Shape a, Shape b)
{
    return [a = std::move(a), b = std::move(b)](double x, double y) { return std::min(a(x, y), b(x, y)); };
}

Shape Subtract(Shape from, Shape cut)
{
    return
        [from = std::move(from), cut = std::move(cut)](double x, double y) { return std::max(from(x, y), -cut(x, y)); };
}

Shape Outline(Shape shape, double width)
{
    return [shape = std::move(shape), width](double x, double y) {
        double const d = shape(x, y);
        return std::max(d, -d - width);
    };
}

Shape Moved(Shape shape, double dx, double dy)
{
    return [shape = std::move(shape), dx, dy](double x, double y) { return shape(x - dx, y - dy); };
}

Shape Eyedropper(Vec centre, double scale)
{
    auto at = [&](double dx, double dy) { return Vec { centre.x + dx * scale, centre.y + dy * scale }; };
    Shape const bulb = Circle(centre.x + 5.2 * scale, centre.y - 5.2 * scale, 3.1 * scale);
    Shape const collar = Segment(at(0.6, -3.8), at(3.8, -0.6), 2.0 * scale);
    Shape const tube = Segment(at(-5.0, 5.0), at(1.8, -1.8), 3.0 * scale);
    Shape const tip = Segment(at(-7.0, 7.0), at(-5.0, 5.0), 1.3 * scale);
    return Union(Union(bulb, collar), Union(tube, tip));
}

gfx::Pixel Over(gfx::Pixel dst, gfx::Pixel src)
{
    int const sa = gfx::AlphaOfPixel(src);
    int const da = gfx::AlphaOfPixel(dst);
    if (sa == 255 || da == 0)
        return src;
    if (sa == 0)
        return dst;
    // Straight alpha: the colours are weighted by their share of the result's coverage.
    double const srcShare = sa / 255.0;
    double const dstShare = da / 255.0 * (1 - srcShare);
    double const alpha = srcShare + dstShare;
    auto mix
        = [&](int shift) { return Round((Channel(src, shift) * srcShare + Channel(dst, shift) * dstShare) / alpha); };
    return gfx::MakePixel(mix(16), mix(8), mix(0), Round(alpha * 255));
}

gfx::Pixel Mix(gfx::Pixel a, gfx::Pixel b, double t)
{
    auto mix = [&](int shift) { return Round(Channel(a, shift) + (Channel(b, shift) - Channel(a, shift)) * t); };
    return gfx::MakePixel(mix(16), mix(8), mix(0), mix(24));
}

gfx::Pixel WithAlpha(gfx::Pixel pixel, int alpha) { return (pixel & 0x00FFFFFF) | (gfx::Pixel(alpha & 0xFF) << 24); }

gfx::Pixel Opaque(Colour colour) { return gfx::PixelFromColour(colour); }

void Fill(gfx::Image& image, Shape const& shape, Paint const& paint)
{
    for (int y = 0; y < image.Height(); ++y) {
        gfx::Pixel* row = image.Scanline(y);
        for (int x = 0; x < image.Width(); ++x) {
            double const cx = x + 0.5;
            double const cy = y + 0.5;
            // Far from the edge the centre decides alone; near it the samples count.
            double const centre = shape(cx, cy);
            int covered = 0;
            if (centre <= -1)
                covered = SamplesPerSide * SamplesPerSide;
            else if (centre < 1) {
                for (int sy = 0; sy < SamplesPerSide; ++sy)
                    for (int sx = 0; sx < SamplesPerSide; ++sx)
                        if (shape(x + (sx + 0.5) / SamplesPerSide, y + (sy + 0.5) / SamplesPerSide) < 0)
                            ++covered;
            }
            if (covered == 0)
                continue;
            gfx::Pixel const colour = paint(cx, cy);
            int const alpha = gfx::AlphaOfPixel(colour) * covered / (SamplesPerSide * SamplesPerSide);
            row[x] = Over(row[x], WithAlpha(colour, alpha));
        }
    }
}

void Fill(gfx::Image& image, Shape const& shape, gfx::Pixel colour)
{
    Fill(image, shape, [colour](double, double) { return colour; });
}

void Shadow(gfx::Image& image, Shape const& shape, gfx::Pixel colour, double blur)
{
    int const strength = gfx::AlphaOfPixel(colour);
    for (int y = 0; y < image.Height(); ++y) {
        gfx::Pixel* row = image.Scanline(y);
        for (int x = 0; x < image.Width(); ++x) {
            double const d = shape(x + 0.5, y + 0.5);
            if (d >= blur)
                continue;
            double const t = d <= 0 ? 1.0 : 1 - d / blur;
            // Smoothstep, so the shadow has no visible outer edge.
            double const weight = t * t * (3 - 2 * t);
            row[x] = Over(row[x], WithAlpha(colour, Round(strength * weight)));
        }
    }
}

Paint VerticalGradient(double top, gfx::Pixel topColour, double bottom, gfx::Pixel bottomColour)
{
    return [=](double, double y) {
        return Mix(topColour, bottomColour, std::clamp((y - top) / (bottom - top), 0.0, 1.0));
    };
}

}
