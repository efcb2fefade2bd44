#pragma once
// A window, a tray and hotkeys that only remember what was done to them.

#include "platform/Hotkeys.h"
#include "platform/Tray.h"
#include "platform/Window.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace platform::fake {

class FakeWindow final : public Window {
public:
    gfx::Point Position() const override { return m_position; }
    void MoveTo(gfx::Point topLeft) override { m_position = topLeft; }
    void Show() override
    {
        m_visible = true;
        m_minimised = false;
    }
    void Hide() override { m_visible = false; }
    bool IsVisible() const override { return m_visible; }
    bool IsMinimised() const override { return m_minimised; }
    // As Win+M does.
    void Minimise() { m_minimised = true; }

private:
    gfx::Point m_position { 100, 100 };
    bool m_visible = false;
    bool m_minimised = false;
};

class FakeTray final : public Tray {
public:
    bool AddIcon(std::string_view tip) override
    {
        m_icons.emplace_back(tip);
        return true;
    }
    bool RemoveIcon() override
    {
        if (!m_icons.empty())
            m_icons.pop_back();
        return true;
    }
    std::vector<std::string> const& Icons() const { return m_icons; }

private:
    std::vector<std::string> m_icons;
};

// As the system does, a chord is refused while another id or another program holds it.
class FakeHotkeys final : public Hotkeys {
public:
    using Chord = std::pair<int, int>; // modifiers, key code

    bool Register(int id, int modifiers, int keyCode) override
    {
        Chord const chord { modifiers, keyCode };
        if (m_registered.count(id) || m_elsewhere.count(chord))
            return false;
        for (auto const& [other, held] : m_chords) {
            if (held == chord)
                return false;
        }
        m_registered.insert(id);
        m_chords[id] = chord;
        return true;
    }
    void Unregister(int id) override
    {
        m_registered.erase(id);
        m_chords.erase(id);
    }
    bool KeyDown(int keyCode) const override { return m_down.count(keyCode) > 0; }
    std::set<int> const& Registered() const { return m_registered; }
    std::map<int, Chord> const& Chords() const { return m_chords; }
    void Hold(int id) { m_registered.insert(id); }
    // Another program holds the chord.
    void HoldElsewhere(int modifiers, int keyCode) { m_elsewhere.insert({ modifiers, keyCode }); }
    void SetKeyDown(int keyCode, bool down) { down ? void(m_down.insert(keyCode)) : void(m_down.erase(keyCode)); }

private:
    std::set<int> m_registered;
    std::map<int, Chord> m_chords;
    std::set<Chord> m_elsewhere;
    std::set<int> m_down;
};

}
