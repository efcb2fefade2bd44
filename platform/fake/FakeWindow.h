#pragma once
// A window, a tray and hotkeys that only remember what was done to them.

#include "platform/Hotkeys.h"
#include "platform/Tray.h"
#include "platform/Window.h"

#include <set>
#include <string>
#include <vector>

namespace platform::fake {

class FakeWindow final : public Window {
public:
    gfx::Point Position() const override { return m_position; }
    void MoveTo(gfx::Point topLeft) override { m_position = topLeft; }
    void Show() override { m_visible = true; }
    void Hide() override { m_visible = false; }
    bool IsVisible() const override { return m_visible; }

private:
    gfx::Point m_position { 100, 100 };
    bool m_visible = false;
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

class FakeHotkeys final : public Hotkeys {
public:
    bool Register(int id, int, int) override { return m_registered.insert(id).second; }
    void Unregister(int id) override { m_registered.erase(id); }
    std::set<int> const& Registered() const { return m_registered; }
    void Hold(int id) { m_registered.insert(id); }

private:
    std::set<int> m_registered;
};

}
