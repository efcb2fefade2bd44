#pragma once
// While one lives, the calling thread sees the display in physical pixels (per-monitor DPI
// awareness): the monitors' bounds, the screen's pixels, the pointer and the windows made then.
// Windows before 10 1607 lack the switch; there the process's own awareness holds. Internal to
// win32.

#include <windows.h>

namespace platform::win32 {

class PhysicalPixels {
public:
    PhysicalPixels();
    ~PhysicalPixels();
    PhysicalPixels(PhysicalPixels const&) = delete;
    PhysicalPixels& operator=(PhysicalPixels const&) = delete;

private:
    using SetThreadContextFunction = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
    static SetThreadContextFunction SetThreadContext();
    SetThreadContextFunction m_set;
    DPI_AWARENESS_CONTEXT m_old;
};

}
