#include "platform/fake/FakeClipboard.h"

namespace platform::fake {

bool FakeClipboard::SetText(std::string_view utf8)
{
    if (m_busy)
        return false;
    if (utf8.empty())
        m_text.reset();
    else
        m_text = std::string(utf8);
    return true;
}

std::optional<std::string> FakeClipboard::Text()
{
    if (m_busy)
        return std::nullopt;
    return m_text;
}

}
