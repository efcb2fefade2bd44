#pragma once
// Message boxes and a popup menu that answer at once with the reply a test chose, and a browser
// that only remembers the links it opened; all remember what they were asked.

#include "platform/Browser.h"
#include "platform/MessageBoxes.h"
#include "platform/PopupMenu.h"

#include <optional>
#include <string>
#include <vector>

namespace platform::fake {

class FakeMessageBoxes final : public MessageBoxes {
public:
    void ShowNotice(std::string_view text, void*) override { m_shown.emplace_back(text); }
    bool AskOkCancel(std::string_view question, void*) override
    {
        m_shown.emplace_back(question);
        return m_answerOk;
    }

    std::vector<std::string> const& Shown() const { return m_shown; }
    void AnswerOk(bool ok) { m_answerOk = ok; }

private:
    std::vector<std::string> m_shown;
    bool m_answerOk = true;
};

class FakePopupMenu final : public PopupMenu {
public:
    std::optional<int> Choose(std::vector<std::string> const& entries, gfx::Point at) override
    {
        m_shown.push_back({ entries, at });
        return m_choice;
    }

    struct Shown {
        std::vector<std::string> entries;
        gfx::Point at;
    };
    std::vector<Shown> const& Menus() const { return m_shown; }
    // Nothing: the user dismisses the menu.
    void WillChoose(std::optional<int> index) { m_choice = index; }

private:
    std::vector<Shown> m_shown;
    std::optional<int> m_choice;
};

class FakeBrowser final : public Browser {
public:
    std::vector<std::string> const& Opened() const { return m_opened; }

protected:
    bool OpenWebLink(std::string_view link) override
    {
        m_opened.emplace_back(link);
        return true;
    }

private:
    std::vector<std::string> m_opened;
};

}
