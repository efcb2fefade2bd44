#pragma once
// The main window's place in the system: its icon in the tray and its system-wide hotkeys, both
// tied to the window's handle.

#include "platform/Hotkeys.h"
#include "platform/Tray.h"

#include <memory>

namespace platform::win32 {

// The message the tray sends the window; its low word of lParam is the mouse message.
unsigned TrayCallbackMessage();

// The icon is the window's: it goes when this object goes, before the window does.
class Win32Tray final : public Tray {
public:
    // window: the HWND that receives TrayCallbackMessage(); icon: an HICON the caller keeps.
    Win32Tray(void* window, void* icon);
    ~Win32Tray() override;
    Win32Tray(Win32Tray const&) = delete;
    Win32Tray& operator=(Win32Tray const&) = delete;

    bool AddIcon(std::string_view tip) override;
    bool RemoveIcon() override;

private:
    void* m_window;
    void* m_icon;
    bool m_added = false;
};

class Win32Hotkeys final : public Hotkeys {
public:
    explicit Win32Hotkeys(void* window);
    bool Register(int id, int modifiers, int keyCode) override;
    void Unregister(int id) override;
    bool KeyDown(int keyCode) const override;

private:
    void* m_window;
};

// The program's icon, drawn by the program: a colour wheel. Owns the HICON.
class AppIcon {
public:
    explicit AppIcon(int size);
    ~AppIcon();
    AppIcon(AppIcon const&) = delete;
    AppIcon& operator=(AppIcon const&) = delete;
    void* Handle() const { return m_icon; }

private:
    void* m_icon = nullptr;
};

// The sides of the system's small icons (the tray's, a title bar's) and large icons (the
// taskbar's, Alt+Tab's) at a DPI; the system's own metrics where Windows cannot tell (before 10).
int SmallIconSide(int dpi);
int LargeIconSide(int dpi);

// The window's title-bar and taskbar icons; the window keeps using them, the caller keeps them.
void SetWindowIcons(void* window, AppIcon const& big, AppIcon const& small);

}
