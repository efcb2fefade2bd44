#pragma once
// System-wide hotkeys registered for the main window, by id.

namespace platform {

class Hotkeys {
public:
    virtual ~Hotkeys() = default;
    // False when the system refuses the chord (another program holds it).
    virtual bool Register(int id, int modifiers, int keyCode) = 0;
    virtual void Unregister(int id) = 0;
    // Whether the key is down now, whichever window has the focus.
    virtual bool KeyDown(int keyCode) const = 0;
};

}
