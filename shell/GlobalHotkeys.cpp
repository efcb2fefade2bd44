#include "shell/GlobalHotkeys.h"

#include "platform/InputEvents.h"
#include "shell/ChordNames.h"
#include "shell/SettingsFile.h"

namespace shell {

namespace {

// A stored text this short cannot hold five chords and the notation index.
constexpr size_t ShortestHotkeyText = 21;

}

GlobalHotkeys::GlobalHotkeys(SettingsWriter& settings, HotkeyPanel panel, HotkeyActions actions,
    std::function<void(std::string_view)> notice)
    : m_settings(settings)
    , m_panel(panel)
    , m_actions(std::move(actions))
    , m_notice(std::move(notice))
{
    for (int index = 0; index < HotkeyCount; ++index) {
        if (ui::TextBox* const box = m_panel.chordBoxes[static_cast<size_t>(index)]) {
            box->SetCapturesKeys(true);
            box->OnKeyDown = [this, index](ui::KeyEvent const& key) { return CaptureKey(index, key.keyCode, key.shift); };
            box->OnFocusChange = [this](bool focused) { ChordBoxFocused(focused); };
        }
    }
}

GlobalHotkeys::~GlobalHotkeys()
{
    StopWatchingRelease();
    if (m_retake && m_timers)
        m_timers->Stop(m_retake);
}

void GlobalHotkeys::ReadAtStartUp()
{
    HotkeyText text(m_settings.Read(settings::Hotkeys));
    if (text.Text().empty())
        text = HotkeyText(std::string(DefaultHotkeyText));
    m_hotkeyText = std::move(text);
}

std::string GlobalHotkeys::RegisterHotkeys(std::string_view hotkeyText)
{
    ReleaseHotkeys();
    HotkeyText const text { std::string(hotkeyText) };
    std::string refused;
    for (int id = 1; id <= HotkeyCount; ++id) {
        auto const chord = text.ChordOf(id);
        if (!chord || !m_hotkeys || !m_hotkeys->Register(id, chord->modifiers, chord->key))
            refused += std::to_string(id);
    }
    m_refused = refused;
    return refused.empty() ? std::string(RegistrationSucceeded) : refused;
}

void GlobalHotkeys::ReleaseHotkeys()
{
    if (!m_hotkeys)
        return;
    for (int id = 1; id <= HotkeyCount; ++id)
        m_hotkeys->Unregister(id);
}

void GlobalHotkeys::Pressed(int id, Chord chord)
{
    // Both must agree: the chord registered under that id may since have been changed in memory.
    auto const registered = m_hotkeyText.ChordOf(id);
    // A report already queued when a chord box took the focus is the box's key, not a hotkey.
    if (!registered || *registered != chord || id == m_heldId || m_boxFocused)
        return;
    // Marked before the action runs: a pick or a capture serves the event queue until it ends.
    WatchRelease(id, chord.key);
    KJGN(id - 1);
}

void GlobalHotkeys::WatchRelease(int id, int keyCode)
{
    StopWatchingRelease();
    // Without a timer the release could not be seen: then every report acts.
    if (!m_timers || !m_hotkeys || !m_hotkeys->KeyDown(keyCode))
        return;
    // Short enough that a key let go and pressed again at once still counts twice.
    constexpr int PollMilliseconds = 15;
    m_heldId = id;
    m_heldKey = keyCode;
    m_releaseWatch = m_timers->StartRepeating(PollMilliseconds, [this] {
        if (!m_hotkeys->KeyDown(m_heldKey))
            StopWatchingRelease();
    });
    if (!m_releaseWatch)
        m_heldId = 0;
}

void GlobalHotkeys::StopWatchingRelease()
{
    if (m_releaseWatch && m_timers)
        m_timers->Stop(m_releaseWatch);
    m_releaseWatch = 0;
    m_heldId = 0;
}

void GlobalHotkeys::KJGN(int action)
{
    std::function<void()> const* const run[] { &m_actions.toggleWindow, &m_actions.pick, &m_actions.saveColour,
        &m_actions.flipCopyPrefix, &m_actions.capture };
    if (action < 0 || action >= HotkeyCount || !*run[action])
        return;
    (*run[action])();
}

void GlobalHotkeys::FillHotkeyPanel()
{
    // Not read again from the file: a text that differs from the chords registered would
    // make the hotkeys run nothing. A text too short to be whole gives way to the default
    // chords, which are registered at once, so that what the panel shows is what works.
    if (m_hotkeyText.Text().size() < ShortestHotkeyText) {
        m_hotkeyText = HotkeyText(std::string(DefaultHotkeyText));
        if (!m_boxFocused)
            TellNewRefusals({}, RegisterHotkeys(m_hotkeyText.Text()));
    }
    HotkeyText const& shown = m_hotkeyText;
    if (m_panel.notation)
        m_panel.notation->Clear();
    for (int index = 0; index < HotkeyCount; ++index) {
        auto const slot = static_cast<size_t>(index);
        m_boxChords[slot] = std::string(shown.Field(index + 1));
        if (m_panel.chordBoxes[slot])
            m_panel.chordBoxes[slot]->SetText(ChordDisplayText(m_boxChords[slot]));
    }
    if (!m_panel.notation)
        return;
    for (ui::Label const* caption : m_panel.notationCaptions)
        m_panel.notation->AddItem(caption ? caption->Text() : std::string());
    m_panel.notation->SetSelectedIndex(shown.CopyNotationIndex().value_or(-1));
}

bool GlobalHotkeys::CaptureKey(int index, int keyCode, int shift)
{
    if (index < 0 || index >= HotkeyCount || IsWindowKey(keyCode, shift))
        return false;
    auto const slot = static_cast<size_t>(index);
    Chord const chord = ChordOfKeyDown(keyCode, shift);
    m_boxChords[slot] = ChordText(chord);
    if (m_panel.chordBoxes[slot])
        m_panel.chordBoxes[slot]->SetText(ChordDisplayText(chord));
    return true;
}

void GlobalHotkeys::ChordBoxFocused(bool focused)
{
    m_boxFocused = focused;
    if (focused) {
        if (m_retake && m_timers)
            m_timers->Stop(m_retake);
        m_retake = 0;
        ReleaseHotkeys();
        return;
    }
    // Taken back once the focus has settled: a move to the next chord box keeps them released,
    // and a refusal is not told from inside the focus change.
    if (m_timers && !m_retake) {
        m_retake = m_timers->StartOnce(0, [this] {
            m_retake = 0;
            RetakeHotkeys();
        });
    }
    if (!m_retake)
        RetakeHotkeys();
}

void GlobalHotkeys::RetakeHotkeys()
{
    if (m_boxFocused)
        return;
    std::string const before = m_refused;
    TellNewRefusals(before, RegisterHotkeys(m_hotkeyText.Text()));
}

void GlobalHotkeys::TellNewRefusals(std::string_view before, std::string_view result)
{
    if (result == RegistrationSucceeded)
        return;
    // Only a hotkey that held before: one refused already was told when it was refused.
    for (char const id : result) {
        if (before.find(id) == std::string_view::npos) {
            m_notice("热键设置失败");
            return;
        }
    }
}

bool GlobalHotkeys::SaveHotkeys()
{
    for (std::string const& chord : m_boxChords) {
        if (IsModifierAlone(chord)) {
            m_notice("快捷键不能只有 Shift、Ctrl、Alt 或 Win 键");
            return false;
        }
    }
    for (size_t i = 0; i < m_boxChords.size(); ++i) {
        for (size_t j = i + 1; j < m_boxChords.size(); ++j) {
            if (m_boxChords[i] == m_boxChords[j]) {
                m_notice("快捷键不能相同");
                return false;
            }
        }
    }
    std::string chords;
    for (std::string const& chord : m_boxChords)
        chords += chord + ",";
    if (RegisterHotkeys(chords) != RegistrationSucceeded) {
        m_notice("新热键设置失败,将继续使用旧热键");
        chords.clear();
        for (int n = 1; n <= HotkeyCount; ++n)
            chords += std::string(m_hotkeyText.Field(n)) + ",";
        if (RegisterHotkeys(m_hotkeyText.Text()) != RegistrationSucceeded)
            m_notice("旧热键设置失败,将无法使用热键");
    }
    int const selected = m_panel.notation ? m_panel.notation->SelectedIndex() : -1;
    m_hotkeyText = HotkeyText(chords + std::to_string(selected));
    // The box that still has the focus goes on taking chords: the hotkeys wait until it lets go.
    if (m_boxFocused)
        ReleaseHotkeys();
    m_settings.Write(settings::Hotkeys, m_hotkeyText.Text());
    return true;
}

}
