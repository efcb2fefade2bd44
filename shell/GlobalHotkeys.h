#pragma once
// The five system-wide hotkeys: the chords of the hotkey text, registered for the main window
// under ids 1 to 5, released on the way out, and edited on panel 3.

#include "platform/Hotkeys.h"
#include "shell/HotkeyText.h"

#include <string>
#include <string_view>

namespace shell {

inline constexpr std::string_view RegistrationSucceeded = "设置成功";

class GlobalHotkeys {
public:
    void Attach(platform::Hotkeys* hotkeys) { m_hotkeys = hotkeys; }

    HotkeyText const& CurrentHotkeyText() const { return m_hotkeyText; }
    void SetHotkeyText(HotkeyText text) { m_hotkeyText = std::move(text); }

    // "设置成功", or what went wrong.
    std::string RegisterHotkeys(std::string_view hotkeyText);
    void ReleaseHotkeys();

    // FIXME: The hotkey panel reads and saves the chords, and a pressed hotkey starts its
    // action, once the hotkeys are built.
    bool SaveHotkeys() { return false; }
    void FillHotkeyPanel() { }
    void Pressed(int id) { (void)id; }

private:
    platform::Hotkeys* m_hotkeys = nullptr;
    HotkeyText m_hotkeyText;
};

}
