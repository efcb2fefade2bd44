#pragma once
// The system clipboard: text in UTF-16 (CF_UNICODETEXT; Windows offers the ANSI form to programs
// that ask for it) and pictures as device-independent bitmaps (CF_DIB). Another program may hold
// the clipboard open for a moment: opening is retried for about a quarter of a second and then
// given up quietly. Made on the user-interface thread, whose hidden window owns the clipboard's
// content. Opaque handles only: including this header does not bring in <windows.h>.

#include "platform/Clipboard.h"
#include "win32/MessageWindow.h"

namespace platform::win32 {

class Win32Clipboard final : public Clipboard {
public:
    Win32Clipboard();
    ~Win32Clipboard() override;
    Win32Clipboard(Win32Clipboard const&) = delete;
    Win32Clipboard& operator=(Win32Clipboard const&) = delete;

    bool SetText(std::string_view utf8) override;
    bool SetImage(gfx::Image const& image) override;
    // Nothing when the clipboard holds no text or stays busy.
    std::optional<std::string> Text() override;

private:
    MessageWindow m_owner;
};

}
