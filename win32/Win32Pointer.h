#pragma once
// The mouse pointer through the system, and the system's own pointer shapes. Opaque handles only.

#include "platform/Pointer.h"

namespace platform::win32 {

class Win32Pointer final : public Pointer {
public:
    std::optional<gfx::Point> Position() override;
    void MoveTo(gfx::Point screen) override;
};

// The shared system cursor (an HCURSOR) for a shape, for a window to hand to SetCursor when it
// answers WM_SETCURSOR. The system owns it: it is never destroyed.
void* SystemCursor(PointerShape shape);

}
