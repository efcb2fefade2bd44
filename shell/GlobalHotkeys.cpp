#include "shell/GlobalHotkeys.h"

namespace shell {

std::string GlobalHotkeys::RegisterHotkeys(std::string_view hotkeyText)
{
    // FIXME: The chords are registered once the hotkey panel exists; until then the program
    // holds no system-wide key.
    (void)hotkeyText;
    return std::string(RegistrationSucceeded);
}

void GlobalHotkeys::ReleaseHotkeys()
{
    if (!m_hotkeys)
        return;
    for (int id = 1; id <= HotkeyCount; ++id)
        m_hotkeys->Unregister(id);
}

}
