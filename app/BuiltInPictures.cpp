#include "app/BuiltInPictures.h"

#include "gfx/Painter.h"

#include <algorithm>
#include <cmath>

namespace app {

namespace {

constexpr Colour Accent = MakeColour(45, 127, 249);
constexpr Colour Panel = MakeColour(250, 250, 251);
constexpr Colour Line = MakeColour(218, 220, 224);
constexpr Colour Ink = MakeColour(60, 64, 67);
constexpr int CornerRadius = 8;

int Pixels(double units, double scale) { return std::max(1, static_cast<int>(std::lround(units * scale))); }

// A thin outline just inside the picture, a unit wide.
void Outline(gfx::Image& image, Colour colour, double scale)
{
    gfx::Painter painter(image);
    gfx::Rect ring = image.Bounds();
    for (int i = 0; i < Pixels(1, scale); ++i) {
        painter.DrawRect(ring, colour);
        ring = { ring.x + 1, ring.y + 1, ring.width - 2, ring.height - 2 };
    }
}

gfx::Image Filled(gfx::Size size, Colour fill)
{
    auto image = gfx::Image::Create(std::max(1, size.width), std::max(1, size.height), gfx::PixelFromColour(fill));
    return image ? std::move(*image) : gfx::Image();
}

// Clears the corners outside a quarter circle to full transparency, so that the window's outline
// is round wherever the background or the bottom strip reaches it.
void CutCorners(gfx::Image& image, bool top, double scale)
{
    int const w = image.Width();
    int const h = image.Height();
    int const radius = Pixels(CornerRadius, scale);
    for (int y = 0; y < radius && y < h; ++y) {
        for (int x = 0; x < radius && x < w; ++x) {
            int const dx = radius - x - 1;
            int const dy = radius - y - 1;
            if (dx * dx + dy * dy <= radius * radius)
                continue;
            if (top) {
                image.SetPixel(x, y, 0);
                image.SetPixel(w - 1 - x, y, 0);
            }
            image.SetPixel(x, h - 1 - y, 0);
            image.SetPixel(w - 1 - x, h - 1 - y, 0);
        }
    }
}

// A caption centred on the whole picture.
void Caption(gfx::Image& image, std::string_view caption, Colour ink, platform::TextRenderer& text, double scale)
{
    platform::Font font;
    font.dpi = static_cast<int>(std::lround(platform::DefaultDpi * scale));
    gfx::Size const measured = text.MeasureText(caption, font);
    gfx::Rect const box { 0, (image.Height() - measured.height) / 2, image.Width(), measured.height };
    text.DrawText(image, box, image.Bounds(), caption, { font, ink, platform::TextAlign::Centre, false });
}

std::string_view CaptionOf(ButtonGlyph glyph)
{
    switch (glyph) {
    case ButtonGlyph::Minimise:
        return "－";
    case ButtonGlyph::Close:
        return "×";
    case ButtonGlyph::Pick:
        return "取";
    case ButtonGlyph::Capture:
        return "截";
    case ButtonGlyph::Save:
        return "保存";
    }
    return "";
}

}

gfx::Image BuiltInBackground(gfx::Size size, int titleBandHeight, double scale)
{
    gfx::Image image = Filled(size, Panel);
    gfx::Painter(image).FillRect(
        { 0, 0, image.Width(), static_cast<int>(std::lround(titleBandHeight * scale)) }, Accent);
    Outline(image, Line, scale);
    CutCorners(image, true, scale);
    return image;
}

gfx::Image BuiltInButton(gfx::Size size, ButtonGlyph glyph, platform::TextRenderer& text, double scale)
{
    gfx::Image image = Filled(size, Accent);
    Caption(image, CaptionOf(glyph), 0xFFFFFF, text, scale);
    return image;
}

gfx::Image BuiltInTab(
    gfx::Size size, std::string_view caption, TabLook look, platform::TextRenderer& text, double scale)
{
    Colour fill = MakeColour(236, 238, 241);
    Colour ink = Ink;
    if (look == TabLook::Hover) {
        fill = 0xFFFFFF;
        ink = Accent;
    } else if (look == TabLook::Selected) {
        fill = Accent;
        ink = 0xFFFFFF;
    }
    gfx::Image image = Filled(size, fill);
    Caption(image, caption, ink, text, scale);
    return image;
}

gfx::Image BuiltInFrame(gfx::Size size, double scale)
{
    gfx::Image image = Filled(size, 0xFFFFFF);
    Outline(image, Line, scale);
    return image;
}

gfx::Image BuiltInSeparator(gfx::Size size) { return Filled(size, Line); }

gfx::Image BuiltInBottomStrip(gfx::Size size, double scale)
{
    gfx::Image image = Filled(size, MakeColour(241, 243, 244));
    gfx::Painter(image).FillRect({ 0, 0, image.Width(), Pixels(1, scale) }, Line);
    CutCorners(image, false, scale);
    return image;
}

gfx::Image BuiltInHuePointer(gfx::Size size) { return Filled(size, Ink); }

}
