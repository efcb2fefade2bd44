#pragma once
// Plain input events as controls receive them, in the shape the form host of old gave them:
// a button number, a shift state and a position in the receiving control's own units.

#include "platform/InputEvents.h"

namespace ui {

// The platform's button and shift bits, under the names controls use.
using platform::AltKey;
using platform::CtrlKey;
using platform::LeftButton;
using platform::MiddleButton;
using platform::RightButton;
using platform::ShiftKey;

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
