#pragma once
// QSK, the colour pick: the screen frozen into a snapshot and shown full screen, with the
// magnifier following the pointer, until any mouse button is released; the colour is then read
// from the snapshot under the pointer, so nothing drawn on the overlay can leak into it. Keys do
// nothing. A frame repaints only where the magnifier was and where it is, and with the pointer
// still the loop waits for input instead of drawing.

#include "colour/Colour.h"
#include "gfx/Image.h"
#include "platform/EventLoop.h"
#include "platform/OverlayWindow.h"
#include "platform/Pointer.h"
#include "platform/Screen.h"

#include <optional>

namespace screen {

// How long a frame waits for input before it looks at the pointer again.
inline constexpr double FrameWaitSeconds = 0.05;

class QSK final : public platform::InputEvents {
public:
    // The overlay's back buffer must have the snapshot's size, and the desk (in overlay pixels)
    // its bounds. The snapshot must outlive the pick.
    QSK(platform::OverlayWindow& window, gfx::Image const& snapshot, platform::Desktop desk);
    ~QSK() override;
    QSK(QSK const&) = delete;
    QSK& operator=(QSK const&) = delete;

    // Shows the overlay and runs frames until a button is released over it. The colour under the
    // pointer then; nothing when the program is ending instead. The pointer is in overlay pixels.
    std::optional<Colour> QSKSL(platform::EventLoop& loop, platform::Pointer& pointer);

    // One frame with the pointer there: the first paints the whole snapshot.
    void Frame(gfx::Point pointer);
    bool PickDone() const { return m_pickDone; }
    // The snapshot's colour at a point, -1 outside it.
    Colour ColourAt(gfx::Point point) const;

    void PointerDown(gfx::Point, int, int) override { }
    void PointerMove(gfx::Point, int, int) override { }
    void PointerUp(gfx::Point, int, int) override { m_pickDone = true; }
    void PointerDoubleClick(gfx::Point, int, int) override { }
    void PointerLeft() override { }
    void PointerCaptureLost() override { }
    // Swallowed, Esc included: a pick ends only by a release.
    bool KeyDown(int, int) override { return true; }
    bool KeyPress(char32_t) override { return true; }

private:
    platform::OverlayWindow& m_window;
    gfx::Image const& m_snapshot;
    platform::Desktop m_desk;
    std::optional<gfx::Point> m_shownFor;
    bool m_pickDone = false;
};

}
