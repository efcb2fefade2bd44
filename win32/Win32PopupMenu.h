#pragma once
// The system's popup menu (TrackPopupMenu) over a window. Opaque handles only.

#include "platform/PopupMenu.h"

namespace platform::win32 {

class Win32PopupMenu final : public PopupMenu {
public:
    // owner: the window (an HWND) the menu belongs to and whose client pixels `at` counts in.
    explicit Win32PopupMenu(void* owner)
        : m_owner(owner)
    {
    }

    std::optional<int> Choose(std::vector<std::string> const& entries, gfx::Point at) override;

private:
    void* m_owner;
};

}
