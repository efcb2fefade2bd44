#pragma once
// The two full-screen tools that work on a frozen picture of the screen: the colour pick with its
// magnifier, and the region capture to the clipboard. Each runs to its end inside the call that
// starts it, while the program's events go on being served; a tool started while one runs is
// ignored, so there is never more than one overlay loop.
//
// The tools cover the whole virtual screen, every monitor, and work in overlay pixels: those of
// the snapshot, 0,0 at the virtual screen's top-left corner. The pointer's screen coordinates are
// converted here, once. Two pictures of the virtual screen's size live while a tool runs, the
// snapshot and the overlay's back buffer, and both go when it ends.

#include "colour/Colour.h"
#include "platform/Clipboard.h"
#include "platform/EventLoop.h"
#include "platform/OverlayWindow.h"
#include "platform/Pointer.h"
#include "platform/Screen.h"
#include "platform/TextRenderer.h"

#include <functional>
#include <memory>
#include <optional>

namespace screen {

struct ScreenServices {
    platform::Screen& screen;
    platform::Pointer& pointer;
    platform::EventLoop& loop;
    platform::Clipboard& clipboard;
    platform::TextRenderer& text;
    // A new overlay over that area of the screen (the virtual screen), hidden; nothing when the
    // system refuses one.
    std::function<std::unique_ptr<platform::OverlayWindow>(gfx::Rect)> makeOverlay;
};

class ScreenTools {
public:
    void Attach(ScreenServices const* services) { m_services = services; }
    bool Running() const { return m_running; }

    // The colour picked from the screen; nothing when no pick could run (no snapshot, no overlay,
    // one already running) or the program is ending.
    std::optional<Colour> StartPick();
    // The selected region goes to the clipboard as a picture; Esc leaves the clipboard alone.
    void StartCapture();

private:
    struct Opened {
        // Where the virtual screen's top-left corner lies in screen coordinates.
        gfx::Point origin;
        // The monitors, in overlay pixels.
        platform::Desktop desk;
        gfx::Image snapshot;
        std::unique_ptr<platform::OverlayWindow> overlay;
    };
    // The frozen screen and a hidden overlay to show it in; nothing when either is refused.
    std::optional<Opened> Open();

    ScreenServices const* m_services = nullptr;
    bool m_running = false;
};

}
