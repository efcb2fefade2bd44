#include "shell/TrayPresence.h"

namespace shell {

void TrayPresence::HideToTray()
{
    if (m_tray)
        m_tray->AddIcon(m_tip());
    m_place = Place::Tray;
    if (m_window)
        m_window->Hide();
}

void TrayPresence::RestoreFromTray()
{
    if (m_tray)
        m_tray->RemoveIcon();
    m_place = Place::Window;
    if (m_window)
        m_window->Show();
}

void TrayPresence::ToggleTray()
{
    // A minimised window is out of sight: the toggle brings it back rather than hiding it further.
    if (m_place == Place::Window && !(m_window && m_window->IsMinimised()))
        HideToTray();
    else
        RestoreFromTray();
}

void TrayPresence::Clicked(platform::TrayButton) { RestoreFromTray(); }

void TrayPresence::TaskbarCreated()
{
    if (m_place == Place::Tray && m_tray)
        m_tray->AddIcon(m_tip());
}

}
