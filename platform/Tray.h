#pragma once
// The program's icon in the system tray. Clicks on it come back to the main window as a
// ShellEvents call with the button released.

#include <string_view>

namespace platform {

class Tray {
public:
    virtual ~Tray() = default;
    virtual bool AddIcon(std::string_view tip) = 0;
    virtual bool RemoveIcon() = 0;
};

}
