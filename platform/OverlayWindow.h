#pragma once
// A window over the whole virtual screen (every monitor), above every other, with no taskbar
// button: what the pick and capture tools show their frames in. The tool paints into the window's
// back buffer (overlay pixels: its 0,0 is the virtual screen's top-left corner, one pixel a
// physical pixel of the screen) and says which rectangles changed; only those are copied to the
// screen. Pointer events come in overlay pixels too.

#include "gfx/Image.h"
#include "platform/InputEvents.h"
#include "platform/Pointer.h"

namespace platform {

class OverlayWindow {
public:
    virtual ~OverlayWindow() = default;
    // The back buffer, as large as the virtual screen; empty when the system gave no memory for it.
    virtual gfx::Image& Pixels() = 0;
    // The rectangle's pixels go to the screen at the next paint.
    virtual void Invalidate(gfx::Rect area) = 0;
    virtual void SetPointerShape(PointerShape shape) = 0;
    virtual void SetInput(InputEvents* input) = 0;
    // Showing brings it to the front with the focus, so keys come to it.
    virtual void Show() = 0;
    virtual void Hide() = 0;
};

}
