#include "app/BuiltInPictures.h"

#include "gfx/Painter.h"

#include <algorithm>

namespace app {

namespace {

constexpr Colour Accent = MakeColour(45, 127, 249);
constexpr Colour Panel = MakeColour(250, 250, 251);
constexpr Colour Line = MakeColour(218, 220, 224);
constexpr Colour Ink = MakeColour(60, 64, 67);

gfx::Image Blank(gfx::Size size)
{
    auto image = gfx::Image::Create(std::max(1, size.width), std::max(1, size.height), 0);
    return image ? std::move(*image) : gfx::Image();
}

// Clears the corners outside a quarter circle of the given radius to full transparency.
void RoundCorners(gfx::Image& image, int radius, bool top = true)
{
    int const w = image.Width();
    int const h = image.Height();
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

}

gfx::Image BuiltInBackground(gfx::Size size, int titleBandHeight)
{
    gfx::Image image = Blank(size);
    gfx::Painter painter(image);
    painter.FillRect(image.Bounds(), Panel);
    painter.FillRect({ 0, 0, image.Width(), titleBandHeight }, Accent);
    painter.DrawRect(image.Bounds(), Line);
    RoundCorners(image, 8);
    return image;
}

gfx::Image BuiltInButton(gfx::Size size, ButtonGlyph glyph, platform::TextRenderer& text)
{
    gfx::Image image = Blank(size);
    gfx::Painter painter(image);
    int const w = image.Width();
    int const h = image.Height();
    gfx::Point const centre { w / 2, h / 2 };
    switch (glyph) {
    case ButtonGlyph::Minimise:
        painter.DrawLine({ centre.x - 5, centre.y + 3 }, { centre.x + 5, centre.y + 3 }, 0xFFFFFF);
        break;
    case ButtonGlyph::Close:
        painter.DrawLine({ centre.x - 4, centre.y - 4 }, { centre.x + 4, centre.y + 4 }, 0xFFFFFF);
        painter.DrawLine({ centre.x - 4, centre.y + 4 }, { centre.x + 4, centre.y - 4 }, 0xFFFFFF);
        break;
    case ButtonGlyph::Pick:
        painter.FillCircle(centre, std::min(w, h) / 2 - 1, Accent);
        painter.DrawCircle(centre, std::min(w, h) / 2 - 6, 0xFFFFFF);
        painter.DrawLine({ centre.x, centre.y - 9 }, { centre.x, centre.y + 9 }, 0xFFFFFF);
        painter.DrawLine({ centre.x - 9, centre.y }, { centre.x + 9, centre.y }, 0xFFFFFF);
        break;
    case ButtonGlyph::Capture:
        painter.FillCircle(centre, std::min(w, h) / 2 - 1, Accent);
        for (int i = -8; i <= 8; i += 4) {
            painter.DrawLine({ centre.x + i, centre.y - 7 }, { centre.x + i + 1, centre.y - 7 }, 0xFFFFFF);
            painter.DrawLine({ centre.x + i, centre.y + 7 }, { centre.x + i + 1, centre.y + 7 }, 0xFFFFFF);
        }
        for (int i = -7; i <= 7; i += 4) {
            painter.DrawLine({ centre.x - 8, centre.y + i }, { centre.x - 8, centre.y + i + 1 }, 0xFFFFFF);
            painter.DrawLine({ centre.x + 8, centre.y + i }, { centre.x + 8, centre.y + i + 1 }, 0xFFFFFF);
        }
        break;
    case ButtonGlyph::Save:
        painter.FillRect(image.Bounds(), Accent);
        RoundCorners(image, 4);
        text.DrawText(image, image.Bounds(), image.Bounds(), "保存",
            { {}, 0xFFFFFF, platform::TextAlign::Centre, false });
        break;
    }
    return image;
}

gfx::Image BuiltInTab(gfx::Size size, std::string_view caption, TabLook look, platform::TextRenderer& text)
{
    gfx::Image image = Blank(size);
    gfx::Painter painter(image);
    Colour fill = MakeColour(236, 238, 241);
    Colour ink = Ink;
    if (look == TabLook::Hover) {
        fill = 0xFFFFFF;
        ink = Accent;
    } else if (look == TabLook::Selected) {
        fill = Accent;
        ink = 0xFFFFFF;
    }
    painter.FillRect(image.Bounds(), fill);
    RoundCorners(image, 4);
    gfx::Size const measured = text.MeasureText(caption, {});
    gfx::Rect const box { 0, (image.Height() - measured.height) / 2, image.Width(), measured.height };
    text.DrawText(image, box, image.Bounds(), caption, { {}, ink, platform::TextAlign::Centre, false });
    return image;
}

gfx::Image BuiltInFrame(gfx::Size size)
{
    gfx::Image image = Blank(size);
    gfx::Painter painter(image);
    painter.FillRect(image.Bounds(), 0xFFFFFF);
    painter.DrawRect(image.Bounds(), Line);
    return image;
}

gfx::Image BuiltInSeparator(gfx::Size size)
{
    gfx::Image image = Blank(size);
    gfx::Painter(image).FillRect(image.Bounds(), Line);
    return image;
}

gfx::Image BuiltInBottomStrip(gfx::Size size)
{
    gfx::Image image = Blank(size);
    gfx::Painter painter(image);
    painter.FillRect(image.Bounds(), MakeColour(241, 243, 244));
    painter.DrawLine({ 0, 0 }, { image.Width() - 1, 0 }, Line);
    // It closes the window at the bottom, whose corners are round.
    RoundCorners(image, 8, false);
    return image;
}

gfx::Image BuiltInHuePointer()
{
    gfx::Image image = Blank({ 7, 11 });
    gfx::Painter painter(image);
    for (int x = 0; x < 7; ++x) {
        int const reach = x * 5 / 6;
        painter.DrawLine({ x, 5 - reach }, { x, 5 + reach }, Ink);
    }
    return image;
}

}
