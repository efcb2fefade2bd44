#pragma once
// The pointer in overlay pixels: the system's screen coordinates moved by the virtual screen's
// top-left corner, which may lie at negative coordinates. The one place where the tools' pixels
// and the screen's meet.

#include "platform/Pointer.h"

namespace screen {

class OverlayPointer final : public platform::Pointer {
public:
    // origin: the virtual screen's top-left corner in screen coordinates.
    OverlayPointer(platform::Pointer& screen, gfx::Point origin)
        : m_screen(screen)
        , m_origin(origin)
    {
    }

    std::optional<gfx::Point> Position() override
    {
        auto const at = m_screen.Position();
        if (!at)
            return std::nullopt;
        return gfx::Point { at->x - m_origin.x, at->y - m_origin.y };
    }
    void MoveTo(gfx::Point overlay) override { m_screen.MoveTo({ overlay.x + m_origin.x, overlay.y + m_origin.y }); }

private:
    platform::Pointer& m_screen;
    gfx::Point m_origin;
};

}
