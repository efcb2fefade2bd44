#pragma once
// Where the main window is: on the screen, or hidden with an icon in the tray that brings it back.
// The icon is added when the window hides and removed when it comes back; a taskbar that starts
// anew (the shell restarted) has lost every icon, so a hidden window's icon is added again.

#include "platform/ShellEvents.h"
#include "platform/Tray.h"
#include "platform/Window.h"

#include <functional>
#include <string>

namespace shell {

class TrayPresence {
public:
    // Before the first hide or restore the window is neither in the tray nor said to be shown:
    // a toggle then restores.
    enum class Place { NotYetSet, Window, Tray };

    // The tip is read when the icon is added: the title may change after start-up.
    explicit TrayPresence(std::function<std::string()> tip)
        : m_tip(std::move(tip))
    {
    }

    void Attach(platform::Window* window, platform::Tray* tray)
    {
        m_window = window;
        m_tray = tray;
    }

    Place Where() const { return m_place; }
    void HideToTray();
    // Shows the window, restored if it was minimised, in front with the focus.
    void RestoreFromTray();
    // Hides a window on the screen; brings back one in the tray or minimised.
    void ToggleTray();
    // Either button released over the icon brings the window back.
    void Clicked(platform::TrayButton button);
    void TaskbarCreated();

private:
    std::function<std::string()> m_tip;
    platform::Window* m_window = nullptr;
    platform::Tray* m_tray = nullptr;
    Place m_place = Place::NotYetSet;
};

}
