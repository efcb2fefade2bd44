#pragma once
// Text drawn by GDI onto any gfx::Image, so that painted labels use the system's fonts, its
// font fallback for Chinese and its anti-aliasing, while every other pixel stays ours. The target
// need not live in a DIB section: the area to draw is copied into a scratch DIB, drawn on there
// and copied back. Opaque handles only: including this header does not bring in <windows.h>.

#include "platform/TextRenderer.h"

#include <memory>

namespace platform::win32 {

class Win32TextRenderer final : public TextRenderer {
public:
    Win32TextRenderer();
    ~Win32TextRenderer() override;
    Win32TextRenderer(Win32TextRenderer const&) = delete;
    Win32TextRenderer& operator=(Win32TextRenderer const&) = delete;

    // Pixels GDI writes become opaque (GDI clears the alpha byte where it draws); pixels it
    // leaves alone keep their alpha.
    void DrawText(gfx::Image& target, gfx::Rect box, gfx::Rect clip, std::string_view text,
        TextStyle const& style) override;
    gfx::Size MeasureText(std::string_view text, Font const& font) override;

    // The GDI font (an HFONT) the text of this description is drawn with, for native controls
    // that should match the painted text. It lives as long as the renderer.
    void* FontHandle(Font const& font);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

}
