#pragma once
// Tells Windows that the program draws for the real screen resolution, so that its skin pictures
// are not blurred by scaling. Newer systems know finer kinds of awareness; each is tried in turn.

namespace platform::win32 {

enum class DpiAwareness { None, System, PerMonitor, PerMonitorV2 };

// Call once, before the first window. Returns the kind the system accepted.
DpiAwareness EnableDpiAwareness();

}
