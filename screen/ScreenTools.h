#pragma once
// The two full-screen tools that work on a frozen picture of the screen: the colour pick with its
// magnifier, and the region capture to the clipboard. Each runs to its end inside the call that
// starts it, while the window's events go on being served.

namespace screen {

class ScreenTools {
public:
    // FIXME: The overlays open here once they are built; until then the buttons start nothing.
    void StartPick() { }
    void StartCapture() { }
};

}
