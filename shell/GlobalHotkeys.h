#pragma once
// The five system-wide hotkeys: the chords of the hotkey text, registered for the main window
// under ids 1 to 5 and released on the way out; a pressed hotkey runs its action only when its
// chord is still the one the text holds for that id; and the hotkey panel (panel 3), where a
// key-down in a chord box takes the chord and the save button registers and stores the five.

#include "platform/Hotkeys.h"
#include "platform/Timers.h"
#include "shell/HotkeyText.h"
#include "shell/SettingsWriter.h"
#include "ui/Label.h"
#include "ui/NativeControls.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace shell {

inline constexpr std::string_view RegistrationSucceeded = "设置成功";

// The actions of hotkeys 1 to 5, in that order.
struct HotkeyActions {
    std::function<void()> toggleWindow;
    std::function<void()> pick;
    std::function<void()> saveColour;
    std::function<void()> flipCopyPrefix;
    std::function<void()> capture;
};

// The controls of the hotkey panel, and the notation captions its combo box lists.
struct HotkeyPanel {
    std::array<ui::TextBox*, HotkeyCount> chordBoxes {};
    ui::ComboBox* notation = nullptr;
    std::array<ui::Label const*, 4> notationCaptions {};
};

class GlobalHotkeys {
public:
    // notice shows a message box with an OK button.
    GlobalHotkeys(SettingsWriter& settings, HotkeyPanel panel, HotkeyActions actions,
        std::function<void(std::string_view)> notice);
    // The chord boxes call back into this object.
    GlobalHotkeys(GlobalHotkeys const&) = delete;
    GlobalHotkeys& operator=(GlobalHotkeys const&) = delete;
    ~GlobalHotkeys();

    // timers watch a held hotkey's key for its release.
    void Attach(platform::Hotkeys* hotkeys, platform::Timers* timers)
    {
        m_hotkeys = hotkeys;
        m_timers = timers;
    }

    HotkeyText const& CurrentHotkeyText() const { return m_hotkeyText; }
    void SetHotkeyText(HotkeyText text) { m_hotkeyText = std::move(text); }
    // "kjj" at start-up; a settings file without it gets the default chords, in memory only.
    void ReadAtStartUp();

    // "设置成功", or the ids of the refused hotkeys run together ("25"). A field that is no
    // chord is refused without asking the system.
    std::string RegisterHotkeys(std::string_view hotkeyText);
    void ReleaseHotkeys();

    // A hotkey the system reported, with the chord it came with. While its key stays down the
    // hotkey acts once: the repeats of a held key run nothing (Wine reports them in spite of
    // MOD_NOREPEAT).
    void Pressed(int id, Chord chord);
    // Runs action 0 to 4 (show or hide, pick, save the colour, flip the copy prefix, capture);
    // any other number does nothing.
    void KJGN(int action);

    // The panel shows the hotkey text in memory, the one registered. A text shorter than a whole
    // hotkey text gives way to the default chords, in memory (the file is not written), and
    // they are registered; a hotkey the system refuses then is told.
    void FillHotkeyPanel();
    // A key went down in chord box `index`. False for Alt+F4, which belongs to the window: the
    // box keeps its chord and the window closes.
    bool CaptureKey(int index, int keyCode, int shift);
    // While a chord box has the focus the hotkeys are released, so that it can take one of them,
    // and none fires. They are taken back once the focus has gone elsewhere than to another
    // chord box; one that another program took in the meantime is told.
    void ChordBoxFocused(bool focused);
    // False when a box holds a modifier alone or two boxes hold one chord: nothing is registered
    // or written then.
    bool SaveHotkeys();

    // The chord each box holds, as stored.
    std::string const& BoxChord(int index) const { return m_boxChords.at(static_cast<size_t>(index)); }

private:
    SettingsWriter& m_settings;
    HotkeyPanel m_panel;
    HotkeyActions m_actions;
    std::function<void(std::string_view)> m_notice;
    platform::Hotkeys* m_hotkeys = nullptr;
    HotkeyText m_hotkeyText;
    std::array<std::string, HotkeyCount> m_boxChords;
    // The ids the last registration refused, run together.
    std::string m_refused;
    bool m_boxFocused = false;
    platform::TimerId m_retake = 0;
    platform::Timers* m_timers = nullptr;
    // The hotkey whose key is still down since it acted, and the timer that waits for its release.
    int m_heldId = 0;
    int m_heldKey = 0;
    platform::TimerId m_releaseWatch = 0;

    void WatchRelease(int id, int keyCode);
    void StopWatchingRelease();
    void RetakeHotkeys();
    // "热键设置失败" when `result` refuses a hotkey that `before` did not.
    void TellNewRefusals(std::string_view before, std::string_view result);
};

}
