#pragma once
// A standard popup menu of plain texts at a point of the window: it waits for the user while
// events go on being served, and tells which entry was chosen.

#include "gfx/Geometry.h"

#include <optional>
#include <string>
#include <vector>

namespace platform {

class PopupMenu {
public:
    virtual ~PopupMenu() = default;
    // `at` is in the window's device pixels. The index of the chosen entry; nothing when the
    // menu was dismissed or could not be shown.
    virtual std::optional<int> Choose(std::vector<std::string> const& entries, gfx::Point at) = 0;
};

}
