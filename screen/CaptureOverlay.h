#pragma once
// JTK, the region capture: the screen frozen and shown darkened, a selection drawn, moved and
// resized on it, and on a double-click the selected part of the undarkened snapshot named for
// the clipboard. Esc ends it with nothing. A frame repaints only where its picture differs
// from the one before, and with nothing happening the loop waits for input.

#include "platform/EventLoop.h"
#include "platform/OverlayWindow.h"
#include "platform/TextRenderer.h"
#include "screen/CaptureFrame.h"
#include "screen/Selection.h"

#include <optional>

namespace screen {

class JTK final : public platform::InputEvents {
public:
    // The overlay's back buffer must have the snapshot's size, and the desk (in overlay pixels)
    // its bounds; the snapshot must outlive the capture. The pointer is in overlay pixels. The
    // information box's texts are drawn at the DPI of the monitor the pointer is on now.
    JTK(platform::OverlayWindow& window, platform::TextRenderer& text, platform::Pointer& pointer,
        gfx::Image const& snapshot, platform::Desktop desk);
    ~JTK() override;
    JTK(JTK const&) = delete;
    JTK& operator=(JTK const&) = delete;

    // Shows the overlay and runs frames until a double-click on a selection or Esc. The selected
    // part of the snapshot after a double-click; nothing after Esc or when the program is ending.
    std::optional<gfx::Rect> JTKS(platform::EventLoop& loop);

    // Brings the overlay up to date with the selection.
    void Frame();
    Selection const& CurrentSelection() const { return m_selection; }
    bool CaptureDone() const { return m_selection.CaptureDone(); }

    void PointerDown(gfx::Point at, int button, int shift) override;
    void PointerMove(gfx::Point at, int buttons, int shift) override;
    void PointerUp(gfx::Point at, int button, int shift) override;
    void PointerDoubleClick(gfx::Point at, int button, int shift) override;
    void PointerLeft() override { }
    void PointerCaptureLost() override { }
    bool KeyDown(int keyCode, int shift) override;
    bool KeyPress(char32_t character) override;

private:
    platform::OverlayWindow& m_window;
    platform::TextRenderer& m_text;
    platform::Pointer& m_pointer;
    platform::Desktop m_desk;
    CaptureAssets m_assets;
    gfx::Size m_screen;
    Selection m_selection;
    CaptureMemory m_memory;
    std::optional<CaptureLayout> m_shown;
    std::optional<gfx::Rect> m_result;
};

}
