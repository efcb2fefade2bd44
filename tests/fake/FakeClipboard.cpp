#include "tests/fake/FakeClipboard.h"

namespace platform::fake {

bool FakeClipboard::SetText(std::string_view utf8)
{
    if (m_busy)
        return false;
    m_image.reset();
    if (utf8.empty())
        m_text.reset();
    else
        m_text = std::string(utf8);
    return true;
}

bool FakeClipboard::SetImage(gfx::Image const& image)
{
    if (m_busy)
        return false;
    m_text.reset();
    if (image.IsEmpty())
        m_image.reset();
    else
        m_image = image.Clone();
    return true;
}

std::optional<std::string> FakeClipboard::Text()
{
    if (m_busy)
        return std::nullopt;
    return m_text;
}

}
