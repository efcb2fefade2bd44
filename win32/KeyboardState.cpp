#include "win32/KeyboardState.h"

#include "platform/InputEvents.h"

#include <windows.h>

namespace platform::win32 {

int KeyboardShiftState()
{
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift |= ShiftKey;
    if (GetKeyState(VK_CONTROL) < 0)
        shift |= CtrlKey;
    if (GetKeyState(VK_MENU) < 0)
        shift |= AltKey;
    return shift;
}

}
