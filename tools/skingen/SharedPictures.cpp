#include "tools/skingen/SharedPictures.h"

#include "choosers/ColourChart.h"
#include "colour/Hsv.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/Shapes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace skingen {

using namespace palette;

namespace {

// The program's keyboard mark moves over these very cells: a hue column for each but the grey
// last one, a colour row for each but the grey ramp at the bottom.
constexpr int ChartHueColumns = colour::ChartColumns - 1;
constexpr int ChartColourRows = colour::ChartRows - 1;

gfx::Image Blank(gfx::Size size, gfx::Pixel fill)
{
    auto image = gfx::Image::Create(size.width, size.height, fill);
    return image ? std::move(*image) : gfx::Image();
}

gfx::Pixel Hsv(double hue, int saturation, int value)
{
    auto const h = static_cast<std::int16_t>(std::lround(hue) % 360);
    return Opaque(GG::HsvToColour(h, static_cast<std::int16_t>(saturation), static_cast<std::int16_t>(value)));
}

// Pale tints at the top, the pure colour in the middle row, shades below it.
gfx::Pixel ChartCell(int column, int row)
{
    if (row == ChartColourRows) {
        int const grey = static_cast<int>(std::lround(255.0 * (ChartHueColumns - column) / ChartHueColumns));
        return gfx::MakePixel(grey, grey, grey);
    }
    int const middle = ChartColourRows / 2;
    if (column == ChartHueColumns) {
        int const grey = static_cast<int>(std::lround(250.0 - 220.0 * row / (ChartColourRows - 1)));
        return gfx::MakePixel(grey, grey, grey);
    }
    double const hue = 360.0 * column / ChartHueColumns;
    if (row < middle)
        return Hsv(hue, 20 + 80 * row / middle, 100);
    return Hsv(hue, 100, 100 - 70 * (row - middle) / (ChartColourRows - 1 - middle));
}

void DrawColourWheel(gfx::Image& image, Vec centre, double outer, double inner)
{
    Paint const hues = [centre](double x, double y) {
        double const angle = std::atan2(centre.y - y, x - centre.x) * 180 / std::numbers::pi;
        return Hsv(angle < 0 ? angle + 360 : angle, 82, 100);
    };
    Shadow(image, Circle(centre.x, centre.y + 2, outer), WithAlpha(gfx::MakePixel(10, 30, 90), 80), 5);
    Fill(image, Circle(centre.x, centre.y, outer + 2), White);
    Fill(image, Subtract(Circle(centre.x, centre.y, outer), Circle(centre.x, centre.y, inner)), hues);
}

}

gfx::Image Logo(gfx::Size shownAt)
{
    double const w = shownAt.width;
    double const h = shownAt.height;
    gfx::Image image = Blank(shownAt, 0);
    Fill(image, RoundedRect(0, 0, w, h, 0), [w, h](double x, double y) {
        double const t = std::clamp((x / w) * 0.8 + (y / h) * 0.2, 0.0, 1.0);
        return Mix(gfx::MakePixel(40, 118, 246), gfx::MakePixel(120, 86, 236), t);
    });
    // Soft light falling in from the upper right.
    Shadow(image, Circle(w * 0.82, -h * 0.3, h * 0.55), WithAlpha(White, 46), h * 0.6);
    Shadow(image, Circle(w * 0.05, h * 1.25, h * 0.35), WithAlpha(White, 30), h * 0.5);

    double const wheelRadius = h * 0.36;
    Vec const wheel { h * 0.62, h * 0.5 };
    DrawColourWheel(image, wheel, wheelRadius, wheelRadius * 0.5);
    Shape const dropper = Eyedropper({ wheel.x + 1, wheel.y - 1 }, h / 30);
    Shadow(image, Moved(dropper, 1, 2), WithAlpha(gfx::MakePixel(10, 30, 90), 60), 3);
    Fill(image, dropper, gfx::MakePixel(36, 46, 74));

    // A row of picked colours, as swatches pinned to the banner.
    static constexpr std::array<gfx::Pixel, 6> picked { gfx::MakePixel(244, 84, 84), gfx::MakePixel(250, 162, 58),
        gfx::MakePixel(250, 214, 72), gfx::MakePixel(72, 200, 120), gfx::MakePixel(58, 196, 230),
        gfx::MakePixel(238, 108, 188) };
    double const side = h * 0.36;
    double const left = wheel.x + wheelRadius + h * 0.45;
    double const pitch = (w - left - h * 0.2 - side) / (picked.size() - 1);
    double const top = (h - side) / 2;
    for (std::size_t i = 0; i < picked.size(); ++i) {
        double const x = left + pitch * static_cast<double>(i);
        Shape const tile = RoundedRect(x, top, side, side, side * 0.22);
        Shadow(image, Moved(tile, 0, 2), WithAlpha(gfx::MakePixel(10, 30, 90), 70), 4);
        Fill(image, RoundedRect(x - 2, top - 2, side + 4, side + 4, side * 0.22 + 2), White);
        Fill(image, tile, VerticalGradient(top, Mix(picked[i], White, 0.12), top + side, picked[i]));
    }
    return Shrink(image, LogoSize);
}

gfx::Image ColourChart()
{
    gfx::Image image = Blank(ChartSize, White);
    int const columns = ChartHueColumns + 1;
    int const rows = ChartColourRows + 1;
    for (int y = 0; y < ChartSize.height; ++y) {
        // Equal cells, the remainder given to the last ones.
        int const row = std::min(rows - 1, y * rows / ChartSize.height);
        for (int x = 0; x < ChartSize.width; ++x) {
            int const column = std::min(columns - 1, x * columns / ChartSize.width);
            image.SetPixel(x, y, ChartCell(column, row));
        }
    }
    return image;
}

gfx::Image Shrink(gfx::Image const& source, gfx::Size size)
{
    gfx::Image out = Blank(size, 0);
    double const sx = static_cast<double>(source.Width()) / size.width;
    double const sy = static_cast<double>(source.Height()) / size.height;
    for (int y = 0; y < size.height; ++y) {
        double const top = y * sy;
        double const bottom = (y + 1) * sy;
        for (int x = 0; x < size.width; ++x) {
            double const left = x * sx;
            double const right = (x + 1) * sx;
            std::array<double, 4> sum {};
            double total = 0;
            for (int v = static_cast<int>(top); v < bottom && v < source.Height(); ++v) {
                double const wy = std::min(bottom, v + 1.0) - std::max(top, static_cast<double>(v));
                for (int u = static_cast<int>(left); u < right && u < source.Width(); ++u) {
                    double const weight = wy * (std::min(right, u + 1.0) - std::max(left, static_cast<double>(u)));
                    gfx::Pixel const p = *source.PixelAt(u, v);
                    for (int c = 0; c < 4; ++c)
                        sum[static_cast<std::size_t>(c)] += weight * ((p >> (8 * c)) & 0xFF);
                    total += weight;
                }
            }
            auto channel
                = [&](int c) { return static_cast<int>(std::lround(sum[static_cast<std::size_t>(c)] / total)); };
            out.SetPixel(x, y, gfx::MakePixel(channel(2), channel(1), channel(0), channel(3)));
        }
    }
    return out;
}

}
