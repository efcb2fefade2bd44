#pragma once
// The monitors and snapshots of them through GDI, in physical pixels. Opaque handles only.

#include "platform/Screen.h"

namespace platform::win32 {

class Win32Screen final : public Screen {
public:
    Desktop Layout() override;
    // Also in physical pixels when the process was left unaware of the display's scale.
    std::optional<gfx::Image> Snapshot() override;
};

// The DPI of the monitor that shows most of a window (an HWND), or of the primary monitor for
// none; the system's DPI where Windows cannot tell monitors apart (before 8.1).
int MonitorDpiOf(void* window);

}
