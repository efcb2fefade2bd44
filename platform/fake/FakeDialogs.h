#pragma once
// Message boxes that answer at once with the reply a test chose, and a browser that only
// remembers the links it opened; both remember what they were asked.

#include "platform/Browser.h"
#include "platform/MessageBoxes.h"

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
