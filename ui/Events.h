#pragma once
// Plain input events as controls receive them, in the shape the form host of old gave them:
// a button number, a shift state and a position in the receiving control's own units.

namespace ui {

// Buttons, as single values and as a held-down mask.
inline constexpr int LeftButton = 1;
inline constexpr int RightButton = 2;
inline constexpr int MiddleButton = 4;

// Shift state bits.
inline constexpr int ShiftKey = 1;
inline constexpr int CtrlKey = 2;
inline constexpr int AltKey = 4;

struct MouseEvent {
    int button = 0; // the button pressed or released; for moves, every button held down
    int shift = 0;
    float x = 0;    // in the control's units: pixels, or a picture box's own scale
    float y = 0;
};

struct KeyEvent {
    int keyCode = 0; // virtual-key code
    int shift = 0;
};

}
