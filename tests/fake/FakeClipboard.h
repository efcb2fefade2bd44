#pragma once
// A clipboard in memory. It can be made busy, as when another program holds the clipboard.

#include "platform/Clipboard.h"

namespace platform::fake {

class FakeClipboard final : public Clipboard {
public:
    bool SetText(std::string_view utf8) override;
    bool SetImage(gfx::Image const& image) override;
    std::optional<std::string> Text() override;

    // The picture set last, while nothing replaced it; null otherwise.
    gfx::Image const* Picture() const { return m_image ? &*m_image : nullptr; }

    void SetBusy(bool busy) { m_busy = busy; }
    // Puts a text there as another program would.
    void Put(std::string text)
    {
        m_image.reset();
        m_text = std::move(text);
    }

private:
    std::optional<std::string> m_text;
    std::optional<gfx::Image> m_image;
    bool m_busy = false;
};

}
