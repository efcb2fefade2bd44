#pragma once
// The shift keys held right now, as the thread's keyboard state has them, in the platform's
// shift bits. Internal to win32.

namespace platform::win32 {

int KeyboardShiftState();

}
