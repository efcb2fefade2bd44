#include "tools/skingen/ChromeArt.h"

#include "tools/skingen/Glyphs.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/Shapes.h"

#include <algorithm>
#include <cmath>

namespace skingen {

using namespace palette;

namespace {

constexpr int WindowCornerRadius = 8;

gfx::Image Blank(gfx::Size size, gfx::Pixel fill = 0)
{
    auto image = gfx::Image::Create(size.width, size.height, fill);
    return image ? std::move(*image) : gfx::Image();
}

// Whether the pixel's centre lies inside the window's rounded outline: a hard edge, see
// WindowBackground.
bool InsideWindow(gfx::Size window, int x, int y)
{
    if (x < 0 || y < 0 || x >= window.width || y >= window.height)
        return false;
    double const r = WindowCornerRadius;
    double const cx = std::clamp(x + 0.5, r, window.width - r);
    double const cy = std::clamp(y + 0.5, r, window.height - r);
    double const dx = x + 0.5 - cx;
    double const dy = y + 0.5 - cy;
    return dx * dx + dy * dy <= r * r;
}

// Cuts a picture that covers the window from (0, offsetY) down to the window's outline and draws
// the outline's one-pixel border, darker over the title band.
void CutToWindow(gfx::Image& image, gfx::Size window, int offsetY, int titleBand)
{
    for (int y = 0; y < image.Height(); ++y) {
        int const wy = y + offsetY;
        for (int x = 0; x < image.Width(); ++x) {
            if (!InsideWindow(window, x, wy)) {
                image.SetPixel(x, y, SeeThrough);
                continue;
            }
            bool const edge = !InsideWindow(window, x - 1, wy) || !InsideWindow(window, x + 1, wy)
                || !InsideWindow(window, x, wy - 1) || !InsideWindow(window, x, wy + 1);
            if (edge)
                image.SetPixel(x, y, wy < titleBand ? AccentDark : gfx::MakePixel(200, 204, 210));
        }
    }
}

gfx::Pixel Lighter(gfx::Pixel pixel, double amount)
{
    return Mix(pixel, WithAlpha(White, gfx::AlphaOfPixel(pixel)), amount);
}
gfx::Pixel Darker(gfx::Pixel pixel, double amount)
{
    return Mix(pixel, WithAlpha(Black, gfx::AlphaOfPixel(pixel)), amount);
}

// The accent body of the round and caption buttons: lighter under the pointer, darker pressed.
Paint AccentBody(double top, double bottom, ButtonState state)
{
    gfx::Pixel upper = AccentLight;
    gfx::Pixel lower = AccentDark;
    if (state == ButtonState::Hover) {
        upper = Lighter(upper, 0.14);
        lower = Lighter(lower, 0.14);
    } else if (state == ButtonState::Pressed) {
        upper = Darker(upper, 0.14);
        lower = Darker(lower, 0.10);
    }
    return VerticalGradient(top, upper, bottom, lower);
}

// A thin light rim along the upper half of a body, as if lit from above; none when pressed.
void TopRim(gfx::Image& image, Shape const& body, double top, double bottom, ButtonState state)
{
    if (state == ButtonState::Pressed)
        return;
    Fill(image, Outline(body, 1.0),
        VerticalGradient(top, WithAlpha(White, 90), (top + bottom) / 2, WithAlpha(White, 0)));
}

void DrawCropMarks(gfx::Image& image, double cx, double cy, gfx::Pixel ink)
{
    double const half = 7.0;
    double const arm = 4.0;
    double const width = 1.6;
    for (int sx : { -1, 1 }) {
        for (int sy : { -1, 1 }) {
            Vec const corner { cx + sx * half, cy + sy * half };
            Fill(image, Segment(corner, { corner.x - sx * arm, corner.y }, width), ink);
            Fill(image, Segment(corner, { corner.x, corner.y - sy * arm }, width), ink);
        }
    }
    Fill(image, Circle(cx, cy, 1.6), ink);
}

}

gfx::Image WindowBackground(WindowFrame const& frame)
{
    gfx::Image image = Blank(frame.window);
    double const w = frame.window.width;
    double const h = frame.window.height;
    double const band = frame.titleBand;
    Fill(image, RoundedRect(0, 0, w, h, 0),
        VerticalGradient(band, gfx::MakePixel(251, 251, 252), h, gfx::MakePixel(245, 246, 248)));
    // The title band's shadow falls on the panel just below it.
    Shadow(image, RoundedRect(-10, -10, w + 20, band + 10, 0), WithAlpha(Black, 34), 5);
    Fill(image, RoundedRect(0, 0, w, band, 0),
        VerticalGradient(0, gfx::MakePixel(64, 144, 252), band, gfx::MakePixel(36, 115, 242)));
    Fill(image, RoundedRect(0, band - 1, w, 1, 0), WithAlpha(White, 40));
    for (gfx::Rect const& box : frame.raised) {
        Shape const outline = RoundedRect(box.x, box.y + 1, box.width, box.height, 3);
        Shadow(image, outline, WithAlpha(Black, 26), 3.5);
    }
    gfx::Rect const tabs = frame.tabs;
    Fill(image, RoundedRect(tabs.x, tabs.Bottom() + 1, tabs.width, 1, 0), Line);
    CutToWindow(image, frame.window, 0, frame.titleBand);
    return image;
}

gfx::Image BottomStrip(gfx::Size window, gfx::Rect strip)
{
    gfx::Image image = Blank(strip.Size());
    double const w = strip.width;
    double const h = strip.height;
    Fill(image, RoundedRect(0, 0, w, h, 0),
        VerticalGradient(0, gfx::MakePixel(244, 245, 247), h, gfx::MakePixel(236, 238, 241)));
    Fill(image, RoundedRect(0, 0, w, 1, 0), Line);
    Fill(image, RoundedRect(0, 1, w, 1, 0), WithAlpha(White, 160));
    CutToWindow(image, window, strip.y, 0);
    return image;
}

gfx::Image TitleButton(gfx::Size size, TitleGlyph glyph, ButtonState state)
{
    gfx::Image image = Blank(size);
    double const w = size.width;
    double const h = size.height;
    Shape const body = RoundedRect(1, 1, w - 2, h - 2, 4);
    bool const close = glyph == TitleGlyph::Close;
    if (state == ButtonState::Hover)
        Fill(image, body, close ? gfx::MakePixel(236, 76, 76) : WithAlpha(White, 48));
    else if (state == ButtonState::Pressed)
        Fill(image, body, close ? gfx::MakePixel(200, 48, 48) : WithAlpha(Black, 40));
    double const cx = w / 2;
    double const cy = h / 2;
    if (close) {
        Fill(image, Segment({ cx - 4.5, cy - 4.5 }, { cx + 4.5, cy + 4.5 }, 1.5), White);
        Fill(image, Segment({ cx - 4.5, cy + 4.5 }, { cx + 4.5, cy - 4.5 }, 1.5), White);
    } else {
        Fill(image, RoundedRect(cx - 5.5, cy + 2.5, 11, 1.5, 0.5), White);
    }
    return image;
}

gfx::Image RoundButton(gfx::Size size, RoundGlyph glyph, ButtonState state)
{
    gfx::Image image = Blank(size);
    double const w = size.width;
    double const h = size.height;
    double const radius = std::min(w, h) / 2 - 2;
    double const cx = w / 2;
    double const cy = h / 2 - 0.5;
    Shape const body = Circle(cx, cy, radius);
    if (state != ButtonState::Pressed)
        Shadow(image, Moved(body, 0, 1), WithAlpha(gfx::MakePixel(20, 60, 140), 45), 1.5);
    Fill(image, body, AccentBody(cy - radius, cy + radius, state));
    TopRim(image, body, cy - radius, cy + radius, state);
    double const shift = state == ButtonState::Pressed ? 0.5 : 0;
    if (glyph == RoundGlyph::Pick)
        Fill(image, Eyedropper({ cx, cy + shift }, 1.0), White);
    else
        DrawCropMarks(image, cx, cy + shift, White);
    return image;
}

gfx::Image CaptionButton(gfx::Size size, std::string_view caption, ButtonState state)
{
    gfx::Image image = Blank(size);
    double const w = size.width;
    double const h = size.height;
    Shape const body = RoundedRect(1, 1, w - 2, h - 3, 5);
    if (state != ButtonState::Pressed)
        Shadow(image, Moved(body, 0, 1), WithAlpha(gfx::MakePixel(20, 60, 140), 60), 2.0);
    Fill(image, body, AccentBody(1, h - 2, state));
    TopRim(image, body, 1, h - 2, state);
    int const shift = state == ButtonState::Pressed ? 1 : 0;
    DrawCaption(image, { 1, 1 + shift, size.width - 2, size.height - 3 }, caption, White);
    return image;
}

gfx::Image Tab(gfx::Size size, std::string_view caption, TabState state)
{
    gfx::Image image = Blank(size);
    double const w = size.width;
    double const h = size.height;
    Shape const body = RoundedRect(0, 0, w, h, 5);
    gfx::Pixel ink = Ink;
    switch (state) {
    case TabState::Normal:
        Fill(image, body, VerticalGradient(0, gfx::MakePixel(240, 242, 245), h, gfx::MakePixel(233, 235, 239)));
        Fill(image, Outline(body, 1), gfx::MakePixel(222, 225, 230));
        ink = gfx::MakePixel(84, 90, 98);
        break;
    case TabState::Hover:
        Fill(image, body, VerticalGradient(0, gfx::MakePixel(252, 253, 255), h, gfx::MakePixel(243, 246, 251)));
        Fill(image, Outline(body, 1), gfx::MakePixel(190, 212, 246));
        ink = AccentDark;
        break;
    case TabState::Selected:
        Fill(image, body, VerticalGradient(0, AccentLight, h, AccentDark));
        Fill(image, Outline(body, 1), VerticalGradient(0, WithAlpha(White, 70), h / 2, WithAlpha(White, 0)));
        ink = White;
        break;
    }
    DrawCaption(image, image.Bounds(), caption, ink);
    return image;
}

gfx::Image InputFrame(gfx::Size size)
{
    gfx::Image image = Blank(size);
    double const w = size.width;
    double const h = size.height;
    Shape const body = RoundedRect(0, 0, w, h, 3);
    Fill(image, body, White);
    // A faint inner shadow under the top edge makes the field read as sunk into the panel.
    Fill(image, RoundedRect(1, 1, w - 2, 2, 0), VerticalGradient(1, WithAlpha(Black, 14), 3, WithAlpha(Black, 0)));
    Fill(image, Outline(body, 1), gfx::MakePixel(206, 210, 216));
    return image;
}

gfx::Image Separator(gfx::Size size)
{
    gfx::Image image = Blank(size);
    double const fade = std::min(48.0, size.width / 3.0);
    for (int x = 0; x < size.width; ++x) {
        double const fromEdge = std::min(x + 0.5, size.width - x - 0.5);
        double const strength = std::min(1.0, fromEdge / fade);
        int const alpha = static_cast<int>(std::lround(255 * strength * strength * (3 - 2 * strength)));
        for (int y = 0; y < size.height; ++y)
            image.SetPixel(x, y, WithAlpha(Line, alpha));
    }
    return image;
}

gfx::Image HuePointer(gfx::Size size)
{
    gfx::Image image = Blank(size);
    double const w = size.width;
    double const h = size.height;
    Fill(image, ConvexPolygon({ { 0.3, h / 2 }, { w, 0.3 }, { w, h - 0.3 } }), Ink);
    return image;
}

gfx::Image EmptySwatch(gfx::Size size, bool withPlus)
{
    gfx::Pixel const paper = gfx::MakePixel(243, 244, 246);
    gfx::Pixel const dash = gfx::MakePixel(196, 201, 208);
    gfx::Image image = Blank(size, paper);
    int const w = size.width;
    int const h = size.height;
    // Dashes of three pixels with gaps of two, counted around the edge so the corners stay dashed.
    int const perimeter = 2 * (w + h) - 4;
    for (int step = 0; step < perimeter; ++step) {
        if (step % 5 >= 3)
            continue;
        gfx::Point at;
        if (step < w)
            at = { step, 0 };
        else if (step < w + h - 1)
            at = { w - 1, step - w + 1 };
        else if (step < 2 * w + h - 2)
            at = { w - 1 - (step - (w + h - 2)), h - 1 };
        else
            at = { 0, h - 1 - (step - (2 * w + h - 3)) };
        image.SetPixel(at.x, at.y, dash);
    }
    if (withPlus) {
        double const cx = w / 2.0;
        double const cy = h / 2.0;
        gfx::Pixel const faint = gfx::MakePixel(208, 212, 218);
        Fill(image, RoundedRect(cx - 4, cy - 0.75, 8, 1.5, 0.5), faint);
        Fill(image, RoundedRect(cx - 0.75, cy - 4, 1.5, 8, 0.5), faint);
    }
    return image;
}

}
