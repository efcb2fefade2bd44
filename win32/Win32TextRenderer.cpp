#include "win32/Win32TextRenderer.h"

#include "win32/DibImage.h"
#include "win32/FontCache.h"
#include "win32/Handles.h"
#include "win32/Unicode.h"

#include <algorithm>
#include <cstring>

namespace platform::win32 {

namespace {

UINT AlignmentFlags(TextAlign align)
{
    switch (align) {
    case TextAlign::Centre:
        return DT_CENTER;
    case TextAlign::Right:
        return DT_RIGHT;
    case TextAlign::Left:
        break;
    }
    return DT_LEFT;
}

}

struct Win32TextRenderer::State {
    FontCache fonts;
    MemoryDc measuring;
    // Grown to the largest area drawn so far and kept: labels are drawn on every repaint.
    std::optional<DibImage> scratch;

    DibImage* ScratchFor(gfx::Size size)
    {
        if (scratch && scratch->Width() >= size.width && scratch->Height() >= size.height)
            return &*scratch;
        int const width = std::max(size.width, scratch ? scratch->Width() : 0);
        int const height = std::max(size.height, scratch ? scratch->Height() : 0);
        scratch.reset();
        scratch = DibImage::Create(width, height);
        return scratch ? &*scratch : nullptr;
    }
};

Win32TextRenderer::Win32TextRenderer()
    : m_state(std::make_unique<State>())
{
}

Win32TextRenderer::~Win32TextRenderer() = default;

void* Win32TextRenderer::FontHandle(Font const& font) { return m_state->fonts.Get(font); }

void Win32TextRenderer::DrawText(gfx::Image& target, gfx::Rect box, gfx::Rect clip, std::string_view text,
    TextStyle const& style)
{
    // DrawTextW clips to the box itself, so only the part of the box inside the clip can change.
    gfx::Rect const area = clip.Intersected(box).Intersected(target.Bounds());
    if (area.IsEmpty() || text.empty())
        return;
    DibImage* const scratch = m_state->ScratchFor(area.Size());
    if (!scratch)
        return;

    gfx::Image& pixels = scratch->Pixels();
    auto const rowBytes = static_cast<size_t>(area.width) * sizeof(gfx::Pixel);
    for (int y = 0; y < area.height; ++y)
        std::memcpy(pixels.Scanline(y), target.Scanline(area.y + y) + area.x, rowBytes);

    HDC const dc = static_cast<HDC>(scratch->DeviceContext());
    {
        SelectedObject const font(dc, m_state->fonts.Get(style.font));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, static_cast<COLORREF>(IsValidColour(style.colour) ? style.colour : 0));
        // The box in scratch coordinates; the scratch's top-left is the area's.
        RECT bounds { box.x - area.x, box.y - area.y, box.Right() - area.x, box.Bottom() - area.y };
        // Without DT_SINGLELINE, "\n" starts a new line; "&" is a plain character in our texts.
        UINT const flags = AlignmentFlags(style.align) | DT_TOP | DT_NOPREFIX | (style.wordWrap ? DT_WORDBREAK : 0);
        std::wstring const wide = Widen(text);
        DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &bounds, flags);
    }

    // Back into the target: the pixels GDI changed, made opaque. Comparing the colour alone is
    // enough; whatever GDI did to the alpha byte of a pixel it left alone is not taken over.
    gfx::Image const& drawn = scratch->Pixels();
    for (int y = 0; y < area.height; ++y) {
        gfx::Pixel const* from = drawn.Scanline(y);
        gfx::Pixel* to = target.Scanline(area.y + y) + area.x;
        for (int x = 0; x < area.width; ++x) {
            if ((from[x] ^ to[x]) & 0x00FFFFFF)
                to[x] = from[x] | 0xFF000000;
        }
    }
}

gfx::Size Win32TextRenderer::MeasureText(std::string_view text, Font const& font)
{
    HDC const dc = m_state->measuring.Get();
    SelectedObject const selected(dc, m_state->fonts.Get(font));
    std::wstring const wide = Widen(text);
    RECT bounds {};
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &bounds, DT_CALCRECT | DT_LEFT | DT_NOPREFIX);
    return { static_cast<int>(bounds.right - bounds.left), static_cast<int>(bounds.bottom - bounds.top) };
}

}
