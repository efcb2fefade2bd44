#pragma once
// Pointer and key input as a window of the program receives it: positions in the window's
// pixels, buttons and shift keys as plain bit masks. The platform turns its own messages into
// these calls; whoever shows something in the window (a form, an overlay) answers them.

#include "gfx/Geometry.h"

namespace platform {

// Buttons, as single values and as a held-down mask.
inline constexpr int LeftButton = 1;
inline constexpr int RightButton = 2;
inline constexpr int MiddleButton = 4;

// Shift state bits.
inline constexpr int ShiftKey = 1;
inline constexpr int CtrlKey = 2;
inline constexpr int AltKey = 4;

class InputEvents {
public:
    virtual ~InputEvents() = default;
    virtual void PointerDown(gfx::Point at, int button, int shift) = 0;
    // `buttons` is the mask of buttons held.
    virtual void PointerMove(gfx::Point at, int buttons, int shift) = 0;
    virtual void PointerUp(gfx::Point at, int button, int shift) = 0;
    // The second press of a double-click, in place of a press; a release follows.
    virtual void PointerDoubleClick(gfx::Point at, int button, int shift) = 0;
    // The pointer went off the window while no button was held.
    virtual void PointerLeft() = 0;
    // The system took the pointer away mid-press (another window, a menu): no release will come.
    virtual void PointerCaptureLost() = 0;
    // A key went down (a virtual-key code), or typed a character; true when it was handled.
    virtual bool KeyDown(int keyCode, int shift) = 0;
    virtual bool KeyPress(char32_t character) = 0;
};

}
