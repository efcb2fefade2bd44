#include "win32/Win32PopupMenu.h"

#include "win32/Unicode.h"

#include <windows.h>

namespace platform::win32 {

namespace {

// A menu, destroyed with its owner.
class OwnedMenu {
public:
    OwnedMenu()
        : m_menu(CreatePopupMenu())
    {
    }
    ~OwnedMenu()
    {
        if (m_menu)
            DestroyMenu(m_menu);
    }
    OwnedMenu(OwnedMenu const&) = delete;
    OwnedMenu& operator=(OwnedMenu const&) = delete;

    HMENU Get() const { return m_menu; }

private:
    HMENU m_menu;
};

// A menu takes "&" as the mark of the next letter's shortcut; the entry shows the text as it is.
std::wstring MenuText(std::string_view text)
{
    std::wstring shown;
    for (wchar_t const unit : Widen(text)) {
        shown += unit;
        if (unit == L'&')
            shown += L'&';
    }
    return shown;
}

}

std::optional<int> Win32PopupMenu::Choose(std::vector<std::string> const& entries, gfx::Point at)
{
    HWND const owner = static_cast<HWND>(m_owner);
    OwnedMenu const menu;
    if (!menu.Get() || entries.empty())
        return std::nullopt;
    // Command ids count from 1: TrackPopupMenu answers 0 for a dismissed menu.
    UINT_PTR id = 1;
    for (std::string const& entry : entries) {
        if (!AppendMenuW(menu.Get(), MF_STRING, id++, MenuText(entry).c_str()))
            return std::nullopt;
    }
    POINT point { at.x, at.y };
    if (owner)
        ClientToScreen(owner, &point);
    // TPM_RETURNCMD: the choice comes back here rather than as WM_COMMAND to the window. The
    // window still hears that a menu opened, as assistive technology expects.
    UINT const flags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD;
    int const chosen = static_cast<int>(TrackPopupMenu(menu.Get(), flags, point.x, point.y, 0, owner, nullptr));
    if (chosen < 1 || chosen > static_cast<int>(entries.size()))
        return std::nullopt;
    return chosen - 1;
}

}
