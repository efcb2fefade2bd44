#pragma once
// What the system tells the program's main window besides input: a system-wide hotkey was
// pressed (with the chord the system matched: modifier bits Alt 1, Ctrl 2, Shift 4, and the
// virtual-key code), the tray icon was clicked, the taskbar came back after a restart of the shell (every
// tray icon must be added again), or the user asked to close the window (its system menu, Alt+F4).

namespace platform {

enum class TrayButton { Left, Right };

class ShellEvents {
public:
    virtual ~ShellEvents() = default;
    virtual void HotkeyPressed(int id, int modifiers, int keyCode) = 0;
    virtual void TrayClicked(TrayButton button) = 0;
    virtual void TaskbarCreated() = 0;
    virtual void CloseRequested() = 0;
};

}
