#pragma once
// QSK, the colour pick: the screen frozen into a snapshot and shown full screen, with the
// magnifier following the pointer, until any mouse button is released or Enter or Space is
// pressed; the colour is then read from the snapshot under the pointer, so nothing drawn on the
// overlay can leak into it. The arrow keys move the pointer a pixel at a time (ten with Shift),
// so a pick needs no mouse; every other key does nothing, Esc included: a pick has no cancel.
// A frame repaints only where the magnifier was and where it is, and with the pointer still the
// loop waits for input instead of drawing.

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
    // its bounds. The snapshot must outlive the pick. The pointer is in overlay pixels.
    QSK(platform::OverlayWindow& window, platform::Pointer& pointer, gfx::Image const& snapshot,
        platform::Desktop desk);
    ~QSK() override;
    QSK(QSK const&) = delete;
    QSK& operator=(QSK const&) = delete;

    // Shows the overlay and runs frames until a button is released over it or Enter or Space is
    // pressed. The colour under the pointer then; nothing when the program is ending instead.
    std::optional<Colour> QSKSL(platform::EventLoop& loop);

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
    // Every key is swallowed: those that do nothing as well, so that none reaches the system.
    bool KeyDown(int keyCode, int shift) override;
    bool KeyPress(char32_t) override { return true; }

private:
    platform::OverlayWindow& m_window;
    platform::Pointer& m_pointer;
    gfx::Image const& m_snapshot;
    platform::Desktop m_desk;
    // The pointer the frame shows the magnifier for, and the magnifier's bounds then.
    std::optional<gfx::Point> m_shownFor;
    gfx::Rect m_shownBox;
    // Where the pointer was last seen or put.
    gfx::Point m_at;
    bool m_pickDone = false;
};

}
