#include "app/BuiltInPictures.h"

#include "gfx/Painter.h"

#include <algorithm>

namespace app {

namespace {

constexpr Colour Accent = MakeColour(45, 127, 249);
constexpr Colour Panel = MakeColour(250, 250, 251);
constexpr Colour Line = MakeColour(218, 220, 224);
constexpr Colour Ink = MakeColour(60, 64, 67);
constexpr int CornerRadius = 8;

gfx::Image Filled(gfx::Size size, Colour fill)
{
    auto image = gfx::Image::Create(std::max(1, size.width), std::max(1, size.height), gfx::PixelFromColour(fill));
    return image ? std::move(*image) : gfx::Image();
}

// Clears the corners outside a quarter circle to full transparency, so that the window's outline
// is round wherever the background or the bottom strip reaches it.
void CutCorners(gfx::Image& image, bool top)
{
    int const w = image.Width();
    int const h = image.Height();
    for (int y = 0; y < CornerRadius && y < h; ++y) {
        for (int x = 0; x < CornerRadius && x < w; ++x) {
            int const dx = CornerRadius - x - 1;
            int const dy = CornerRadius - y - 1;
            if (dx * dx + dy * dy <= CornerRadius * CornerRadius)
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
void Caption(gfx::Image& image, std::string_view caption, Colour ink, platform::TextRenderer& text)
{
    gfx::Size const measured = text.MeasureText(caption, {});
    gfx::Rect const box { 0, (image.Height() - measured.height) / 2, image.Width(), measured.height };
    text.DrawText(image, box, image.Bounds(), caption, { {}, ink, platform::TextAlign::Centre, false });
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

gfx::Image BuiltInBackground(gfx::Size size, int titleBandHeight)
{
    gfx::Image image = Filled(size, Panel);
    gfx::Painter painter(image);
    painter.FillRect({ 0, 0, image.Width(), titleBandHeight }, Accent);
    painter.DrawRect(image.Bounds(), Line);
    CutCorners(image, true);
    return image;
}

gfx::Image BuiltInButton(gfx::Size size, ButtonGlyph glyph, platform::TextRenderer& text)
{
    gfx::Image image = Filled(size, Accent);
    Caption(image, CaptionOf(glyph), 0xFFFFFF, text);
    return image;
}

gfx::Image BuiltInTab(gfx::Size size, std::string_view caption, TabLook look, platform::TextRenderer& text)
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
    Caption(image, caption, ink, text);
    return image;
}

gfx::Image BuiltInFrame(gfx::Size size)
{
    gfx::Image image = Filled(size, 0xFFFFFF);
    gfx::Painter(image).DrawRect(image.Bounds(), Line);
    return image;
}

gfx::Image BuiltInSeparator(gfx::Size size) { return Filled(size, Line); }

gfx::Image BuiltInBottomStrip(gfx::Size size)
{
    gfx::Image image = Filled(size, MakeColour(241, 243, 244));
    gfx::Painter(image).FillRect({ 0, 0, image.Width(), 1 }, Line);
    CutCorners(image, false);
    return image;
}

gfx::Image BuiltInHuePointer() { return Filled({ 7, 11 }, Ink); }

}
