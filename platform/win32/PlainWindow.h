#pragma once
// A plain top-level window with a title, shown while the real main window does not exist yet.

#include <string_view>

namespace platform::win32 {

// Shows the window and serves events until it is closed; returns the process exit code.
int RunPlainWindow(std::string_view title);

}
