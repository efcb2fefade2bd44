#pragma once
// The system clipboard, in UTF-16 (CF_UNICODETEXT); Windows offers the ANSI form to programs that
// ask for it. Another program may hold the clipboard open for a moment: opening is retried for
// about a tenth of a second and then given up quietly. Opaque handles only: including this
// header does not bring in <windows.h>.

#include "platform/Clipboard.h"

namespace platform::win32 {

class Win32Clipboard final : public Clipboard {
public:
    // The window (an HWND, may be null) that becomes the clipboard's owner when text is set.
    explicit Win32Clipboard(void* ownerWindow = nullptr);

    bool SetText(std::string_view utf8) override;
    // Nothing when the clipboard holds no text or stays busy.
    std::optional<std::string> Text() override;

private:
    void* m_owner;
};

}
