#pragma once
// The program's icon in the system tray. Clicks on it come back to the main window as the mouse
// message that happened (514 left button released, 517 right button released, ...).

#include <string_view>

namespace platform {

inline constexpr int TrayLeftButtonUp = 514;
inline constexpr int TrayRightButtonUp = 517;

class Tray {
public:
    virtual ~Tray() = default;
    virtual bool AddIcon(std::string_view tip) = 0;
    virtual bool RemoveIcon() = 0;
};

}
