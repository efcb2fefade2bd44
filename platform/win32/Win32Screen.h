#pragma once
// Snapshots of the primary display through GDI. Opaque handles only.

#include "platform/Screen.h"

namespace platform::win32 {

class Win32Screen final : public Screen {
public:
    // Also in physical pixels when the process was left unaware of the display's scale.
    std::optional<gfx::Image> Snapshot() override;
};

}
