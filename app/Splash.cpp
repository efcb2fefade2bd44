#include "app/Splash.h"

#include "gfx/Painter.h"

#include <cmath>

namespace app {

namespace {

constexpr int Width = 512;
constexpr int Height = 100;

// A banner in the program's accent colour with a row of colour chips: the picture that comes
// with the splash, drawn for the pixels and scale it is shown at.
gfx::Image SplashPicture(gfx::Size size, double scale)
{
    auto image = gfx::Image::Create(size.width, size.height, 0);
    if (!image)
        return {};
    auto const pixels = [scale](int units) { return static_cast<int>(std::lround(units * scale)); };
    gfx::Painter painter(*image);
    for (int y = 0; y < size.height; ++y) {
        int const shade = y * 40 / size.height;
        painter.FillRect({ 0, y, size.width, 1 }, MakeColour(45 - shade / 2, 127 - shade, 249 - shade));
    }
    Colour const chips[] = { 0x3535E5, 0x2299FF, 0x35C8FF, 0x50AF4C, 0xF3A921, 0xB0279C };
    for (int i = 0; i < 6; ++i)
        painter.FillCircle({ size.width - pixels(40 + i * 26), size.height - pixels(22) }, pixels(9), chips[i]);
    // Round corners: outside them the picture is fully transparent.
    int const radius = pixels(10);
    for (int y = 0; y < radius; ++y) {
        for (int x = 0; x < radius; ++x) {
            int const dx = radius - x - 1;
            int const dy = radius - y - 1;
            if (dx * dx + dy * dy <= radius * radius)
                continue;
            for (gfx::Point corner : { gfx::Point { x, y }, gfx::Point { size.width - 1 - x, y },
                     gfx::Point { x, size.height - 1 - y }, gfx::Point { size.width - 1 - x, size.height - 1 - y } })
                image->SetPixel(corner.x, corner.y, 0);
        }
    }
    return std::move(*image);
}

}

QDJM::QDJM(platform::TextRenderer& text)
    : m_form(text)
{
    m_form.SetSize({ Width, Height });
    m_form.SetBackColour(TransparentKeyColour);
    m_picture = &m_form.Add<ui::AlphaImage>("aicAlphaImage1", ui::PictureMaker(SplashPicture));
    m_picture->SetPlace({ 0, 0, Width, Height });

    m_title = &m_form.Add<ui::Label>("BTL");
    m_title->SetPlace({ 24, 18, Width - 48, 40 });
    m_title->SetForeColour(0xFFFFFF);
    m_status = &m_form.Add<ui::Label>("ZTL");
    m_status->SetPlace({ 26, 66, 300, 20 });
    m_status->SetForeColour(MakeColour(225, 236, 255));
    SetFontName("");
}

void QDJM::SetFontName(std::string_view name)
{
    m_title->SetFont({ std::string(name), 20, true });
    m_status->SetFont({ std::string(name), 9, false });
}

}
